#include "changes/backups.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "generic/ini_file.h"
#include "generic/paths.h"
#include "project/project.h"
#include "project/prompter.h"

namespace sorvik {

namespace fs = std::filesystem;

namespace {

// Runs that change no file make no backups.
bool changesFiles(const TProject& project) {
  return !project.SpellMode && !project.ExeMode && !project.OverviewMode && !project.SearchMode &&
         (!project.NamingMode || project.RenameMode);
}

bool exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

// `name` with "_" + n before its extension.
std::string numberedName(const std::string& name, int n) {
  const std::string extension = extensionOf(name);
  return name.substr(0, name.size() - extension.size()) + "_" + std::to_string(n) + extension;
}

}  // namespace

std::string freeBackupFolder(const std::string& programFolder, std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%02d%02d%02d_%02d%02d", local.tm_year % 100, local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min);
  const std::string base = joinPath(programFolder, std::string("backup/back") + stamp);
  if (!exists(base)) return base;
  for (int n = 2; n <= 98; ++n) {
    std::string folder = base + "_" + std::to_string(n);
    if (!exists(folder)) return folder;
  }
  return base + "_99";
}

bool PrepareBackupFolder(TProject& project) {
  project.BackupFolder.clear();
  return !changesFiles(project) || MakeBackupFolder(project);
}

bool MakeBackupFolder(TProject& project) {
  project.BackupFolder.clear();
  AppContext& context = project.context();
  if (!context.config.readBool("General", "MakeBackups", true)) return true;
  const std::string folder = freeBackupFolder(context.programFolder, std::time(nullptr));
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder, error)) {
    return context.prompter->askYesNo("There was a problem creating a backup folder.\r\r" + folder +
                                      "\r\r" + "Do you wish to continue without making backups ?");
  }
  project.BackupFolder = folder;
  return true;
}

bool BackupFile(TProject& project, const std::string& path) {
  const std::string& folder = project.BackupFolder;
  std::error_code error;
  if (folder.empty() || !fs::is_directory(folder, error)) return true;
  IniFile log(joinPath(folder, "log.ini"));
  // A name that a copy of another file already has gets a number, so that each copy's log
  // entry names its own original.
  const std::string name = fileNameOf(path);
  std::string copy = name;
  for (int n = 2; log.valueExists("Paths", copy) || exists(joinPath(folder, copy)); ++n) {
    if (log.readString("Paths", copy, "") == path) return true;
    copy = numberedName(name, n);
  }
  log.writeString("Paths", copy, path);
  return log.save() && fs::copy_file(path, joinPath(folder, copy), error) && !error;
}

}  // namespace sorvik
