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

// Starts the rename run. With `ticked` (the window) only the ticked suggestions are kept,
// after the checks and the change warning; without it (the Project Rewrite, the command
// line) every suggestion is applied and nothing is asked. False when no run started.
bool ApplyNamingSuggestions(TProject& project, const NamingChoice* ticked);

}  // namespace sorvik
