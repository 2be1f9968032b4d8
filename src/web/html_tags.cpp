#include "web/html_tags.h"

#include <algorithm>
#include <array>

#include "generic/strings.h"

namespace sorvik {

namespace {

// Positions 92 to 101 name the types of an input tag; a tag name is never looked up
// among them.
constexpr std::array<std::string_view, 102> kTagNames = {
    "a",        "address",  "area",     "b",        "base",   "basefont", "big",      "blockquote",
    "body",     "br",       "button",   "caption",  "cite",   "code",     "col",      "colgroup",
    "dd",       "del",      "dfn",      "div",      "dl",     "dt",       "em",       "fieldset",
    "font",     "form",     "frame",    "frameset", "h1",     "h2",       "h3",       "h4",
    "h5",       "h6",       "head",     "hr",       "html",   "i",        "iframe",   "img",
    "input",    "ins",      "kbd",      "label",    "legend", "li",       "link",     "map",
    "menu",     "meta",     "noframes", "noscript", "object", "ol",       "optgroup", "option",
    "p",        "param",    "pre",      "q",        "s",      "samp",     "script",   "select",
    "small",    "span",     "strike",   "sub",      "sup",    "table",    "tbody",    "td",
    "textarea", "tfoot",    "th",       "thead",    "title",  "tr",       "tt",       "u",
    "ul",       "var",      "center",   "isindex",  "abbr",   "acronym",  "bdo",      "strong",
    "style",    "applet",   "dir",      "embed",    "button", "checkbox", "file",     "hidden",
    "image",    "password", "radio",    "reset",    "submit", "text"};
constexpr size_t kTagsProper = 92;

// Kinds after which no closing tag is looked for.
constexpr std::array kFlatKinds = {0,    299,  300,  301,  1008, 1015, 1019, 1036, 1045,
                                   1050, 1055, 1056, 1070, 1071, 1073, 1074, 1075};
constexpr std::array kNeverClosedKinds = {1004, 1009, 1014, 1016, 1021, 1035,
                                          1039, 1040, 1046, 1049, 1056, 1057};

template <class Table>
bool contains(const Table& table, int kind) {
  return std::find(table.begin(), table.end(), kind) != table.end();
}

}  // namespace

int HtmlTagKind(std::string_view name) {
  for (size_t i = 0; i < kTagsProper; ++i)
    if (sameText(kTagNames[i], name)) return kHtmlKindBase + static_cast<int>(i);
  return kNoKind;
}

std::string_view htmlTagName(int kind) {
  const int position = kind - kHtmlKindBase;
  if (position < 0 || position >= static_cast<int>(kTagNames.size())) return {};
  return kTagNames[static_cast<size_t>(position)];
}

bool kindNests(int kind) {
  return !contains(kFlatKinds, kind);
}

bool neverClosed(int kind) {
  return contains(kNeverClosedKinds, kind);
}

}  // namespace sorvik
