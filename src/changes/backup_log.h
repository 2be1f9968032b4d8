// What the backup folders hold, for the backup log viewer: every copy with its original
// and the time of its backup, and the space they take.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

struct BackupEntry {
  std::string copy;      // the copy's full path
  std::string original;  // the path log.ini gives for it ("" when it gives none)
  std::string time;      // "Saturday,14 Mar 2026 09:05"
};

struct BackupLog {
  std::vector<BackupEntry> entries;  // by copy path
  uintmax_t bytes = 0;               // every file below the backup folder
};

// The copies below `programFolder`'s "backup" folder, at any depth, but for the logs; a
// copy in a folder whose name gives no time ("back" + yymmdd_hhnn) is left out.
BackupLog readBackupLog(const std::string& programFolder);
// The time a backup folder's name gives, as the viewer shows it; none when it gives none.
std::optional<std::string> backupTimeText(std::string_view folderName);
// "Size of backup:" in kilobytes: "1,234K approx.".
std::string backupSizeText(uintmax_t bytes);

}  // namespace sorvik
