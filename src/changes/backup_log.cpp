#include "changes/backup_log.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <system_error>

#include "generic/date_names.h"
#include "generic/ini_file.h"
#include "generic/paths.h"
#include "generic/strings.h"

namespace sorvik {

namespace fs = std::filesystem;

namespace {

// The number of the `count` digits at `at`, or -1.
int digitsAt(std::string_view text, size_t at, size_t count) {
  if (at + count > text.size()) return -1;
  int value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

std::optional<std::string> backupTimeText(std::string_view folderName) {
  if (!startsWithText(folderName, "back")) return std::nullopt;
  const std::string_view stamp = folderName.substr(4);
  const int year = digitsAt(stamp, 0, 2), month = digitsAt(stamp, 2, 2);
  const int day = digitsAt(stamp, 4, 2), hour = digitsAt(stamp, 7, 2);
  const int minute = digitsAt(stamp, 9, 2);
  if (year < 0 || hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
  using namespace std::chrono;
  const year_month_day date{std::chrono::year(2000 + year),
                            std::chrono::month(static_cast<unsigned>(std::max(month, 0))),
                            std::chrono::day(static_cast<unsigned>(std::max(day, 0)))};
  if (!date.ok()) return std::nullopt;
  const weekday weekday{sys_days(date)};
  char clock[8];
  std::snprintf(clock, sizeof clock, "%02d:%02d", hour, minute);
  return std::string(kWeekdays[weekday.c_encoding()]) + "," + std::to_string(day) + " " +
         kMonths[month - 1] + " " + std::to_string(2000 + year) + " " + clock;
}

std::string backupSizeText(uintmax_t bytes) {
  return thousands(static_cast<int64_t>(bytes / 1024)) + "K approx.";
}

BackupLog readBackupLog(const std::string& programFolder) {
  BackupLog log;
  const fs::path root = joinPath(programFolder, "backup");
  std::error_code error;
  std::map<std::string, IniFile> logs;  // by folder
  for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
       it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    const fs::path path = it->path();
    log.bytes += it->file_size(error);
    const std::string name = path.filename().string();
    if (sameText(name, "log.ini")) continue;
    const std::optional<std::string> time = backupTimeText(path.parent_path().filename().string());
    if (!time) continue;
    const std::string folder = path.parent_path().string();
    auto found = logs.find(folder);
    if (found == logs.end())
      found = logs.emplace(folder, IniFile((path.parent_path() / "log.ini").string())).first;
    log.entries.push_back({path.string(), found->second.readString("Paths", name, ""), *time});
  }
  std::sort(log.entries.begin(), log.entries.end(),
            [](const BackupEntry& a, const BackupEntry& b) { return a.copy < b.copy; });
  return log;
}

}  // namespace sorvik
