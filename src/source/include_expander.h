// Expanding "{$I name}" and "{$INCLUDE name}" lines into the lines of the named file.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace sorvik {

class TProject;

struct IncludeLookup {
  TProject& project;
  std::unordered_set<std::string>& missing;          // names already looked for in vain
  std::unordered_set<std::string>& reportedMissing;  // error lines already written
};

// Replaces every include directive line of `lines` (in order, nested includes too) by the
// included file's lines, comments blanked; `lineMap` gives each of them the directive's
// file line. A file that includes itself, directly or through others, is not expanded again.
void expandIncludes(std::vector<std::string>& lines, std::vector<int>& lineMap,
                    IncludeLookup& lookup);

}  // namespace sorvik
