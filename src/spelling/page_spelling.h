// What the web layer and the speller do for each other in a spelling run. The page walk
// hands SpellPageText each piece of a page's text and attributes and SpellScriptMessages
// the script of each JavaScript element; in turn the web layer fills WebSpelling, which the
// speller uses where page markup meets code. The two are linked where the library is set up.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class TProject;

struct WebSpelling {
  // Character references decoded and the opening and closing tags of the tag table
  // removed, for the strings that code assigns to properties in a project with pages.
  std::function<std::string(std::string_view)> stripMarkup;
  // The results list's name of a page object's kind ("HTML:" and the tag name, a web
  // control's name); "" for a kind that is not the web layer's.
  std::function<std::string(int kind)> sourceName;
};

// Spells a piece of the page `CurrentFile`: its text (source kind 301) or an attribute's
// value (the tag or control number), at `line` of `pageLines`, where the word is located.
void SpellPageText(TProject& project, std::string_view text, int sourceKind,
                   const std::vector<std::string>& pageLines, int line);
// Spells the messages of a script element's alert, confirm and prompt calls.
void SpellScriptMessages(TProject& project, std::string_view scriptText, int objectLine,
                         const std::vector<std::string>& pageLines);

}  // namespace sorvik
