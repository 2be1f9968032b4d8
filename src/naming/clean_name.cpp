#include "naming/clean_name.h"

#include <algorithm>

namespace sorvik {

namespace {

constexpr char kWordMark = '\x01';
constexpr size_t kLengthLimit = 30;
constexpr size_t kMaximumLength = 250;

bool isAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool keeps(char c) {
  return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::string CleanName(std::string_view text, int wordLimit) {
  const size_t start =
      static_cast<size_t>(std::find_if(text.begin(), text.end(), isAsciiLetter) - text.begin());
  if (start == text.size()) return {};
  // The first letter, then the rest with blanks as word marks (a run of them one mark).
  std::string marked(1, text[start]);
  int marks = 0;
  for (const char c : text.substr(start + 1)) {
    if (c == ' ') {
      if (marked.back() != kWordMark) {
        marked += kWordMark;
        ++marks;
      }
    } else if (keeps(c)) {
      marked += c;
    }
  }
  if (marked.size() > kLengthLimit && marks > wordLimit) {
    size_t at = 0;
    for (int seen = 0; seen < wordLimit; ++seen) at = marked.find(kWordMark, at + 1);
    marked.resize(at);
  }
  std::string name;
  bool capital = false;
  for (const char c : marked) {
    if (c == kWordMark) {
      capital = true;
      continue;
    }
    name += capital && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    capital = false;
  }
  if (name.size() > kMaximumLength) name.resize(kMaximumLength);
  return name;
}

}  // namespace sorvik
