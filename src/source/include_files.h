// The include files of a run, each read and its comments blanked once for all the units
// that include it: a project's units tend to include the same few files, and the walk
// prepares most units twice.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sorvik {

// An include file's lines, comments blanked, in one block of text: a file included by a
// large unit may be kept for the whole run, and a line of its own each would take twice the
// room of its text.
class IncludedFile {
 public:
  IncludedFile(const std::vector<std::string>& lines, int comments);

  size_t size() const { return starts_.size() - 1; }
  std::string_view line(size_t i) const {
    return std::string_view(text_).substr(starts_[i], starts_[i + 1] - starts_[i]);
  }
  int comments() const { return comments_; }  // the comments blanked
  size_t bytes() const;

 private:
  std::string text_;
  std::vector<size_t> starts_;  // where each line begins, then the text's end
  int comments_ = 0;
};

class IncludeFiles {
 public:
  // The file at `path` with its comments blanked, conditional directives kept with
  // `useIfDefs` (the same for every read of a run); null when it cannot be read. Safe to
  // call from any thread.
  std::shared_ptr<const IncludedFile> read(const std::string& path, bool useIfDefs);

 private:
  std::mutex lock_;
  std::unordered_map<std::string, std::shared_ptr<const IncludedFile>> files_;
  size_t bytes_ = 0;  // what the kept files hold
};

}  // namespace sorvik
