#include "formanalysis/form_file_reader.h"

#include <exception>
#include <fstream>

#include "formanalysis/binary_form_reader.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/prompter.h"

namespace sorvik {

namespace {

constexpr std::string_view kResourceSignature("\xFF\x0A\x00", 3);

uint32_t littleEndian32(std::string_view bytes) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << (8 * i);
  return value;
}

}  // namespace

bool isBinaryFormBytes(std::string_view bytes) {
  return startsWith(bytes, kResourceSignature) || startsWith(bytes, "TPF0");
}

bool IsBinaryForm(const std::string& path) {
  std::ifstream file(findExistingPath(path), std::ios::binary);
  char head[3];
  return file.read(head, 3) && std::string_view(head, 3) == kResourceSignature;
}

std::vector<std::string> convertBinaryFormFile(std::string_view bytes) {
  if (startsWith(bytes, "TPF0")) return ConvertBinaryForm(bytes);
  // The resource header: type (FF 0A 00, RCDATA), name (an ordinal FF nn nn or text
  // ending in 00), memory flags (2 bytes) and the size of the data that follows.
  size_t position = kResourceSignature.size();
  if (position < bytes.size() && static_cast<uint8_t>(bytes[position]) == 0xFF) {
    position += 3;
  } else {
    const auto end = bytes.find('\0', position);
    if (end == std::string_view::npos) throw FormStreamError("Invalid resource header");
    position = end + 1;
  }
  position += 2;
  if (position > bytes.size() || bytes.size() - position < 4)
    throw FormStreamError("Invalid resource header");
  const uint32_t size = littleEndian32(bytes.substr(position, 4));
  position += 4;
  if (size > bytes.size() - position) throw FormStreamError("Invalid resource header");
  return ConvertBinaryForm(bytes.substr(position, size));
}

FormFileText readFormFileText(const std::string& path) {
  FormFileText text;
  const std::string existing = findExistingPath(path);
  if (existing.empty()) return text;
  try {
    const auto bytes = readFileBytes(existing);
    if (!bytes) throw FormStreamError("The file cannot be read");
    text.lines =
        isBinaryFormBytes(*bytes) ? convertBinaryFormFile(*bytes) : splitText(*bytes).lines;
  } catch (const std::exception&) {
    text.error = "An error occurred converting a form from binary to text\r\rFilename: " + path;
  }
  return text;
}

std::optional<std::vector<std::string>> ReadFormText(const std::string& path, Prompter* prompter) {
  FormFileText text = readFormFileText(path);
  if (!text.error.empty() && prompter) prompter->showError(text.error);
  return std::move(text.lines);
}

}  // namespace sorvik
