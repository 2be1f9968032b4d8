// The page object a tag's text makes.
#pragma once

#include <memory>
#include <string>

#include "web/page_objects.h"

namespace sorvik {

// By the start of the text: "/" a closing (an unknown tag when its name has no kind),
// "asp:" or "borland:" a web control, "%@" a compiler directive, "!" or "?" a comment;
// otherwise an HTML tag when its leading letters and digits name one, else an unknown
// tag. Positions are left to the caller.
std::unique_ptr<TPageObject> makeTagObject(std::string text);

}  // namespace sorvik
