#include "generic/encoding.h"

#include <cstdint>

namespace sorvik {

namespace {

// Windows-1252 0x80-0x9F; the five unassigned codes keep their C1 control values.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendCodePoint(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Decodes the sequence at `i`; its length, or 0 when the bytes there are not valid UTF-8.
size_t decodeUtf8(std::string_view text, size_t i, uint32_t& code) {
  const auto lead = static_cast<unsigned char>(text[i]);
  size_t length = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::optional<char> windows1252Char(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (uint32_t i = 0; i < 32; ++i)
    if (kHighControls[i] == code) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

bool isValidUtf8(std::string_view text) {
  uint32_t code = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t length = decodeUtf8(text, i, code);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string toUtf8(std::string_view text) {
  if (isValidUtf8(text)) return std::string(text);
  return windows1252ToUtf8(text);
}

std::string windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xA0)
      appendCodePoint(out, kHighControls[byte - 0x80]);
    else
      appendCodePoint(out, byte);
  }
  return out;
}

std::string utf8ToWindows1252(std::string_view text) {
  // A byte that is not valid UTF-8 is read as its Windows-1252 character, which gives
  // the byte back.
  return codePointsToWindows1252(utf8CodePoints(text));
}

std::u32string utf8CodePoints(std::string_view text) {
  std::u32string codes;
  codes.reserve(text.size());
  uint32_t code = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t length = decodeUtf8(text, i, code);
    if (length > 0) {
      codes += static_cast<char32_t>(code);
      i += length;
      continue;
    }
    const auto byte = static_cast<unsigned char>(text[i++]);
    codes += byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
  }
  return codes;
}

std::string codePointsToWindows1252(std::u32string_view codes) {
  std::string out;
  out.reserve(codes.size());
  for (char32_t code : codes) out += windows1252Char(code).value_or('?');
  return out;
}

}  // namespace sorvik
