// The component factory: a form object of the right class for a component's class name,
// found by its key (the class name in lower case without the leading "T"), through the
// class-name prefixes of component libraries, or by guessing from the end of the name.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "formanalysis/form_lines.h"
#include "formanalysis/form_objects.h"

namespace sorvik {

class TFormCode;

// The object of the class that `key` names exactly, or none.
std::unique_ptr<TFormObject> CreateByKey(std::string_view key, const FormLines& lines, int line,
                                         std::string name);
// The object for a class name written without its leading "T" ("Button", "JvEdit",
// "Button [2]"); none when no class fits. A guessed class leaves a note in the project's
// partly-recognised list.
std::unique_ptr<TFormObject> CreateFormObject(TFormCode& form, std::string_view className, int line,
                                              std::string name);
// The object of a component whose class is unknown (kind 99).
std::unique_ptr<TFormObject> createUnknownObject(const FormLines& lines, int line,
                                                 std::string name);

}  // namespace sorvik
