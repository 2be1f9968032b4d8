// The web controls of a page: the "asp:" family and the "borland:" data-aware family,
// their kinds, and the names the outline, the reports and the statistics show.
#pragma once

#include <string_view>

namespace sorvik {

// For a tag text beginning with "asp:" (any case): the kind of the name after it, up to
// the first blank or line break; -1 for a name not in the table. 0 for any other text.
int AspControlKind(std::string_view tagText);
// For a tag text beginning with "borland:": the kind of a "dbweb" name, 0 for an unknown
// one; a name without "dbweb" is looked up among the "asp:" names (0 when not there).
// 0 for any other text.
int BorlandControlKind(std::string_view tagText);

// The display name of a page object kind: a control's name, "Compiler Directive" (299),
// "Comment" (300) or, for 1000 to 1101, the tag name; "" for any other kind.
std::string_view webObjectName(int kind);
// The same with the words of a control's name spaced, for the statistics.
std::string_view webObjectSpacedName(int kind);

}  // namespace sorvik
