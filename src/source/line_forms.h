// The five forms in which the model keeps every processed line, and the parallel lists that
// hold them with the file line each came from.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// Upper case outside string literals (a quote toggles the literal state).
std::string upperOutsideLiterals(std::string_view text);
// Trimmed and compacted: outside literals a run of blanks and tabs goes, except that one
// blank stays between two letters, digits or "_"; literals are copied as they are.
std::string compactLine(std::string_view text);
// Blanks and tabs outside literals removed.
std::string removeBlanks(std::string_view text);
// Splits at `separator` outside string literals.
std::vector<std::string> splitOutsideLiterals(std::string_view text, char separator);
// The position in `raw` (0-based) of the character at `compactPos` of compactLine(raw); the
// length of `raw` past its end.
size_t rawPosition(std::string_view raw, size_t compactPos);

// One line in its five forms.
struct ProcessedLine {
  std::string Line, UpperLine, CompactLine, CompactUpperLine, ScanLine;
  int FileLine = 0;
};
ProcessedLine processLine(std::string text, int fileLine);

// Parallel lists, one entry per processed line: entry i of each describes the same line.
struct LineForms {
  std::vector<std::string> Lines;              // comments blanked
  std::vector<std::string> UpperLines;         // upper case outside literals
  std::vector<std::string> CompactLines;       // trimmed and compacted
  std::vector<std::string> CompactUpperLines;  // upper case, trimmed and compacted
  std::vector<std::string> ScanLines;          // upper case without blanks
  std::vector<int> LineMap;                    // the 0-based file line it came from

  size_t size() const { return Lines.size(); }
  void reserve(size_t count);
  void clear();
  // Appends `text` in its five forms.
  void append(std::string text, int fileLine);
  // Sets line i to `text`, its other forms made from it; its file line stays.
  void set(size_t i, std::string text);
  // Empties the five forms of line i; its file line stays.
  void blank(size_t i);
  // Moves line i of `from` to the end.
  void moveFrom(LineForms& from, size_t i);
  // Copies line i of `from` to the end.
  void copyFrom(const LineForms& from, size_t i);
  void push(ProcessedLine line);
  ProcessedLine take(size_t i);
  // Replaces the `count` lines from `first` by the lines of `with` (moved).
  void replaceRange(size_t first, size_t count, LineForms& with);
  void erase(size_t i);
};

}  // namespace sorvik
