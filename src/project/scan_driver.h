// The walk of a run over the project's files, and the start commands that set its mode.
#pragma once

#include <string>
#include <vector>

namespace sorvik {

class TProject;

enum class StartCommand { Scan, Overview, Search, SpellCheck, SpellCheckExe, Naming, Rename };

// Sets the mode flags of `command` on the project.
void setModeFlags(TProject& project, StartCommand command);
// Runs a whole run with the mode flags as they are set (after a start command).
void Start(TProject& project);
void ScanProject(TProject& project);
void CollectGlobals(TProject& project, std::vector<std::string>& pendingForms);

}  // namespace sorvik
