// "Apply naming suggestions": the chosen component renames and variable-case corrections of
// the last naming run, applied by a rename run over the project.
#pragma once

#include <vector>

namespace sorvik {

class TProject;

// The lines ticked on the naming page: one flag per rename record and per variable
// correction, in the order of the naming lists.
struct NamingChoice {
  std::vector<bool> renames;
  std::vector<bool> variables;
};

// Readies the rename run. With `ticked` (the window, the command line) only the ticked
// suggestions are kept, after the checks and the change warning; without it (the Project
// Rewrite) every suggestion is kept and nothing is asked. Sets the run's modes and makes
// its backup folder; false when the run is not to start.
bool PrepareRenameRun(TProject& project, const NamingChoice* ticked);
// Readies the rename run and runs it; false when it did not start.
bool ApplyNamingSuggestions(TProject& project, const NamingChoice* ticked);

}  // namespace sorvik
