// The text of a script element as the spelling of script messages reads it.
#pragma once

#include <string>
#include <string_view>

namespace sorvik {

// `body` is what stands between the script tag's ">" and the "<" of its closing tag.
// Comments ("//" to the line's end, "/*" to "*/", each outside single quotes) become
// blanks; lines that are then empty, that begin with two backslashes, or that hold
// nothing but the "<!--" and "-->" that hide a script from old browsers are dropped; the
// other lines are kept as they are, joined with CR LF.
std::string prepareScriptText(std::string_view body);

}  // namespace sorvik
