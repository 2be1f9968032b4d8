// sorvik's own project file (".svk"): [Files] File0, File1, ... each a full path.
#include "generic/ini_file.h"
#include "generic/paths.h"
#include "project/file_lookup.h"
#include "project/project_files.h"

namespace sorvik {

namespace {

constexpr const char* kSection = "Files";

std::string fileKey(size_t n) {
  return "File" + std::to_string(n);
}

}  // namespace

bool ReadOwnProject(const std::string& path, std::vector<std::string>& files) {
  const std::string onDisk = FileLookup().existingFile(path);
  if (onDisk.empty()) return false;
  const IniFile ini(onDisk);
  // The numbering ends at the first missing or empty key.
  for (size_t n = 0;; ++n) {
    const std::string entry = ini.readString(kSection, fileKey(n), "");
    if (entry.empty()) break;
    files.push_back(toInternalPath(entry));
  }
  return true;
}

bool WriteOwnProject(const std::string& path, const std::vector<std::string>& files) {
  const std::string onDisk = findExistingPath(path);
  IniFile ini(onDisk.empty() ? path : onDisk);
  ini.eraseSection(kSection);
  for (size_t n = 0; n < files.size(); ++n) ini.writeString(kSection, fileKey(n), files[n]);
  return ini.save();
}

}  // namespace sorvik
