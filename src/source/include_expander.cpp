#include "source/include_expander.h"

#include <exception>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "generic/paths.h"
#include "generic/strings.h"
#include "source/line_forms.h"

namespace sorvik {

namespace {

// The file name of an include directive line, or nothing when the line is none: the
// compacted line is longer than 4 characters and begins "{$I " or "{$INCLUDE" (upper case
// only). Other directives that begin "{$IN" ("{$INLINE ON}") name no file.
std::optional<std::string> includeName(std::string_view line) {
  if (!trimView(line).starts_with("{$I")) return std::nullopt;
  const std::string text = compactLine(line);
  const bool include = text.compare(3, 6, "NCLUDE") == 0;
  if (text.size() <= 4 || !text.starts_with("{$I") || (text[3] != ' ' && !include))
    return std::nullopt;
  std::string_view rest = std::string_view(text).substr(include ? 9 : 3);
  rest = rest.substr(0, rest.find('}'));
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  if (rest.size() >= 2 && rest.front() == '\'' && rest.back() == '\'')
    rest = rest.substr(1, rest.size() - 2);
  std::string name(rest);
  if (name.find('.') == std::string::npos) name += ".pas";
  return name;
}

// The lines of one file being expanded, with the include files that led to it: the unit's
// own lines or an included file's, which other units may share.
struct Frame {
  const std::vector<std::string>* unitLines = nullptr;  // the unit's own lines, or
  std::shared_ptr<const IncludedFile> included;         // an included file's
  size_t next = 0;
  int fileLine = -1;               // the top directive's file line; -1 in the unit itself
  std::vector<std::string> chain;  // upper-cased paths of the files open around these lines

  size_t size() const { return included ? included->size() : unitLines->size(); }
  std::string_view line(size_t i) const {
    return included ? included->line(i) : std::string_view((*unitLines)[i]);
  }
};

class Expander {
 public:
  Expander(const std::string& unitPath, IncludeLookup& lookup)
      : unitPath_(unitPath), lookup_(lookup) {}

  int comments() const { return comments_; }

  void run(const std::vector<std::string>& lines, const IncludeSink& emit) {
    std::vector<Frame> frames;
    frames.push_back({&lines, nullptr, 0, -1, {upperCase(unitPath_)}});
    while (!frames.empty()) {
      Frame& frame = frames.back();
      if (frame.next == frame.size()) {
        frames.pop_back();
        continue;
      }
      const size_t index = frame.next++;
      const std::string_view line = frame.line(index);
      const int fileLine = frame.fileLine >= 0 ? frame.fileLine : static_cast<int>(index);
      if (std::optional<Frame> included = expand(line, frame.chain)) {
        included->fileLine = fileLine;
        frames.push_back(std::move(*included));
        continue;
      }
      emit(line, fileLine);
    }
  }

 private:
  // The included file's lines, or nothing when the line stays as it is.
  std::optional<Frame> expand(std::string_view line, const std::vector<std::string>& chain) {
    const std::optional<std::string> name = includeName(line);
    if (!name) return std::nullopt;
    try {
      const std::string path = lookup_.find(*name);
      if (path.empty()) {
        lookup_.notFound(*name, "Could not find include file : " + *name + " in file " + unitPath_);
        return std::nullopt;
      }
      const std::string key = upperCase(path);
      for (const std::string& open : chain) {
        if (open == key) throw std::runtime_error("the file includes itself: " + path);
      }
      std::shared_ptr<const IncludedFile> included = lookup_.read(path);
      if (!included) throw std::runtime_error("the file cannot be read: " + path);
      comments_ += included->comments();
      Frame frame{nullptr, std::move(included), 0, -1, chain};
      frame.chain.push_back(key);
      return frame;
    } catch (const std::exception& failure) {
      lookup_.failed("Error trying to perform an include on line:\r\r" + std::string(line) +
                     "\r\r" + failure.what());
      return std::nullopt;
    }
  }

  const std::string& unitPath_;
  IncludeLookup& lookup_;
  int comments_ = 0;
};

}  // namespace

std::string findIncludeFile(const std::string& name, const std::string& unitPath,
                            const std::string& workingFolder,
                            const std::vector<std::string>& libraryFolders) {
  const std::string internal = toInternalPath(name);
  const std::string candidates[] = {
      isAbsolutePath(internal) ? internal : joinPath(workingFolder, internal),
      joinPath(folderOf(unitPath), internal)};
  for (const std::string& candidate : candidates) {
    if (std::string found = findExistingPath(candidate); !found.empty()) return found;
  }
  for (const std::string& folder : libraryFolders) {
    if (std::string found = findExistingPath(joinPath(folder, internal)); !found.empty())
      return found;
  }
  return "";
}

int expandIncludes(const std::vector<std::string>& lines, const std::string& unitPath,
                   IncludeLookup& lookup, const IncludeSink& emit) {
  Expander expander(unitPath, lookup);
  expander.run(lines, emit);
  return expander.comments();
}

}  // namespace sorvik
