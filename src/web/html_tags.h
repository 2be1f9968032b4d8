// The HTML tag table of the page model: a known tag's kind is 1000 + its position in
// the table; the groups of kinds that nest and that never get a closing tag.
#pragma once

#include <string_view>

namespace sorvik {

constexpr int kHtmlKindBase = 1000;

// Kinds the page model and its readers name.
enum PageKind : int {
  kUnknownControlKind = -1,  // an "asp:" control whose name is not in the table
  kNoKind = 0,               // plain text, or a tag that got no kind
  kUnknownTagKind = 212,
  kCompilerKind = 299,
  kCommentKind = 300,
  kPageTextKind = 301,  // page text, as the speller reports it
  kTagP = 1056,
  kTagScript = 1062,
};

// The kind of a tag name (compared ignoring case) among the tags proper, positions 0 to
// 91; 0 when none matches.
int HtmlTagKind(std::string_view name);
// The name at position kind - 1000 (0 to 101, the input types included); "" otherwise.
std::string_view htmlTagName(int kind);

// Whether the checks and the outline look for a closing tag after a tag of this kind.
bool kindNests(int kind);
// A tag that never gets a closing tag ("br", "img", "p", ...).
bool neverClosed(int kind);

}  // namespace sorvik
