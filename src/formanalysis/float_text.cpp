#include "formanalysis/float_text.h"

#include <charconv>
#include <cmath>

namespace sorvik {

namespace {

struct Digits {
  bool negative = false;
  std::string digits;  // significant digits, the first not 0
  int exponent = 0;    // the value is d.ddd x 10^exponent
};

// Written without regard to the locale, which may use another decimal separator.
std::string formatted(long double value, std::chars_format format, int precision) {
  char buffer[128];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  return std::string(buffer, written.ptr);
}

// `count` significant digits of a finite value that is not 0.
Digits significantDigits(long double value, int count) {
  const std::string text = formatted(value, std::chars_format::scientific, count - 1);
  Digits result;
  size_t i = 0;
  if (text[i] == '-') {
    result.negative = true;
    ++i;
  }
  for (; i < text.size() && text[i] != 'e'; ++i)
    if (text[i] != '.') result.digits += text[i];
  if (i < text.size()) {
    const char* exponent = text.data() + i + 1;
    if (*exponent == '+') ++exponent;
    std::from_chars(exponent, text.data() + text.size(), result.exponent);
  }
  return result;
}

std::string nonFinite(long double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string generalFloatText(long double value) {
  if (!std::isfinite(value)) return nonFinite(value);
  if (value == 0) return "0";
  Digits number = significantDigits(value, 15);
  while (number.digits.size() > 1 && number.digits.back() == '0') number.digits.pop_back();
  std::string text = number.negative ? "-" : "";
  const int e = number.exponent;
  const std::string& d = number.digits;
  if (e < -4 || e >= 15) {
    text += d.substr(0, 1);
    if (d.size() > 1) text += "." + d.substr(1);
    return text + "E" + std::to_string(e);
  }
  if (e < 0) return text + "0." + std::string(static_cast<size_t>(-e - 1), '0') + d;
  const size_t whole = static_cast<size_t>(e) + 1;
  if (d.size() <= whole) return text + d + std::string(whole - d.size(), '0');
  return text + d.substr(0, whole) + "." + d.substr(whole);
}

}  // namespace sorvik
