#include "project/project_entries.h"

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/file_lookup.h"

namespace sorvik {

UniquePathList::UniquePathList(std::vector<std::string>& files) : files_(files) {
  for (const std::string& file : files_) keys_.insert(upperCase(file));
}

bool UniquePathList::contains(std::string_view path) const {
  return keys_.contains(upperCase(path));
}

bool UniquePathList::add(std::string path) {
  if (!keys_.insert(upperCase(path)).second) return false;
  files_.push_back(std::move(path));
  return true;
}

void addSourceWithForms(UniquePathList& list, const std::string& path) {
  if (!list.add(path)) return;
  if (endsWithText(path, ".pas") || endsWithText(path, ".cpp")) {
    const std::string stem = path.substr(0, path.size() - 4);
    list.add(stem + ".dfm");
    list.add(stem + ".nfm");
  }
}

std::string namedFilePath(FileLookup& lookup, const std::string& projectPath,
                          std::string_view name) {
  const std::string internal = toInternalPath(name);
  if (isAbsolutePath(internal) && !lookup.existingFile(internal).empty()) return internal;
  return joinPath(folderOf(projectPath), internal);
}

}  // namespace sorvik
