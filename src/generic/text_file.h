// Reading and writing a user's text files: lines split at CR, LF or CR LF, with the
// file's line-end style, byte-order mark and final line end remembered so that a
// write gives back the same bytes for unchanged lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

enum class LineEnd { CrLf, Lf, Cr };

struct TextFile {
  std::vector<std::string> lines;
  LineEnd lineEnd = LineEnd::CrLf;  // the first line end met; CR LF for new files
  bool bom = false;                 // a UTF-8 byte-order mark was set aside
  bool finalLineEnd = true;         // the last line was ended
  // The end each line was read with, so that a file of mixed line ends keeps them; a line
  // past the list's end is ended with `lineEnd`.
  std::vector<LineEnd> lineEnds;
};

// Splits bytes into a TextFile (a UTF-8 BOM at the start is set aside).
TextFile splitText(std::string_view bytes);
// The bytes of a TextFile.
std::string joinText(const TextFile& file);
struct LineReplacement {
  size_t first = 0;  // 0-based
  size_t count = 0;  // lines replaced; 0 inserts before `first`
  std::vector<std::string> with;
};
// Replaces `count` lines from `first` (0-based) by `with`; the new lines are ended as the
// first line they replace, or the line they come before, was.
void replaceLines(TextFile& file, size_t first, size_t count, std::vector<std::string> with);
// Several replacements in one pass, in the lines of the file as it is: they come in order
// of `first`, none starting inside the lines an earlier one replaces; insertions at a line
// come before a replacement that starts there.
void replaceLines(TextFile& file, std::vector<LineReplacement> replacements);

std::optional<std::string> readFileBytes(const std::string& path);
std::optional<TextFile> readTextFile(const std::string& path);
// Just the lines; an unreadable file gives nullopt.
std::optional<std::vector<std::string>> readLines(const std::string& path);

// Writes through a temporary file beside `path` and a rename; on failure the old file is
// left as it was and false is returned.
bool writeFileBytes(const std::string& path, std::string_view bytes);
bool writeTextFile(const std::string& path, const TextFile& file);

}  // namespace sorvik
