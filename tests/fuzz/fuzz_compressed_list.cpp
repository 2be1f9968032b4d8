// Bytes of any shape decode to a list or to nothing, without a crash or a hang; and any
// lines, written as a compressed list, read back as the same lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "generic/compressed_list.h"
#include "generic/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const std::string& line : sorvik::decodeCompressedList(bytes)) {
    if (line.find_first_of("\r\n") != std::string::npos) __builtin_trap();
  }
  // The lines of the bytes read as text. Reading sets a UTF-8 byte-order mark at the start
  // aside, so a first line that starts with a second one cannot come back as it was.
  const std::vector<std::string> lines = sorvik::splitText(bytes).lines;
  if (!lines.empty() && lines[0].starts_with("\xEF\xBB\xBF")) return 0;
  if (sorvik::decodeCompressedList(sorvik::encodeCompressedList(lines)) != lines) __builtin_trap();
  return 0;
}
