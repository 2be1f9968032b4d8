#include "web/script_text.h"

#include <vector>

#include "generic/strings.h"

namespace sorvik {

namespace {

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t cr; (cr = text.find('\r', start)) != std::string_view::npos;) {
    lines.emplace_back(text.substr(start, cr - start));
    start = cr + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

void blankFrom(std::string& line, size_t from) {
  for (size_t i = from; i < line.size(); ++i) line[i] = ' ';
}

// From "//" outside single quotes to the end of the line.
void blankLineComment(std::string& line) {
  bool quoted = false;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    if (line[i] == '\'') quoted = !quoted;
    if (!quoted && line[i] == '/' && line[i + 1] == '/') return blankFrom(line, i);
  }
}

// From "/*" outside single quotes to the next "*/", across lines; the quote state starts
// afresh on each line.
void blankBlockComments(std::vector<std::string>& lines) {
  bool inComment = false;
  for (std::string& line : lines) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
      if (inComment) {
        if (line[i] == '*' && i + 1 < line.size() && line[i + 1] == '/') {
          line[i] = line[i + 1] = ' ';
          ++i;
          inComment = false;
        } else {
          line[i] = ' ';
        }
      } else if (line[i] == '\'') {
        quoted = !quoted;
      } else if (!quoted && line[i] == '/' && i + 1 < line.size() && line[i + 1] == '*') {
        line[i] = line[i + 1] = ' ';
        ++i;
        inComment = true;
      }
    }
  }
}

std::string_view before(std::string_view text, std::string_view marker) {
  const size_t at = text.find(marker);
  return at == std::string_view::npos ? text : text.substr(0, at);
}

bool keepsScript(const std::string& line) {
  const std::string trimmed = trim(line);
  if (startsWith(trimmed, "\\\\")) return false;
  return !trimRight(before(before(trimmed, "<!--"), "-->")).empty();
}

}  // namespace

std::string prepareScriptText(std::string_view body) {
  std::vector<std::string> lines = splitLines(trimRight(body));
  for (std::string& line : lines) blankLineComment(line);
  blankBlockComments(lines);
  std::vector<std::string> kept;
  for (std::string& line : lines)
    if (keepsScript(line)) kept.push_back(std::move(line));
  return join(kept, "\r\n");
}

}  // namespace sorvik
