#include "source/line_forms.h"

#include <algorithm>
#include <array>
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

void replaceItems(std::vector<int>& target, size_t first, size_t count,
                  const std::vector<int>& with) {
  const auto at = target.begin() + static_cast<std::ptrdiff_t>(first);
  const auto common = static_cast<std::ptrdiff_t>(std::min(count, with.size()));
  std::copy(with.begin(), with.begin() + common, at);
  if (count > with.size())
    target.erase(at + common, at + static_cast<std::ptrdiff_t>(count));
  else
    target.insert(at + common, with.begin() + common, with.end());
}

void upperInPlace(std::string& text) {
  bool inLiteral = false;
  for (char& c : text) {
    if (c == '\'')
      inLiteral = !inLiteral;
    else if (!inLiteral)
      c = upperChar(c);
  }
}

// Writes the compact form of `text` to `out` (room for all of it); returns its length.
size_t compactInto(std::string_view text, char* out) {
  const std::string_view trimmed = trimView(text);
  size_t length = 0;
  compactWalk(
      trimmed, [&](size_t i) { out[length++] = trimmed[i]; }, [&](size_t) { out[length++] = ' '; });
  return length;
}

// Writes `text` without its blanks and tabs outside literals to `out` (room for all of
// it); returns the length written.
size_t removeBlanksInto(std::string_view text, char* out) {
  size_t length = 0;
  bool inLiteral = false;
  for (const char c : text) {
    if (c == '\'') inLiteral = !inLiteral;
    if (inLiteral || !isBlankOrTab(c)) out[length++] = c;
  }
  return length;
}

}  // namespace

std::string upperOutsideLiterals(std::string_view text) {
  std::string out(text);
  upperInPlace(out);
  return out;
}

std::string compactLine(std::string_view text) {
  std::string out(text.size(), ' ');
  out.resize(compactInto(text, out.data()));
  return out;
}

std::string removeBlanks(std::string_view text) {
  std::string out(text.size(), ' ');
  out.resize(removeBlanksInto(text, out.data()));
  return out;
}

std::vector<std::string_view> splitOutsideLiterals(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  bool inLiteral = false;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') inLiteral = !inLiteral;
    if (c == separator && !inLiteral) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(text.substr(start));
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

void LineList::push(StoredText text) {
  if (chunks_.empty() || chunks_.back().size() == kChunk) {
    // Past the first chunk the list is a large unit's: the next chunk is taken whole.
    chunks_.emplace_back();
    if (chunks_.size() > 1) chunks_.back().reserve(kChunk);
  }
  chunks_.back().push_back(text);
  ++size_;
}

void LineList::reserve(size_t count) {
  if (chunks_.empty()) chunks_.emplace_back();
  chunks_.front().reserve(std::min(count, kChunk));
}

void LineList::resize(size_t count) {
  if (count > size_) {
    while (size_ < count) push({});
    return;
  }
  const size_t chunks = (count + kChunk - 1) >> kChunkBits;
  chunks_.resize(chunks);
  if (chunks > 0) chunks_.back().resize(count - ((chunks - 1) << kChunkBits));
  size_ = count;
}

void LineList::replace(size_t first, size_t count, const LineList& with) {
  if (count == with.size()) {
    for (size_t i = 0; i < count; ++i) at(first + i) = with.at(i);
    return;
  }
  std::vector<StoredText> tail;
  tail.reserve(size_ - first - count);
  for (size_t i = first + count; i < size_; ++i) tail.push_back(at(i));
  resize(first);
  for (size_t i = 0; i < with.size(); ++i) push(with.at(i));
  for (const StoredText text : tail) push(text);
}

void LineList::erase(size_t i) {
  for (size_t next = i + 1; next < size_; ++next) at(next - 1) = at(next);
  resize(size_ - 1);
}

size_t LineList::bytes() const {
  size_t total = chunks_.capacity() * sizeof(std::vector<StoredText>);
  for (const std::vector<StoredText>& chunk : chunks_)
    total += chunk.capacity() * sizeof(StoredText);
  return total;
}

void LineForms::reserve(size_t count) {
  for (LineList* list : lists()) list->reserve(count);
  LineMap.reserve(count);
}

void LineForms::clear() {
  resize(0);
  store_.reset();
  shared_.clear();
}

void LineForms::resize(size_t count) {
  for (LineList* list : lists()) list->resize(count);
  LineMap.resize(count);
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

std::array<LineList*, 5> LineForms::lists() {
  return {&Lines, &UpperLines, &CompactLines, &CompactUpperLines, &ScanLines};
}

std::array<const LineList*, 5> LineForms::lists() const {
  return {&Lines, &UpperLines, &CompactLines, &CompactUpperLines, &ScanLines};
}

void LineForms::share(const LineForms& from) {
  const auto add = [this](const std::shared_ptr<const TextStore>& other) {
    if (!other || other == store_) return;
    if (std::find(shared_.begin(), shared_.end(), other) == shared_.end()) shared_.push_back(other);
  };
  add(from.store_);
  for (const auto& other : from.shared_) add(other);
}

LineForms::Views LineForms::store(std::string_view line, std::string_view upper,
                                  std::string_view compact, std::string_view compactUpper,
                                  std::string_view scan) {
  // A form equal to one already stored is a view of that one: most lines have forms that
  // differ little or not at all.
  if (!store_) store_ = std::make_shared<TextStore>();
  TextStore& text = *store_;
  Views views;
  views[0] = text.add(line);
  views[1] = upper == line ? views[0] : text.add(upper);
  views[2] = compact == line ? views[0] : text.add(compact);
  views[3] = compactUpper == compact ? views[2]
             : compactUpper == upper ? views[1]
                                     : text.add(compactUpper);
  views[4] = scan == compactUpper ? views[3] : text.add(scan);
  return views;
}

LineForms::Views LineForms::store(std::string_view text) {
  // The forms are made in buffers kept for the thread, so that preparing a line allocates
  // nothing once they have grown.
  thread_local std::string upper, compact, compactUpper, scan;
  upper.assign(text);
  upperInPlace(upper);
  compact.resize(text.size());
  compact.resize(compactInto(text, compact.data()));
  compactUpper.assign(compact);
  upperInPlace(compactUpper);
  scan.resize(compactUpper.size());
  scan.resize(removeBlanksInto(compactUpper, scan.data()));
  return store(text, upper, compact, compactUpper, scan);
}

void LineForms::pushViews(const Views& views, int fileLine) {
  for (size_t form = 0; form < views.size(); ++form) lists()[form]->push(views[form]);
  LineMap.push_back(fileLine);
}

void LineForms::append(std::string_view text, int fileLine) {
  pushViews(store(text), fileLine);
}

void LineForms::set(size_t i, std::string_view text) {
  const Views views = store(text);
  for (size_t form = 0; form < views.size(); ++form) lists()[form]->at(i) = views[form];
}

void LineForms::push(const ProcessedLine& line) {
  pushViews(
      store(line.Line, line.UpperLine, line.CompactLine, line.CompactUpperLine, line.ScanLine),
      line.FileLine);
}

ProcessedLine LineForms::take(size_t i) const {
  return {std::string(Lines[i]),        std::string(UpperLines[i]),
          std::string(CompactLines[i]), std::string(CompactUpperLines[i]),
          std::string(ScanLines[i]),    LineMap[i]};
}

void LineForms::blank(size_t i) {
  for (LineList* list : lists()) list->at(i) = {};
}

void LineForms::copyFrom(const LineForms& from, size_t i) {
  share(from);
  Views views;
  for (size_t form = 0; form < views.size(); ++form) views[form] = from.lists()[form]->at(i);
  pushViews(views, from.LineMap[i]);
}

void LineForms::replaceRange(size_t first, size_t count, const LineForms& with) {
  share(with);
  for (size_t form = 0; form < 5; ++form) lists()[form]->replace(first, count, *with.lists()[form]);
  replaceItems(LineMap, first, count, with.LineMap);
}

void LineForms::erase(size_t i) {
  for (LineList* list : lists()) list->erase(i);
  LineMap.erase(LineMap.begin() + static_cast<std::ptrdiff_t>(i));
}

size_t LineForms::bytes() const {
  size_t total = sizeof(LineForms) + LineMap.capacity() * sizeof(int);
  for (const LineList* list : lists()) total += list->bytes();
  return total + (store_ ? store_->bytes() : 0);
}

}  // namespace sorvik
