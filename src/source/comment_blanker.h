// Blanking comments in Pascal (and, with cStyle, script and style-sheet) text. Comments
// become blanks so that line numbers and columns never shift.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "source/line_forms.h"

namespace sorvik {

// Blanks "//" line comments, "(* *)" (cStyle: "/* */") and, unless cStyle, brace
// comments other than include directives (and, with useIfDefs, the conditional
// directives), in one walk in which the comment that opens first wins; returns the number
// of block and brace comments blanked.
int BlankPascalComments(std::vector<std::string>& lines, bool cStyle, bool useIfDefs);
// The same for Pascal text held whole, its lines ending in CR, LF or CR LF: a line break of
// any kind ends a line comment and a literal, so the text blanks as its lines would.
int BlankPascalCommentsInText(std::string& text, bool useIfDefs);
// The same walk with the brace groups to keep chosen by `keepBrace`, which is given each
// group's text from "{" to "}".
int blankComments(std::vector<std::string>& lines, bool cStyle,
                  const std::function<bool(std::string_view group)>& keepBrace);
// Blanks every brace group outside string literals in `lines`, which stay as they are:
// `visit` is handed every line's index and its text with the groups blanked. A group may
// run over many lines; a literal ends with its line. `line` is room for one line's text,
// kept by a caller that blanks many times.
void BlankBraces(const LineList& lines, std::string& line,
                 const std::function<void(size_t, std::string_view)>& visit);

}  // namespace sorvik
