// Saving a user's file after a change: refused for a read-only file, written safely
// otherwise, with a message for either failure.
#pragma once

#include <string>

#include "generic/text_file.h"

namespace sorvik {

class Prompter;

// Writes `file` to `path` (its line ends, byte-order mark and final line end as the file
// holds them); false, after the message, when the file is read-only or the write failed,
// which leaves the old file as it was.
bool SaveStringList(const TextFile& file, const std::string& path, Prompter& prompter);
// The file at `path` exists and may not be written.
bool isReadOnlyFile(const std::string& path);

}  // namespace sorvik
