// The command-line front end: every run mode headless, for terminals and CI.
#pragma once

namespace sorvik {

// Exit status: 0 the run completed; 1 --fail-on found a result of that severity; 2 a
// usage error or nothing open; 3 a change was refused.
enum ExitStatus { kExitOk = 0, kExitFailOn = 1, kExitUsage = 2, kExitRefused = 3 };

int runCommandLine(int argc, char** argv);

}  // namespace sorvik
