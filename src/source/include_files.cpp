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

}  // namespace

IncludedFile::IncludedFile(const std::vector<std::string>& lines, int comments)
    : comments_(comments) {
  size_t length = 0;
  for (const std::string& line : lines) length += line.size();
  text_.reserve(length);
  starts_.reserve(lines.size() + 1);
  for (const std::string& line : lines) {
    starts_.push_back(text_.size());
    text_ += line;
  }
  starts_.push_back(text_.size());
}

size_t IncludedFile::bytes() const {
  return sizeof(IncludedFile) + text_.capacity() + starts_.capacity() * sizeof(size_t);
}

std::shared_ptr<const IncludedFile> IncludeFiles::read(const std::string& path, bool useIfDefs) {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    if (const auto found = files_.find(path); found != files_.end()) return found->second;
  }
  std::optional<std::vector<std::string>> lines = readLines(path);
  if (!lines) return nullptr;
  const int comments = BlankPascalComments(*lines, false, useIfDefs);
  auto file = std::make_shared<const IncludedFile>(*lines, comments);
  lines.reset();
  const size_t bytes = file->bytes();
  const std::lock_guard<std::mutex> hold(lock_);
  if (bytes_ + bytes <= kKeptBytes && files_.emplace(path, file).second) bytes_ += bytes;
  return file;
}

}  // namespace sorvik
