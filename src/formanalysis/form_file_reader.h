// The binary-or-text form reader: the form text of a form file, whether the file holds
// the text itself or the binary form stream.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class Prompter;

// The file begins with the bytes FF 0A 00: a binary form file (a 16-bit resource of the
// form stream).
bool IsBinaryForm(const std::string& path);
// The bytes hold a binary form stream, with or without its resource header.
bool isBinaryFormBytes(std::string_view bytes);
// The form text of a binary form file's bytes, its resource header skipped when present
// ("TPF0" may also open the file itself); throws FormStreamError.
std::vector<std::string> convertBinaryFormFile(std::string_view bytes);
// The form text of a form file: converted when binary, else its lines as they are. None
// for a missing file; a binary file that cannot be converted gives none and the message
// for the user.
struct FormFileText {
  std::optional<std::vector<std::string>> lines;
  std::string error;
};
FormFileText readFormFileText(const std::string& path);
// The same, the message shown through `prompter` (when given).
std::optional<std::vector<std::string>> ReadFormText(const std::string& path, Prompter* prompter);

}  // namespace sorvik
