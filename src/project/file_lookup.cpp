#include "project/file_lookup.h"

#include <filesystem>

#include "generic/paths.h"
#include "generic/strings.h"

namespace sorvik {

namespace fs = std::filesystem;

std::string FileLookup::existingFile(std::string_view path) {
  const std::string wanted = toInternalPath(path);
  const std::string name = fileNameOf(wanted);
  if (name.empty()) return "";
  const std::string folderPath = folderOf(wanted);
  // A folder already listed answers without asking the system again: the file is there as
  // written when its folder and its name are.
  const auto listed = folders_.find(upperCase(folderPath));
  if (listed == folders_.end()) {
    std::error_code error;
    if (fs::is_regular_file(wanted, error)) return wanted;
  } else if (listed->second.onDisk == folderPath && listed->second.names.contains(name)) {
    return wanted;
  }
  const Folder& listing = listed == folders_.end() ? folder(folderPath) : listed->second;
  const auto found = listing.files.find(upperCase(name));
  return found == listing.files.end() ? "" : joinPath(listing.onDisk, found->second);
}

const FileLookup::Folder& FileLookup::folder(const std::string& path) {
  const auto [slot, added] = folders_.try_emplace(upperCase(path));
  Folder& listing = slot->second;
  if (!added) return listing;
  if (!path.empty()) {
    listing.onDisk = findExistingPath(path);
    if (listing.onDisk.empty()) return listing;
  }
  std::error_code error;
  fs::directory_iterator entries(listing.onDisk.empty() ? fs::path(".") : fs::path(listing.onDisk),
                                 error);
  for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
    std::error_code kindError;
    if (!entries->is_regular_file(kindError)) continue;
    std::string name = entries->path().filename().string();
    listing.names.insert(name);
    // Of names that differ only in case, the first in byte order, whatever the listing's
    // order.
    auto [known, fresh] = listing.files.try_emplace(upperCase(name), name);
    if (!fresh && name < known->second) known->second = std::move(name);
  }
  return listing;
}

}  // namespace sorvik
