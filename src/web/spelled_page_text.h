// What a spelling run reads of a web page: the text outside scripts and the attributes
// that hold words for the reader, and how the speller treats page markup in strings.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class TProject;
class TAspxForm;

// Spells one piece of the page at a 0-based line of its lines, with a source kind: 301 for
// text, the object's kind for an attribute.
using SpellPieceFn = std::function<void(TProject&, std::string_view text, int sourceKind,
                                        const std::vector<std::string>& lines, int line)>;

// Hands every spelled piece of the page to `spell`, in page order: each text outside a
// script element, decoded and trimmed, and the values of the attributes a reader sees
// (alternative texts, meta descriptions and keywords, input values, captions, tool tips)
// that are not left at their placeholder.
void SpellPageObjects(TProject& project, const TAspxForm& page, const SpellPieceFn& spell);

// A string of code as a page shows it: character references decoded and, when it holds
// both "<" and ">", the opening and closing tags of the known HTML tags removed.
std::string StripPageMarkup(std::string_view text);

// The results list's name of a page object's kind: "HTML:" and a tag's name, a web
// control's name; "" for any other kind.
std::string PageSourceName(int kind);

}  // namespace sorvik
