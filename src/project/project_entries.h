// What the project-file readers share: a file list that keeps each path once, the form
// candidates of a source, and where a name written in a project file points.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace sorvik {

class FileLookup;

// Appends to a list of paths, keeping each path once compared without regard to case.
class UniquePathList {
 public:
  explicit UniquePathList(std::vector<std::string>& files);
  bool contains(std::string_view path) const;
  // False when the path was already there.
  bool add(std::string path);

 private:
  std::vector<std::string>& files_;
  std::unordered_set<std::string> keys_;  // upper-cased paths
};

// Appends `path` unless present; a ".pas" or ".cpp" source brings its ".dfm" and ".nfm"
// candidates, which ClassifyFiles drops when they do not exist.
void addSourceWithForms(UniquePathList& list, const std::string& path);

// The file a project names: `name` ("\" or "/") itself when it is an absolute path of an
// existing file, otherwise `name` in the folder of `projectPath`.
std::string namedFilePath(FileLookup& lookup, const std::string& projectPath,
                          std::string_view name);

}  // namespace sorvik
