// The catalogue of result kinds: their texts and categories.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/settings.h"

namespace sorvik {

// The text of a built-in kind, or "" when the number names none.
std::string_view builtInKindText(int kind);
// The text of any kind: a template kind's text is the template's name.
std::string kindText(int kind, const std::vector<TemplateSwitch>& templates);
// "Hints", "Warnings", "Delphi Hints", "ASP Hints" or "Naming".
std::string_view categoryName(int kind, bool isWarning);
// The singular of a category in the status line: "Hint", "Warning", ...
std::string_view categorySingular(std::string_view category);
// A tree key back to its kind: the category's table first, then the template names.
std::optional<int> kindFromText(std::string_view category, std::string_view text,
                                const std::vector<TemplateSwitch>& templates);

}  // namespace sorvik
