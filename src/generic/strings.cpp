#include "generic/strings.h"

#include <array>
#include <climits>

namespace sorvik {

namespace {

unsigned char upperByte(char c) {
  return static_cast<unsigned char>(upperChar(c));
}

bool isBlank(char c) {
  return static_cast<unsigned char>(c) < 33;
}

// Replaces every occurrence of `from` found in `haystack` (which has the same length and
// byte positions as `text`) and copies the rest from `text`.
std::string replaceFound(std::string_view text, std::string_view haystack, std::string_view from,
                         std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  for (size_t at = haystack.find(from); at != std::string_view::npos;
       at = haystack.find(from, start)) {
    out.append(text.substr(start, at - start));
    out.append(to);
    start = at + from.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace

std::string upperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = upperChar(c);
  return out;
}

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lowerChar(c);
  return out;
}

std::string_view trimView(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string trim(std::string_view text) {
  return std::string(trimView(text));
}

std::string trimLeft(std::string_view text) {
  size_t begin = 0;
  while (begin < text.size() && isBlank(text[begin])) ++begin;
  return std::string(text.substr(begin));
}

std::string trimRight(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && isBlank(text[end - 1])) --end;
  return std::string(text.substr(0, end));
}

int compareText(std::string_view a, std::string_view b) {
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    const int diff = upperByte(a[i]) - upperByte(b[i]);
    if (diff != 0) return diff;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool sameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && compareText(a, b) == 0;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool startsWithText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && sameText(text.substr(0, prefix.size()), prefix);
}

bool endsWithText(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && sameText(text.substr(text.size() - suffix.size()), suffix);
}

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, start)) {
    parts.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

std::string join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out.append(separator);
    out.append(parts[i]);
  }
  return out;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
  return replaceFound(text, text, from, to);
}

std::string replaceAllText(std::string_view text, std::string_view from, std::string_view to) {
  // Case mapping keeps every byte in its place, so positions found in the upper-cased
  // text are positions in the original.
  return replaceFound(text, upperCase(text), upperCase(from), to);
}

size_t findText(std::string_view text, std::string_view pattern, size_t from) {
  if (from > text.size()) return std::string_view::npos;
  if (pattern.empty()) return from;
  // Knuth-Morris-Pratt over the lower-cased bytes, so that a long text is read once.
  std::vector<size_t> border(pattern.size(), 0);
  for (size_t i = 1, k = 0; i < pattern.size(); ++i) {
    while (k > 0 && lowerChar(pattern[i]) != lowerChar(pattern[k])) k = border[k - 1];
    if (lowerChar(pattern[i]) == lowerChar(pattern[k])) ++k;
    border[i] = k;
  }
  for (size_t i = from, k = 0; i < text.size(); ++i) {
    const char c = lowerChar(text[i]);
    while (k > 0 && c != lowerChar(pattern[k])) k = border[k - 1];
    if (c == lowerChar(pattern[k])) ++k;
    if (k == pattern.size()) return i + 1 - k;
  }
  return std::string_view::npos;
}

std::string thousands(int64_t n) {
  // The magnitude as unsigned, so that the most negative value has one too.
  uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
  std::string digits;
  int inGroup = 0;
  do {
    if (inGroup == 3) {
      digits.push_back(',');
      inGroup = 0;
    }
    digits.push_back(static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
    ++inGroup;
  } while (magnitude > 0);
  if (n < 0) digits.push_back('-');
  return std::string(digits.rbegin(), digits.rend());
}

std::string CountText(int64_t n, std::string_view noun) {
  if (n == 0) return "No " + std::string(noun) + "s";
  if (n == 1) return "1 " + std::string(noun);
  return thousands(n) + " " + std::string(noun) + "s";
}

int toInt(std::string_view text, int fallback) {
  std::string_view digits = trimView(text);
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  if (digits.empty()) return fallback;
  // Accumulated as a non-negative magnitude up to |INT_MIN|, which has no positive twin.
  const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
  int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return fallback;
    value = value * 10 + (c - '0');
    if (value > limit) return fallback;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace sorvik
