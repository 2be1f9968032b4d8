// The Project Rewrite ("Start Rewrite"): the chosen steps run one after the other, and the
// optimisation step applies every suggestion of a scan.
#pragma once

#include <string>
#include <vector>

namespace sorvik {

class TProject;

struct RewriteChoices {
  bool optimizations = true;
  bool naming = true;
  bool varCase = true;
};

struct RewriteOutcome {
  bool declined = false;   // the user declined the warning: the project is to be closed
  std::string completion;  // "Project Rewrite complete." with the applied counts
  std::vector<std::string> outputLines;  // the output lines of every run of the rewrite
};

// Runs the rewrite on an open project (at least one step chosen). A suggestion whose lines
// an earlier change of the run altered or removed is not applied, and a file that is a
// symbolic link, or outside the project file's folder tree (unless `Outside` allows it, or
// the user asked says so), is left alone; the completion text says how many suggestions
// were passed over.
RewriteOutcome StartRewrite(TProject& project, const RewriteChoices& choices);

}  // namespace sorvik
