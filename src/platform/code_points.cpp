#include "platform/code_points.h"

#include "generic/encoding.h"

namespace sorvik {

namespace {

constexpr char32_t kFirstBeyond16Bits = 0x10000;

bool isHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::u32string codePointsOfText(std::string_view text) {
  return utf8CodePoints(toUtf8(text));
}

std::u16string utf16OfCodePoints(std::u32string_view codes) {
  std::u16string units;
  units.reserve(codes.size());
  for (char32_t code : codes) {
    if (code < kFirstBeyond16Bits) {
      units += static_cast<char16_t>(code);
      continue;
    }
    units += static_cast<char16_t>(0xD800 + ((code - kFirstBeyond16Bits) >> 10));
    units += static_cast<char16_t>(0xDC00 + ((code - kFirstBeyond16Bits) & 0x3FF));
  }
  return units;
}

std::u32string codePointsOfUtf16(std::u16string_view units) {
  std::u32string codes;
  codes.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t code = units[i];
    if (isHighSurrogate(code) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
      code = kFirstBeyond16Bits + ((code - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    }
    codes += code;
  }
  return codes;
}

}  // namespace sorvik
