// One web page: its text, its lines and its objects in text order, read by a tokenizer
// that splits the text into runs of plain text and tags.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "web/outline_line.h"
#include "web/page_objects.h"
#include "web/style_sheet.h"

namespace sorvik {

class TProject;
struct TextFile;

// The check of a closing tag that a tag never gets ("</br>"), which the outline hands on.
using NeedlessClosingCheck = std::function<void(TAspxObjClosing& closing)>;
// The check of a linked file, run for every style sheet link with the name as written.
using LinkedFileCheck = std::function<void(const std::string& fileName, TAspxObj& link)>;

class TAspxForm {
 public:
  // Reads the page file; a file that cannot be read makes an empty page.
  explicit TAspxForm(std::string path);
  // A page of the given lines (as read from `path`).
  TAspxForm(std::string path, TextFile file);

  std::string FilePath;
  std::string Folder;  // the page's folder, with a trailing "/"; relative links start there
  std::string Text;    // the lines joined with CR LF
  std::vector<std::string> Lines;
  std::vector<PageObjectEntry> Objects;

  // Reads the next object and adds it; returns its text, or "" at the end of the page.
  std::string NextToken();

  // The outline: for each object that shows in it, its nesting depth and its kind, a
  // closing marked as such.
  std::vector<OutlineLine> Outline(const NeedlessClosingCheck& needlessClosing = {});
  // Keeps the outline in the project, under the page's path.
  void BuildOutline(TProject& project, const NeedlessClosingCheck& needlessClosing = {});

  // The style sheets the page links to, read when their files exist.
  std::vector<TAspxStyleSheet> GetStyleSheets(const LinkedFileCheck& linkedFile = {});

 private:
  // Moves past the character at position_, counting lines at CR.
  void step();
  void addText(std::string text, int line, int column);
  void addTag(std::string text, int line, int column);
  // Passes over the body of a script element and adds its closing tag; returns the body.
  std::string skipScriptBody();

  // The tokenizer's place: the line (1-based) and column of the character at position_.
  int line_ = 1;
  int column_ = 1;
  size_t position_ = 0;
};

}  // namespace sorvik
