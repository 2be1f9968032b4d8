#include "web/style_sheet.h"

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"

namespace sorvik {

namespace {

// Every character from `open` (outside single quotes; the quote state starts afresh at
// each CR) to the next `close` becomes a blank, line breaks excepted; the last character
// of `close` becomes `closeMark`.
void blankSpans(std::string& text, std::string_view open, std::string_view close, char closeMark) {
  bool quoted = false;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r') quoted = false;
    if (c == '\'') quoted = !quoted;
    if (quoted || text.compare(i, open.size(), open) != 0) {
      ++i;
      continue;
    }
    const size_t end = text.find(close, i + open.size());
    const size_t stop = end == std::string::npos ? text.size() : end + close.size();
    for (; i < stop; ++i)
      if (text[i] != '\r' && text[i] != '\n') text[i] = ' ';
    if (end != std::string::npos) text[stop - 1] = closeMark;
  }
}

}  // namespace

TAspxStyleSheet::TAspxStyleSheet(std::string fileName, const std::string& path)
    : FileName(std::move(fileName)) {
  const std::string found = findExistingPath(path);
  if (found.empty() || !fileExists(found)) return;
  if (std::optional<TextFile> file = readTextFile(found)) Lines = std::move(file->lines);
  Text = join(Lines, "\r\n");
  Selectors = styleSheetSelectors(Text);
}

std::vector<std::string> styleSheetSelectors(std::string text) {
  blankSpans(text, "/*", "*/", ' ');
  // A block ends the selectors before it, as a comma would: ".a {} .b {}" gives two.
  blankSpans(text, "{", "}", ',');
  std::vector<std::string> lines;
  for (const std::string& line : split(replaceAll(text, "\r\n", "\r"), '\r'))
    if (!trimView(line).empty()) lines.push_back(line);
  std::vector<std::string> selectors;
  for (const std::string& part : split(join(lines, ","), ',')) {
    std::string_view selector = trimView(part);
    if (startsWith(selector, ".")) selector.remove_prefix(1);
    if (!selector.empty()) selectors.emplace_back(selector);
  }
  return selectors;
}

}  // namespace sorvik
