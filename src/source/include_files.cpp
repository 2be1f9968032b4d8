#include "source/include_files.h"

#include <optional>
#include <utility>

#include "generic/text_file.h"
#include "source/comment_blanker.h"

namespace sorvik {

namespace {

// Include files are kept while they fit: a unit that includes a file too large to keep reads
// it again, as it would without the store.
constexpr size_t kKeptBytes = size_t{32} << 20;

size_t fileBytes(const IncludedFile& file) {
  size_t bytes = sizeof(IncludedFile);
  for (const std::string& line : file.lines) bytes += sizeof(std::string) + line.capacity();
  return bytes;
}

}  // namespace

std::shared_ptr<const IncludedFile> IncludeFiles::read(const std::string& path, bool useIfDefs) {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    if (const auto found = files_.find(path); found != files_.end()) return found->second;
  }
  std::optional<std::vector<std::string>> lines = readLines(path);
  if (!lines) return nullptr;
  auto file = std::make_shared<IncludedFile>();
  file->lines = std::move(*lines);
  file->comments = BlankPascalComments(file->lines, false, useIfDefs);
  const size_t bytes = fileBytes(*file);
  const std::lock_guard<std::mutex> hold(lock_);
  if (bytes_ + bytes <= kKeptBytes && files_.emplace(path, file).second) bytes_ += bytes;
  return file;
}

}  // namespace sorvik
