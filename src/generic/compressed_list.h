// Compressed list files: a list of text lines kept as one zlib stream (two-byte header,
// deflate data at level 9, Adler-32 trailer) and nothing else. Uncompressed, every line
// is followed by CR LF; on reading a line ends at CR, LF or CR LF. Dictionaries, the
// user's dictionary and the stored search results all use this one format.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// The lines of the file; empty when it is missing, unreadable or not a valid stream.
std::vector<std::string> LoadCompressedList(const std::string& path);
// The same, telling a missing file from one that is there but cannot be read or is no
// valid stream, so that a caller that must not lose the file's words can say so.
struct CompressedListFile {
  enum class State { Read, Missing, Damaged };
  std::vector<std::string> lines;
  State state = State::Missing;
};
CompressedListFile ReadCompressedListFile(const std::string& path);
// Replaces the file with the lines (through a temporary file, so that a failed write
// leaves the old one intact); false when it could not be written.
bool SaveCompressedList(const std::vector<std::string>& lines, const std::string& path);

// The two halves without the file: the lines held in a file's bytes (empty when they
// are not a valid stream), and the bytes of a file holding the lines.
std::vector<std::string> decodeCompressedList(std::string_view bytes);
// The lines, or none when the bytes are not a valid stream.
std::optional<std::vector<std::string>> tryDecodeCompressedList(std::string_view bytes);
std::string encodeCompressedList(const std::vector<std::string>& lines);

}  // namespace sorvik
