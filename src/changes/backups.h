// The backup folder that a change run makes before it changes a file, and its log: every
// file changed is copied there once, and `log.ini` says where each copy came from.
#pragma once

#include <ctime>
#include <string>

namespace sorvik {

class TProject;

// Makes a new backup folder for the change run about to start (when the run changes files
// and backups are wanted) and sets `BackupFolder`; false only when it cannot be made and the
// user declines to go on without backups.
bool PrepareBackupFolder(TProject& project);
// The same for a change run that no mode flag names (the comment builder): the folder is
// made whatever the last run was.
bool MakeBackupFolder(TProject& project);
// Copies `path` into the backup folder and logs it; the first copy of a file in a folder
// stays. True when the file is backed up or no backups are made; false when the copy
// failed.
bool BackupFile(TProject& project, const std::string& path);
// The backup folder for a run begun at `when` (local time) below `programFolder`:
// "backup/back" + yymmdd_hhnn, with "_2" ... "_98" for the first that does not exist yet,
// else "_99".
std::string freeBackupFolder(const std::string& programFolder, std::time_t when);

}  // namespace sorvik
