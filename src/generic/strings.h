// Single-byte text helpers. Sources are Windows-1252 text held in std::string; case
// mapping uses our own tables so that results never depend on the C locale.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

namespace detail {

// Windows-1252 letter pairs: ASCII, the accented letters of the upper half (0xD7 and 0xF7
// are the multiplication and division signs, not letters) and the few letters that sit
// in the 0x80-0x9F block.
struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
};

constexpr CaseTables makeCaseTables() {
  CaseTables t;
  for (int c = 0; c < 256; ++c) {
    t.upper[c] = static_cast<unsigned char>(c);
    t.lower[c] = static_cast<unsigned char>(c);
  }
  auto pair = [&t](int upper, int lower) {
    t.upper[lower] = static_cast<unsigned char>(upper);
    t.lower[upper] = static_cast<unsigned char>(lower);
  };
  for (int c = 'a'; c <= 'z'; ++c) pair(c - 32, c);
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c != 0xF7) pair(c - 32, c);
  }
  pair(0x8A, 0x9A);
  pair(0x8C, 0x9C);
  pair(0x8E, 0x9E);
  pair(0x9F, 0xFF);
  return t;
}

inline constexpr CaseTables kCase = makeCaseTables();

}  // namespace detail

// Inline: the model's preparation calls these for every character it reads.
inline char upperChar(char c) {
  return static_cast<char>(detail::kCase.upper[static_cast<unsigned char>(c)]);
}
inline char lowerChar(char c) {
  return static_cast<char>(detail::kCase.lower[static_cast<unsigned char>(c)]);
}
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);

// Letter, digit or underscore (ASCII only, as identifiers are).
inline bool isIdentChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Trimming removes characters below 33 (blanks, tabs, control characters).
std::string_view trimView(std::string_view text);
std::string trim(std::string_view text);
std::string trimLeft(std::string_view text);
std::string trimRight(std::string_view text);

// Case-insensitive comparison with the tables above: <0, 0, >0.
int compareText(std::string_view a, std::string_view b);
bool sameText(std::string_view a, std::string_view b);
bool startsWith(std::string_view text, std::string_view prefix);
bool endsWith(std::string_view text, std::string_view suffix);
bool startsWithText(std::string_view text, std::string_view prefix);  // ignoring case
bool endsWithText(std::string_view text, std::string_view suffix);    // ignoring case

std::vector<std::string> split(std::string_view text, char separator);
std::string join(const std::vector<std::string>& parts, std::string_view separator);
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);
std::string replaceAllText(std::string_view text, std::string_view from,
                           std::string_view to);  // ignoring case
// The first occurrence of `pattern` in `text` at or after `from`, ignoring case, or npos.
// Reads the text only up to the end of that occurrence.
size_t findText(std::string_view text, std::string_view pattern, size_t from = 0);

// 1234567 -> "1,234,567".
std::string thousands(int64_t n);
// "No files", "1 file", "2 files", "1,234 files".
std::string CountText(int64_t n, std::string_view noun);

// Decimal text to integer; `fallback` when the text is not a whole number.
int toInt(std::string_view text, int fallback);

}  // namespace sorvik
