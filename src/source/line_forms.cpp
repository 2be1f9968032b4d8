#include "source/line_forms.h"

#include <iterator>

#include "generic/strings.h"

namespace sorvik {

namespace {

bool isBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

// Calls `keep(i)` for every character of `text` that compaction keeps and `blank(i)` where a
// run of blanks shrinks to one blank (i: the run's first character).
template <class Keep, class Blank>
void compactWalk(std::string_view text, Keep keep, Blank blank) {
  bool inLiteral = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') {
      inLiteral = !inLiteral;
    } else if (!inLiteral && isBlankOrTab(c)) {
      size_t end = i;
      while (end < text.size() && isBlankOrTab(text[end])) ++end;
      if (i > 0 && end < text.size() && isIdentChar(text[i - 1]) && isIdentChar(text[end])) {
        blank(i);
      }
      i = end - 1;
      continue;
    }
    keep(i);
  }
}

template <class Vector>
void replaceItems(Vector& target, size_t first, size_t count, Vector& with) {
  const auto at = target.begin() + static_cast<std::ptrdiff_t>(first);
  if (count == with.size()) {
    std::move(with.begin(), with.end(), at);
    return;
  }
  if (count > with.size()) {
    std::move(with.begin(), with.end(), at);
    target.erase(at + static_cast<std::ptrdiff_t>(with.size()),
                 at + static_cast<std::ptrdiff_t>(count));
    return;
  }
  std::move(with.begin(), with.begin() + static_cast<std::ptrdiff_t>(count), at);
  target.insert(at + static_cast<std::ptrdiff_t>(count),
                std::make_move_iterator(with.begin() + static_cast<std::ptrdiff_t>(count)),
                std::make_move_iterator(with.end()));
}

}  // namespace

std::string upperOutsideLiterals(std::string_view text) {
  std::string out(text);
  bool inLiteral = false;
  for (char& c : out) {
    if (c == '\'')
      inLiteral = !inLiteral;
    else if (!inLiteral)
      c = upperChar(c);
  }
  return out;
}

std::string compactLine(std::string_view text) {
  const std::string_view trimmed = trimView(text);
  std::string out(trimmed.size(), ' ');
  size_t length = 0;
  compactWalk(
      trimmed, [&](size_t i) { out[length++] = trimmed[i]; }, [&](size_t) { out[length++] = ' '; });
  out.resize(length);
  return out;
}

std::string removeBlanks(std::string_view text) {
  std::string out(text.size(), ' ');
  size_t length = 0;
  bool inLiteral = false;
  for (const char c : text) {
    if (c == '\'') inLiteral = !inLiteral;
    if (inLiteral || !isBlankOrTab(c)) out[length++] = c;
  }
  out.resize(length);
  return out;
}

std::vector<std::string> splitOutsideLiterals(std::string_view text, char separator) {
  std::vector<std::string> parts(1);
  bool inLiteral = false;
  for (const char c : text) {
    if (c == '\'') inLiteral = !inLiteral;
    if (c == separator && !inLiteral)
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

size_t rawPosition(std::string_view raw, size_t compactPos) {
  const std::string_view trimmed = trimView(raw);
  const size_t offset = static_cast<size_t>(trimmed.data() - raw.data());
  size_t produced = 0;
  size_t found = raw.size();
  const auto visit = [&](size_t i) {
    if (produced++ == compactPos && found == raw.size()) found = offset + i;
  };
  compactWalk(trimmed, visit, visit);
  return found;
}

void LineForms::reserve(size_t count) {
  Lines.reserve(count);
  UpperLines.reserve(count);
  CompactLines.reserve(count);
  CompactUpperLines.reserve(count);
  ScanLines.reserve(count);
  LineMap.reserve(count);
}

void LineForms::clear() {
  Lines.clear();
  UpperLines.clear();
  CompactLines.clear();
  CompactUpperLines.clear();
  ScanLines.clear();
  LineMap.clear();
}

ProcessedLine processLine(std::string text, int fileLine) {
  // Upper-casing changes no position and no blank, so the compact forms of both texts are
  // the same walk over the same characters.
  ProcessedLine line;
  line.CompactLine = compactLine(text);
  line.CompactUpperLine = upperOutsideLiterals(line.CompactLine);
  line.ScanLine = removeBlanks(line.CompactUpperLine);
  line.UpperLine = upperOutsideLiterals(text);
  line.Line = std::move(text);
  line.FileLine = fileLine;
  return line;
}

void LineForms::append(std::string text, int fileLine) {
  push(processLine(std::move(text), fileLine));
}

void LineForms::set(size_t i, std::string text) {
  ProcessedLine line = processLine(std::move(text), LineMap[i]);
  Lines[i] = std::move(line.Line);
  UpperLines[i] = std::move(line.UpperLine);
  CompactLines[i] = std::move(line.CompactLine);
  CompactUpperLines[i] = std::move(line.CompactUpperLine);
  ScanLines[i] = std::move(line.ScanLine);
}

void LineForms::push(ProcessedLine line) {
  Lines.push_back(std::move(line.Line));
  UpperLines.push_back(std::move(line.UpperLine));
  CompactLines.push_back(std::move(line.CompactLine));
  CompactUpperLines.push_back(std::move(line.CompactUpperLine));
  ScanLines.push_back(std::move(line.ScanLine));
  LineMap.push_back(line.FileLine);
}

ProcessedLine LineForms::take(size_t i) {
  return {std::move(Lines[i]),        std::move(UpperLines[i]),
          std::move(CompactLines[i]), std::move(CompactUpperLines[i]),
          std::move(ScanLines[i]),    LineMap[i]};
}

void LineForms::blank(size_t i) {
  Lines[i].clear();
  UpperLines[i].clear();
  CompactLines[i].clear();
  CompactUpperLines[i].clear();
  ScanLines[i].clear();
}

void LineForms::moveFrom(LineForms& from, size_t i) {
  push(from.take(i));
}

void LineForms::copyFrom(const LineForms& from, size_t i) {
  Lines.push_back(from.Lines[i]);
  UpperLines.push_back(from.UpperLines[i]);
  CompactLines.push_back(from.CompactLines[i]);
  CompactUpperLines.push_back(from.CompactUpperLines[i]);
  ScanLines.push_back(from.ScanLines[i]);
  LineMap.push_back(from.LineMap[i]);
}

void LineForms::replaceRange(size_t first, size_t count, LineForms& with) {
  replaceItems(Lines, first, count, with.Lines);
  replaceItems(UpperLines, first, count, with.UpperLines);
  replaceItems(CompactLines, first, count, with.CompactLines);
  replaceItems(CompactUpperLines, first, count, with.CompactUpperLines);
  replaceItems(ScanLines, first, count, with.ScanLines);
  replaceItems(LineMap, first, count, with.LineMap);
}

void LineForms::erase(size_t i) {
  const auto at = static_cast<std::ptrdiff_t>(i);
  Lines.erase(Lines.begin() + at);
  UpperLines.erase(UpperLines.begin() + at);
  CompactLines.erase(CompactLines.begin() + at);
  CompactUpperLines.erase(CompactUpperLines.begin() + at);
  ScanLines.erase(ScanLines.begin() + at);
  LineMap.erase(LineMap.begin() + at);
}

}  // namespace sorvik
