// Pages made from text, and their objects written in one short line each so that a case
// can list what a page reads into.
#pragma once

#include <string>
#include <vector>

#include "web/aspx_form.h"

namespace sorvik::test {

// The page of `text` (any line ends), as if read from "page.htm".
TAspxForm pageOf(const std::string& text);

// "HTML 1056 p", "Text 0 Hello", "Closing 1056", "Comment !-- x --", "Unknown 212 Custom",
// "Compiler 299 %@ Page", "Control 202 asp:TextBox": the class, the kind and the text,
// with CR LF written as "|".
std::string describe(const TPageObject& object);
std::vector<std::string> describeObjects(const TAspxForm& page);

}  // namespace sorvik::test
