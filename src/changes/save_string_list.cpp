#include "changes/save_string_list.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "project/prompter.h"

namespace sorvik {

bool isReadOnlyFile(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return false;
  // No write permission for anyone is the read-only mark, which binds the superuser too.
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

bool SaveStringList(const TextFile& file, const std::string& path, Prompter& prompter) {
  if (isReadOnlyFile(path)) {
    prompter.showError("The following file cannot be updated as it is set to read only:\r" + path);
    return false;
  }
  errno = 0;
  if (writeTextFile(path, file)) return true;
  const std::string reason = errno != 0 ? std::strerror(errno) : "the file could not be written";
  prompter.showError("An error occurred updating the following file:\r" + path + "\r\r" + reason);
  return false;
}

}  // namespace sorvik
