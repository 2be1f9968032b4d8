#include "spelling/spelling_text.h"

#include <algorithm>

#include "generic/encoding.h"

namespace sorvik {

std::string decodeForSpelling(std::string_view text) {
  const bool beyondAscii = std::any_of(
      text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (!beyondAscii || !isValidUtf8(text)) return std::string(text);

  std::string decoded;
  decoded.reserve(text.size());
  size_t pieceStart = 0;
  bool foreign = false;  // the piece holds a character Windows-1252 cannot hold
  const auto endPiece = [&] {
    if (foreign)
      std::fill(decoded.begin() + static_cast<std::ptrdiff_t>(pieceStart), decoded.end(), ' ');
    foreign = false;
  };
  for (const char32_t code : utf8CodePoints(text)) {
    if (code <= U' ') {
      endPiece();
      decoded += static_cast<char>(code);
      pieceStart = decoded.size();
    } else if (const std::optional<char> c = windows1252Char(code)) {
      decoded += *c;
    } else {
      decoded += ' ';
      foreign = true;
    }
  }
  endPiece();
  return decoded;
}

}  // namespace sorvik
