// The memory of a run's web links: each style sheet name is looked for once per run, so
// that a missing sheet linked from many pages is reported at its first link only.
#pragma once

#include <string>
#include <unordered_set>

namespace sorvik {

class TAspxStats {
 public:
  // True when the name was looked for before in this run, or when its file exists: in
  // `pageFolder` (or as an absolute path), else in the folder of `projectPath` (when a
  // project is open). Either way the name counts as looked for from now on.
  bool IsKnownLink(const std::string& name, const std::string& pageFolder,
                   const std::string& projectPath);

 private:
  std::unordered_set<std::string> LinksSeen;  // upper-cased: file names ignore case
};

}  // namespace sorvik
