// The command-line front end: every run mode headless, for terminals and CI.
#pragma once

namespace sorvik {

int runCommandLine(int argc, char** argv);

}  // namespace sorvik
