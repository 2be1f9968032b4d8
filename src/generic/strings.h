// Single-byte text helpers. Sources are Windows-1252 text held in std::string; case
// mapping uses our own tables so that results never depend on the C locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

char upperChar(char c);
char lowerChar(char c);
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);

// Letter, digit or underscore (ASCII only, as identifiers are).
bool isIdentChar(char c);

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
