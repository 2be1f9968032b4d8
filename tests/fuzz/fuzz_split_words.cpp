// Text of any shape splits into words of at least two word characters, none starting or
// ending with a dot or ending with a hyphen, and no longer together than the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "spelling/split_words.h"

namespace {

bool isWordChar(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c >= 192;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  size_t total = 0;
  for (const std::string& word : sorvik::SplitWords(text)) {
    if (word.size() < 2 || word.front() == '.' || word.back() == '.' || word.back() == '-') {
      __builtin_trap();
    }
    for (const char c : word) {
      if (!isWordChar(static_cast<unsigned char>(c))) __builtin_trap();
    }
    total += word.size() + 1;
  }
  if (total > size + 1) __builtin_trap();
  return 0;
}
