#include "project/program_folder.h"

#include <cstdlib>
#include <filesystem>

namespace sorvik {

namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The files a new program folder starts with.
constexpr const char* kSeedFiles[] = {"english.dic", "spellcode.csv"};

}  // namespace

std::string chooseProgramFolder(const std::string& explicitFolder) {
  if (!explicitFolder.empty()) return withSlash(explicitFolder);
  if (auto home = environment("SORVIK_HOME"); !home.empty()) return withSlash(home);
  if (auto xdg = environment("XDG_CONFIG_HOME"); !xdg.empty()) return withSlash(xdg) + "sorvik/";
  if (auto home = environment("HOME"); !home.empty()) return withSlash(home) + ".config/sorvik/";
  return "./sorvik/";
}

std::vector<std::string> shippedDataFolders() {
  if (auto data = environment("SORVIK_DATA_DIR"); !data.empty()) return {withSlash(data)};
  std::vector<std::string> folders;
  for (const char* folder : {SORVIK_BUILD_DATA_DIR, SORVIK_SOURCE_DATA_DIR}) {
    std::error_code error;
    if (fs::is_directory(folder, error)) folders.push_back(withSlash(folder));
  }
  return folders;
}

bool prepareProgramFolder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder, error)) return false;
  const std::vector<std::string> dataFolders = shippedDataFolders();
  for (const char* name : kSeedFiles) {
    const fs::path target = fs::path(folder) / name;
    if (fs::exists(target, error)) continue;
    for (const std::string& data : dataFolders) {
      const fs::path source = fs::path(data) / name;
      if (!fs::exists(source, error)) continue;
      fs::copy_file(source, target, error);
      break;
    }
  }
  return true;
}

}  // namespace sorvik
