#include "checks/stored_line.h"

#include <algorithm>

#include "generic/strings.h"

namespace sorvik {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// The end (one past) of the literal that opens at `open`: Pascal literals have no escapes
// (a doubled quote is two literals in a row), C literals escape with a backslash.
size_t literalStop(std::string_view line, size_t open, bool cStyle) {
  const char quote = line[open];
  for (size_t i = open + 1; i < line.size(); ++i) {
    if (cStyle && line[i] == '\\') {
      ++i;
    } else if (line[i] == quote) {
      return i + 1;
    }
  }
  return line.size();
}

// The end (one past) of the text closed by `close` after `from`; the line's end when the
// text is not closed on the line.
size_t closedBy(std::string_view line, size_t from, std::string_view close) {
  const size_t at = line.find(close, from);
  return at == std::string_view::npos ? line.size() : at + close.size();
}

}  // namespace

std::vector<CharRole> CharRoles(std::string_view line, bool cStyle) {
  std::vector<CharRole> roles(line.size(), CharRole::Code);
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    const char next = i + 1 < line.size() ? line[i + 1] : '\0';
    CharRole role = CharRole::Comment;
    size_t end;
    if (c == '\'' || (cStyle && c == '"')) {
      role = CharRole::Literal;
      end = literalStop(line, i, cStyle);
    } else if (c == '/' && next == '/') {
      end = line.size();
    } else if (cStyle && c == '/' && next == '*') {
      end = closedBy(line, i + 2, "*/");
    } else if (!cStyle && c == '{') {
      end = closedBy(line, i + 1, "}");
    } else if (!cStyle && c == '(' && next == '*') {
      end = closedBy(line, i + 2, "*)");
    } else {
      ++i;
      continue;
    }
    std::fill(roles.begin() + static_cast<std::ptrdiff_t>(i),
              roles.begin() + static_cast<std::ptrdiff_t>(end), role);
    i = end;
  }
  return roles;
}

std::optional<StoredLine> StoredLine::read(std::string stored, std::string_view processed,
                                           bool cStyle) {
  StoredLine line;
  line.roles_ = CharRoles(stored, cStyle);
  line.code_ = stored;
  for (size_t j = 0; j < stored.size(); ++j)
    if (line.isComment(j)) line.code_[j] = ' ';
  line.stored_ = std::move(stored);
  // The first code read here must be code in the processed text too.
  for (size_t j = 0; j < line.stored_.size(); ++j) {
    if (!line.isCode(j)) continue;
    if (j >= processed.size() || isBlank(processed[j])) return std::nullopt;
    break;
  }
  return line;
}

bool StoredLine::isCode(size_t i) const {
  return roles_[i] == CharRole::Literal || (roles_[i] == CharRole::Code && !isBlank(stored_[i]));
}

std::optional<std::string> StoredLine::carry(std::string_view edited) const {
  const std::string_view before = code_;
  if (edited == before) return stored_;
  // The changed part: what lies between the longest common start and end, widened to
  // whole words so that the stored line's words are never cut.
  size_t head = 0;
  const size_t shorter = std::min(before.size(), edited.size());
  while (head < shorter && before[head] == edited[head]) ++head;
  size_t tail = 0;
  while (tail < shorter - head &&
         before[before.size() - 1 - tail] == edited[edited.size() - 1 - tail])
    ++tail;
  const auto identAt = [](std::string_view text, size_t i) {
    return i < text.size() && isIdentChar(text[i]);
  };
  if (head > 0 && isIdentChar(before[head - 1]) && (identAt(before, head) || identAt(edited, head)))
    while (head > 0 && isIdentChar(before[head - 1])) --head;
  if (tail > 0 && isIdentChar(before[before.size() - tail]) &&
      (identAt(before, before.size() - tail - 1) || identAt(edited, edited.size() - tail - 1)))
    while (tail > 0 && isIdentChar(before[before.size() - tail])) --tail;
  const std::string_view inserted = edited.substr(head, edited.size() - tail - head);
  size_t first = head, last = before.size() - tail;
  // Comments at the edges of the changed part stay where they are, with the blanks between
  // them and the code.
  const auto commentIn = [this](size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
      if (isComment(i)) return true;
    return false;
  };
  size_t code = first;
  while (code < last && !isCode(code)) ++code;
  if (code == last) {
    // Nothing but blanks and comments is replaced: the text goes in beside them, never
    // inside a comment.
    if (commentIn(first, last)) return std::nullopt;
    if (first > 0 && first < stored_.size() && isComment(first - 1) && isComment(first))
      return std::nullopt;
  } else {
    if (commentIn(first, code)) first = code;
    size_t end = last;
    while (!isCode(end - 1)) --end;
    if (commentIn(end, last)) last = end;
    if (commentIn(first, last)) return std::nullopt;
  }
  return stored_.substr(0, first) + std::string(inserted) + stored_.substr(last);
}

bool StoredLine::hasComments() const {
  return std::find(roles_.begin(), roles_.end(), CharRole::Comment) != roles_.end();
}

std::optional<std::string> StoredLine::trailingComments() const {
  size_t end = stored_.size();
  while (end > 0 && !isCode(end - 1)) --end;
  for (size_t j = 0; j < end; ++j)
    if (isComment(j)) return std::nullopt;
  if (!hasComments()) return std::string();
  return stored_.substr(end);
}

}  // namespace sorvik
