#include "generic/compressed_list.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <new>
#include <optional>

#include "generic/text_file.h"

namespace sorvik {

namespace {

// The whole stream inflated, or nothing when it is damaged or ends early. Bytes after the
// end of the stream are not looked at. The output grows by doubling, so the work stays
// linear in what comes out.
std::optional<std::string> inflateAll(std::string_view bytes) {
  if (bytes.size() > UINT_MAX) return std::nullopt;
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return std::nullopt;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  std::string out;
  int status = Z_OK;
  try {
    out.resize(std::max<size_t>(bytes.size() * 4, 4096));
    while (status == Z_OK) {
      if (stream.total_out == out.size()) out.resize(out.size() * 2);
      const size_t room = std::min<size_t>(out.size() - stream.total_out, UINT_MAX);
      stream.next_out = reinterpret_cast<Bytef*>(out.data() + stream.total_out);
      stream.avail_out = static_cast<uInt>(room);
      status = inflate(&stream, Z_NO_FLUSH);
    }
  } catch (const std::bad_alloc&) {
    status = Z_MEM_ERROR;
  }
  const size_t size = stream.total_out;
  inflateEnd(&stream);
  // Z_BUF_ERROR here means the input ran out before the stream's end.
  if (status != Z_STREAM_END) return std::nullopt;
  out.resize(size);
  return out;
}

}  // namespace

std::optional<std::vector<std::string>> tryDecodeCompressedList(std::string_view bytes) {
  std::optional<std::string> text = inflateAll(bytes);
  if (!text) return std::nullopt;
  return splitText(*text).lines;
}

std::vector<std::string> decodeCompressedList(std::string_view bytes) {
  return tryDecodeCompressedList(bytes).value_or(std::vector<std::string>());
}

std::string encodeCompressedList(const std::vector<std::string>& lines) {
  std::string text;
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  uLongf packedSize = compressBound(text.size());
  std::string packed(packedSize, '\0');
  // With room for the worst case, running out of memory is the only way to fail.
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                reinterpret_cast<const Bytef*>(text.data()), text.size(),
                Z_BEST_COMPRESSION) != Z_OK) {
    throw std::bad_alloc();
  }
  packed.resize(packedSize);
  return packed;
}

std::vector<std::string> LoadCompressedList(const std::string& path) {
  return ReadCompressedListFile(path).lines;
}

CompressedListFile ReadCompressedListFile(const std::string& path) {
  CompressedListFile file;
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return file;
  file.state = CompressedListFile::State::Damaged;
  std::optional<std::string> bytes = readFileBytes(path);
  if (!bytes) return file;
  std::optional<std::vector<std::string>> lines = tryDecodeCompressedList(*bytes);
  if (!lines) return file;
  file.lines = std::move(*lines);
  file.state = CompressedListFile::State::Read;
  return file;
}

bool SaveCompressedList(const std::vector<std::string>& lines, const std::string& path) {
  return writeFileBytes(path, encodeCompressedList(lines));
}

}  // namespace sorvik
