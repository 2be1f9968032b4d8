#include "forms/line_colours.h"

#include <optional>

#include "generic/strings.h"
#include "project/config.h"

namespace sorvik {

namespace {

// 0xBBGGRR, the order in which config.ini stores colours.
QColor fromBgr(unsigned value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

struct DefaultPair {
  unsigned back;
  unsigned fore;
};
constexpr DefaultPair kDefaults[kColourPairs] = {
    {0x008000, 0xFFFFFF},  // hints
    {0x0000FF, 0xFFFFFF},  // warnings
    {0x00FFFF, 0x000000},  // applied results
    {0x008000, 0xFFFFFF},  // naming
    {0x808000, 0xFFFFFF},  // spelling
    {0x008000, 0xFFFFFF},  // search hits
};

std::optional<unsigned> colourNumber(const std::string& text) {
  std::string digits = text;
  int base = 10;
  if (startsWith(digits, "$")) {
    digits.erase(0, 1);
    base = 16;
  } else if (startsWithText(digits, "0x")) {
    digits.erase(0, 2);
    base = 16;
  }
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  unsigned value = 0;
  for (char c : digits) {
    const char upper = upperChar(c);
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (base == 16 && upper >= 'A' && upper <= 'F') digit = upper - 'A' + 10;
    if (digit < 0) return std::nullopt;
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
  }
  // System colours (the high byte set) have no fixed value here.
  if (value > 0xFFFFFF) return std::nullopt;
  return value;
}

}  // namespace

QColor parseColour(const std::string& text, const QColor& fallback) {
  const std::string value = trim(text);
  if (value.empty()) return fallback;
  if (const auto number = colourNumber(value)) return fromBgr(*number);
  const std::string name = startsWithText(value, "cl") ? value.substr(2) : value;
  const QString qtName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  return QColor::isValidColor(qtName) ? QColor(qtName) : fallback;
}

LineColours LineColours::fromConfig(const Config& config) {
  LineColours colours;
  for (int pair = 0; pair < kColourPairs; ++pair) {
    const std::string number = std::to_string(pair);
    colours.back[pair] =
        parseColour(config.readString("Colors", "Back" + number), fromBgr(kDefaults[pair].back));
    colours.fore[pair] =
        parseColour(config.readString("Colors", "Fore" + number), fromBgr(kDefaults[pair].fore));
  }
  return colours;
}

}  // namespace sorvik
