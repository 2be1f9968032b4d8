#include "generic/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <new>
#include <random>

namespace sorvik {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view lineEndText(LineEnd end) {
  switch (end) {
    case LineEnd::Lf:
      return "\n";
    case LineEnd::Cr:
      return "\r";
    case LineEnd::CrLf:
      break;
  }
  return "\r\n";
}

// Closes the descriptor when it goes out of scope.
class FileHandle {
 public:
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now, reporting whether the close (and so the last write-back) succeeded.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// A new, empty file in the folder of `target` under a name nobody else uses (short, so
// that a long target name cannot make it too long); `tempPath` receives its name. The
// file is created with the process's default permissions.
FileHandle createTemporaryBeside(const std::filesystem::path& target, std::string& tempPath) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, ".~%08x.tmp", static_cast<unsigned>(random()));
    tempPath = (target.parent_path() / name).string();
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return FileHandle(fd);
  }
  return FileHandle(-1);
}

// Fills the temporary file completely and makes it durable; false on any failure.
bool fillTemporary(FileHandle& file, std::string_view bytes, const struct stat* oldStatus) {
  if (oldStatus != nullptr && ::fchmod(file.get(), oldStatus->st_mode & 07777) != 0) return false;
  return writeAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.close();
}

// Makes the rename itself durable. A failure here changes nothing that can be undone:
// the new file is already in place.
void syncFolderOf(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

}  // namespace

TextFile splitText(std::string_view bytes) {
  TextFile file;
  if (bytes.substr(0, kBom.size()) == kBom) {
    file.bom = true;
    bytes.remove_prefix(kBom.size());
  }
  bool endSeen = false;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    file.lines.emplace_back(bytes.substr(start, i - start));
    LineEnd end = c == '\n' ? LineEnd::Lf : LineEnd::Cr;
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      end = LineEnd::CrLf;
      ++i;
    }
    if (!endSeen) {
      file.lineEnd = end;
      endSeen = true;
    }
    file.lineEnds.push_back(end);
    start = i + 1;
  }
  file.finalLineEnd = start == bytes.size();
  if (!file.finalLineEnd) file.lines.emplace_back(bytes.substr(start));
  return file;
}

std::string joinText(const TextFile& file) {
  const auto endOf = [&file](size_t i) {
    return lineEndText(i < file.lineEnds.size() ? file.lineEnds[i] : file.lineEnd);
  };
  size_t size = file.bom ? kBom.size() : 0;
  for (const std::string& line : file.lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  if (file.bom) out.append(kBom);
  for (size_t i = 0; i < file.lines.size(); ++i) {
    if (i > 0) out.append(endOf(i - 1));
    out.append(file.lines[i]);
  }
  if (file.finalLineEnd && !file.lines.empty()) out.append(endOf(file.lines.size() - 1));
  return out;
}

void replaceLines(TextFile& file, size_t first, size_t count, std::vector<std::string> with) {
  std::vector<LineReplacement> one;
  one.push_back({first, count, std::move(with)});
  replaceLines(file, std::move(one));
}

void replaceLines(TextFile& file, std::vector<LineReplacement> replacements) {
  const size_t size = file.lines.size();
  // Every line gets its own end first, so that the ends move with their lines.
  file.lineEnds.resize(size, file.lineEnd);
  std::vector<std::string> lines;
  std::vector<LineEnd> ends;
  lines.reserve(size);
  ends.reserve(size);
  size_t next = 0;  // the first line of the file not yet copied or replaced
  for (LineReplacement& replacement : replacements) {
    const size_t first = std::clamp(replacement.first, next, size);
    for (; next < first; ++next) {
      lines.push_back(std::move(file.lines[next]));
      ends.push_back(file.lineEnds[next]);
    }
    const LineEnd end = first < size ? file.lineEnds[first]
                        : first > 0  ? file.lineEnds[first - 1]
                                     : file.lineEnd;
    ends.insert(ends.end(), replacement.with.size(), end);
    std::move(replacement.with.begin(), replacement.with.end(), std::back_inserter(lines));
    next = first + std::min(replacement.count, size - first);
  }
  for (; next < size; ++next) {
    lines.push_back(std::move(file.lines[next]));
    ends.push_back(file.lineEnds[next]);
  }
  file.lines = std::move(lines);
  file.lineEnds = std::move(ends);
}

std::optional<std::string> readFileBytes(const std::string& path) {
  FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat status {};
  // Only regular files: a folder fails to read, and a pipe or device could block forever.
  if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return std::nullopt;
  }
  std::string bytes;
  size_t filled = 0;
  try {
    bytes.resize(static_cast<size_t>(status.st_size));
    while (true) {
      // The file may have grown since fstat: keep reading into more room until its end.
      if (filled == bytes.size()) bytes.resize(bytes.size() + 65536);
      const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
      if (got < 0) {
        if (errno == EINTR) continue;
        return std::nullopt;
      }
      if (got == 0) break;
      filled += static_cast<size_t>(got);
    }
  } catch (const std::bad_alloc&) {
    // A file larger than the memory at hand is as unreadable as a missing one.
    return std::nullopt;
  }
  bytes.resize(filled);
  return bytes;
}

std::optional<TextFile> readTextFile(const std::string& path) {
  std::optional<std::string> bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return splitText(*bytes);
}

std::optional<std::vector<std::string>> readLines(const std::string& path) {
  std::optional<TextFile> file = readTextFile(path);
  if (!file) return std::nullopt;
  return std::move(file->lines);
}

bool writeFileBytes(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code error;
  // Through a link the file it points at is replaced, so that the link stays a link.
  fs::path target = path;
  if (fs::is_symlink(target, error)) {
    fs::path resolved = fs::canonical(target, error);
    if (!error) target = resolved;
  }
  struct stat oldStatus {};
  const bool replacing = ::stat(target.c_str(), &oldStatus) == 0;
  if (replacing && !S_ISREG(oldStatus.st_mode)) return false;

  std::string tempPath;
  FileHandle temp = createTemporaryBeside(target, tempPath);
  if (!temp.valid()) return false;
  if (!fillTemporary(temp, bytes, replacing ? &oldStatus : nullptr) ||
      ::rename(tempPath.c_str(), target.c_str()) != 0) {
    ::unlink(tempPath.c_str());
    return false;
  }
  syncFolderOf(target);
  return true;
}

bool writeTextFile(const std::string& path, const TextFile& file) {
  return writeFileBytes(path, joinText(file));
}

}  // namespace sorvik
