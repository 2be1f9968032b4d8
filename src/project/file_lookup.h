// Existence tests for the many files a project names. Names match without regard to
// case, as on the file systems the projects come from; a name that does not exist as
// written is looked up in a listing of its folder that is made once, so that a project
// naming many files costs one listing per folder instead of one per file.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace sorvik {

class FileLookup {
 public:
  // The regular file `path` ("\" or "/") as it is on disk, or "" when there is none.
  std::string existingFile(std::string_view path);

 private:
  struct Folder {
    std::string onDisk;                                  // "" when the folder is missing
    std::unordered_map<std::string, std::string> files;  // upper-cased name -> name
    std::unordered_set<std::string> names;               // every name as it is
  };
  const Folder& folder(const std::string& path);

  std::unordered_map<std::string, Folder> folders_;  // upper-cased folder path -> listing
};

}  // namespace sorvik
