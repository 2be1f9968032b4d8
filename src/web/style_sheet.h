// A style sheet a page links to, and the selectors it defines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class TAspxStyleSheet {
 public:
  // The sheet linked as `fileName`, read from `path` when that file exists.
  TAspxStyleSheet(std::string fileName, const std::string& path);

  std::string FileName;  // as written in the link
  std::string Text;      // the lines joined with CR LF
  std::vector<std::string> Lines;
  std::vector<std::string> Selectors;
};

// The selectors of a sheet's text, in order: with comments and declaration blocks taken
// out, the parts between commas (and between blocks), trimmed and without one leading
// ".", so that ".warn" gives "warn" and "p.note" stays "p.note".
std::vector<std::string> styleSheetSelectors(std::string text);

}  // namespace sorvik
