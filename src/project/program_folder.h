// The program folder holds config.ini, template.ini, the dictionaries, backups and the
// work folder. It is --config-dir, else $SORVIK_HOME, else $XDG_CONFIG_HOME/sorvik,
// else ~/.config/sorvik; it is created when missing and seeded with the shipped
// defaults, never overwriting a file that is there.
#pragma once

#include <string>
#include <vector>

namespace sorvik {

// The chosen folder, with a trailing "/"; `explicitFolder` is --config-dir or "".
std::string chooseProgramFolder(const std::string& explicitFolder);
// Creates the folder and copies the shipped data files that it lacks, each from the first
// data folder that has it. False when the folder could not be created.
bool prepareProgramFolder(const std::string& folder);
// Where the shipped data files are, in the order they are looked for: $SORVIK_DATA_DIR
// alone when it is set, else the build's data folder (which holds the files made at build
// time) and the source tree's.
std::vector<std::string> shippedDataFolders();

}  // namespace sorvik
