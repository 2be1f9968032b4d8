// The background and text colours of the lines that carry results, one pair per group of
// result kinds, from config.ini [Colors] ("Back0".."Back5", "Fore0".."Fore5").
#pragma once

#include <QColor>
#include <array>
#include <string>

#include "report/result_view.h"

namespace sorvik {

class Config;

struct LineColours {
  std::array<QColor, kColourPairs> back;
  std::array<QColor, kColourPairs> fore;

  // The defaults, each replaced by a key of [Colors] that holds a colour.
  static LineColours fromConfig(const Config& config);
};

// A colour as config.ini holds it: a number (decimal, or hexadecimal after "$" or "0x")
// with red in the low byte, or a colour name ("clRed" or "red"); `fallback` when the text
// is empty or names no colour.
QColor parseColour(const std::string& text, const QColor& fallback);

}  // namespace sorvik
