// The include files of a run, each read and its comments blanked once for all the units
// that include it: a project's units tend to include the same few files, and the walk
// prepares most units twice.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace sorvik {

struct IncludedFile {
  std::vector<std::string> lines;  // comments blanked
  int comments = 0;                // the comments blanked
};

class IncludeFiles {
 public:
  // The file at `path` with its comments blanked, conditional directives kept with
  // `useIfDefs` (the same for every read of a run); null when it cannot be read. Safe to
  // call from any thread.
  std::shared_ptr<const IncludedFile> read(const std::string& path, bool useIfDefs);

 private:
  std::mutex lock_;
  std::unordered_map<std::string, std::shared_ptr<const IncludedFile>> files_;
  size_t bytes_ = 0;  // what the kept files hold
};

}  // namespace sorvik
