// Expanding "{$I name}" and "{$INCLUDE name}" lines into the lines of the named file.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "source/include_files.h"

namespace sorvik {

// Where the include names of one unit lead, and what becomes of those that lead nowhere.
class IncludeLookup {
 public:
  virtual ~IncludeLookup() = default;
  // The file `name` names, or "" when there is none.
  virtual std::string find(const std::string& name) = 0;
  // The lines of the file at `path`, comments blanked; null when it cannot be read.
  virtual std::shared_ptr<const IncludedFile> read(const std::string& path) = 0;
  // `name` was not found; `error` is the line for the run's Errors.
  virtual void notFound(const std::string& name, std::string error) = 0;
  // An include could not be expanded for another reason.
  virtual void failed(std::string error) = 0;
};

// Where `name` points for the unit at `unitPath`: as written (relative to `workingFolder`),
// beside the unit, then in each library folder; "" when nowhere.
std::string findIncludeFile(const std::string& name, const std::string& unitPath,
                            const std::string& workingFolder,
                            const std::vector<std::string>& libraryFolders);

// Receives the lines of a unit with its includes expanded: each line's text and the 0-based
// file line of the unit it stands for.
using IncludeSink = std::function<void(std::string_view text, int fileLine)>;

// Hands every line of `lines`, the unit at `unitPath`, to `emit`, an include directive line
// (nested ones too) replaced by the included file's lines, comments blanked, each with the
// directive's file line. A file that includes itself, directly or through others, is not
// expanded again. Returns the number of comments blanked in the included files.
int expandIncludes(const std::vector<std::string>& lines, const std::string& unitPath,
                   IncludeLookup& lookup, const IncludeSink& emit);

}  // namespace sorvik
