// The five forms in which the model keeps every processed line, and the parallel lists that
// hold them with the file line each came from.
#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "source/text_store.h"

namespace sorvik {

// Upper case outside string literals (a quote toggles the literal state).
std::string upperOutsideLiterals(std::string_view text);
// Trimmed and compacted: outside literals a run of blanks and tabs goes, except that one
// blank stays between two letters, digits or "_"; literals are copied as they are.
std::string compactLine(std::string_view text);
// Blanks and tabs outside literals removed.
std::string removeBlanks(std::string_view text);
// Splits at `separator` outside string literals: views into `text`.
std::vector<std::string_view> splitOutsideLiterals(std::string_view text, char separator);
// The position in `raw` (0-based) of the character at `compactPos` of compactLine(raw); the
// length of `raw` past its end.
size_t rawPosition(std::string_view raw, size_t compactPos);

// One line in its five forms.
struct ProcessedLine {
  std::string Line, UpperLine, CompactLine, CompactUpperLine, ScanLine;
  int FileLine = 0;
};
ProcessedLine processLine(std::string text, int fileLine);

// One form of every line: read-only texts in the stores of the lists that hold them. The
// handles sit in chunks of a fixed size, so that a large unit's list grows without moving
// what it holds and takes little more room than its lines need.
class LineList {
 public:
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    Iterator() = default;
    Iterator(const LineList* list, size_t i) : list_(list), i_(i) {}
    std::string_view operator*() const { return (*list_)[i_]; }
    Iterator& operator++() {
      ++i_;
      return *this;
    }
    Iterator operator++(int) { return {list_, i_++}; }
    bool operator==(const Iterator&) const = default;

   private:
    const LineList* list_ = nullptr;
    size_t i_ = 0;
  };

  std::string_view operator[](size_t i) const { return at(i).view(); }
  std::string_view back() const { return at(size_ - 1).view(); }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size_}; }
  std::vector<std::string> strings() const { return {begin(), end()}; }

 private:
  friend struct LineForms;
  static constexpr size_t kChunkBits = 14;
  static constexpr size_t kChunk = size_t{1} << kChunkBits;

  const StoredText& at(size_t i) const { return chunks_[i >> kChunkBits][i & (kChunk - 1)]; }
  StoredText& at(size_t i) { return chunks_[i >> kChunkBits][i & (kChunk - 1)]; }
  void push(StoredText text);
  // Makes room in the first chunk for up to `count` texts.
  void reserve(size_t count);
  // Keeps the first `count` texts, or adds empty ones up to `count`.
  void resize(size_t count);
  // Replaces the `count` texts from `first` by those of `with`.
  void replace(size_t first, size_t count, const LineList& with);
  void erase(size_t i);
  size_t bytes() const;

  std::vector<std::vector<StoredText>> chunks_;  // all full but the last
  size_t size_ = 0;
};

// Parallel lists, one entry per processed line: entry i of each describes the same line.
// A line taken from other lists keeps its text where it is: the lists share the store that
// holds it, so that copying lines, as conditional variants and the routine builder do,
// copies no text.
struct LineForms {
  LineList Lines;              // comments blanked
  LineList UpperLines;         // upper case outside literals
  LineList CompactLines;       // trimmed and compacted
  LineList CompactUpperLines;  // upper case, trimmed and compacted
  LineList ScanLines;          // upper case without blanks
  std::vector<int> LineMap;    // the 0-based file line it came from

  LineForms() = default;
  LineForms(LineForms&&) = default;
  LineForms& operator=(LineForms&&) = default;
  LineForms(const LineForms&) = delete;
  LineForms& operator=(const LineForms&) = delete;

  size_t size() const { return LineMap.size(); }
  // Makes room for `count` file lines; the lists grow a chunk at a time.
  void reserve(size_t count);
  // Empties the lists; the line map keeps its room for the lines to come.
  void clear();
  // Keeps the first `count` lines.
  void resize(size_t count);
  // Appends `text` in its five forms.
  void append(std::string_view text, int fileLine);
  // Sets line i to `text`, its other forms made from it; its file line stays.
  void set(size_t i, std::string_view text);
  // Empties the five forms of line i; its file line stays.
  void blank(size_t i);
  // Appends line i of `from`.
  void copyFrom(const LineForms& from, size_t i);
  void push(const ProcessedLine& line);
  ProcessedLine take(size_t i) const;
  // Replaces the `count` lines from `first` by the lines of `with`.
  void replaceRange(size_t first, size_t count, const LineForms& with);
  void erase(size_t i);
  // What the lists and the text they alone hold take up.
  size_t bytes() const;

 private:
  using Views = std::array<StoredText, 5>;  // a line's forms, in the lists' order

  std::array<LineList*, 5> lists();
  std::array<const LineList*, 5> lists() const;
  // Stores the forms of `text`, or the forms given.
  Views store(std::string_view text);
  Views store(std::string_view line, std::string_view upper, std::string_view compact,
              std::string_view compactUpper, std::string_view scan);
  void share(const LineForms& from);
  void pushViews(const Views& views, int fileLine);

  std::shared_ptr<TextStore> store_;                      // what these lists write
  std::vector<std::shared_ptr<const TextStore>> shared_;  // what lines taken from others use
};

}  // namespace sorvik
