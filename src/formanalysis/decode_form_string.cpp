#include "formanalysis/decode_form_string.h"

#include "generic/strings.h"

namespace sorvik {

std::string DecodeFormString(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  // The outer quotes are gone, so the flag is the inverse of the quoting as written.
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '#') {
      if (!quoted) {
        size_t digits = 3;
        int code = toInt(text.substr(i + 1, digits), -1);
        if (code < 0 || i + 1 + digits > text.size()) {
          digits = 2;
          code = toInt(text.substr(i + 1, digits), -1);
        }
        if (code >= 0 && i + 1 + digits <= text.size()) {
          decoded += static_cast<char>(code);
          i += digits;
          continue;
        }
      }
      decoded += '#';
    } else if (c == '\'') {
      quoted = !quoted;
    } else if (c != '+' || quoted) {
      decoded += c;
    }
  }
  return decoded;
}

}  // namespace sorvik
