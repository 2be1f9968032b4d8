#include "source/unit_preparation.h"

#include <algorithm>
#include <optional>

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "source/code_loader.h"
#include "source/comment_blanker.h"
#include "source/include_expander.h"
#include "source/type_declarations.h"

namespace sorvik {

namespace {

// Include names as one unit's preparation finds them, each looked for once; a preparation
// made again finds them where the first one did.
class UnitIncludes : public IncludeLookup {
 public:
  UnitIncludes(const PrepareTask& task, const PrepareOptions& options,
               const std::function<bool(const std::string&)>& knownMissing,
               const std::atomic<bool>& cancel, PreparedUnit& out)
      : task_(task), options_(options), knownMissing_(knownMissing), cancel_(cancel), out_(out) {
    if (task.again) out_.includes = task.includes;
  }

  std::string find(const std::string& name) override {
    if (const auto chosen = out_.includes.find(name); chosen != out_.includes.end())
      return chosen->second;
    if (task_.again || cancel_) return "";
    std::string path =
        knownMissing_(name)
            ? std::string()
            : findIncludeFile(name, task_.path, options_.workingFolder, options_.libraryFolders);
    out_.includes.emplace(name, path);
    return path;
  }
  std::shared_ptr<const IncludedFile> read(const std::string& path) override {
    return options_.includeFiles->read(path, options_.useIfDefs);
  }
  void notFound(const std::string& name, std::string error) override {
    out_.events.push_back({std::move(error), name});
  }
  void failed(std::string error) override { out_.events.push_back({std::move(error), ""}); }

 private:
  const PrepareTask& task_;
  const PrepareOptions& options_;
  const std::function<bool(const std::string&)>& knownMissing_;
  const std::atomic<bool>& cancel_;
  PreparedUnit& out_;
};

size_t headerBytes(const TCodeUnitHeader& header) {
  constexpr size_t kInline = 15;  // what a string holds without a block of its own
  size_t bytes = header.bytes();
  for (const std::string& text : header.SourceLines)
    bytes += sizeof(std::string) + (text.capacity() > kInline ? text.capacity() + 1 : 0);
  return bytes;
}

}  // namespace

PreparedUnit prepareCodeUnit(const PrepareTask& task, const PrepareOptions& options,
                             const std::function<bool(const std::string&)>& knownMissing,
                             const std::atomic<bool>& cancel) {
  PreparedUnit out;
  const std::string& path = task.path;
  auto header = std::make_unique<TCodeUnitHeader>();
  header->FilePath = path;
  std::vector<std::string> lines;
  if (std::optional<std::vector<std::string>> read = readLines(path))
    lines = std::move(*read);
  else
    out.events.push_back({"Problem opening file " + path, ""});
  header->SourceLines = lines;

  // A search that looks into comments keeps them; every other run blanks them.
  if (!options.keepComments) out.comments += BlankPascalComments(lines, false, options.useIfDefs);
  // A preparation given up stops taking lines within a few thousand of them.
  constexpr size_t kLinesBetweenLooks = 4096;
  header->reserve(lines.size());
  const auto take = [&](std::string_view text, int fileLine) {
    if (out.cancelled || (header->size() % kLinesBetweenLooks == 0 && cancel)) {
      out.cancelled = true;
      return;
    }
    header->append(text, fileLine);
  };
  if (options.doIncludes && !options.searching) {
    UnitIncludes includes(task, options, knownMissing, cancel, out);
    out.comments += expandIncludes(lines, path, includes, take);
  } else {
    for (size_t i = 0; i < lines.size(); ++i) take(lines[i], static_cast<int>(i));
  }
  if (out.cancelled) return out;
  lines = {};  // the header holds them now

  const auto hasBrace = [](std::string_view line) { return line.find('{') != std::string::npos; };
  if (!options.useIfDefs && !options.searching &&
      std::any_of(header->Lines.begin(), header->Lines.end(), hasBrace)) {
    std::string joined;
    BlankBraces(header->Lines, joined, [&](size_t i, std::string_view blanked) {
      if (blanked != header->Lines[i]) header->set(i, blanked);
    });
  }
  for (size_t i = 0; i < header->size(); ++i) {
    if (header->ScanLines[i] == "IMPLEMENTATION") {
      header->ImplLine = static_cast<int>(i);
      header->HasImplementation = true;
    }
  }
  if (!options.searching && header->HasImplementation)
    hideImplementationTypes(*header, header->ImplLine);

  if (header->size() == 0) {
    out.events.push_back({"Error loading file " + path, ""});
  } else if (!header->HasImplementation && !sameText(extensionOf(path), ".dpr")) {
    out.events.push_back({"Implementation section not found in " + path, ""});
  } else {
    out.bytes = headerBytes(*header);
    out.header = std::move(header);
  }
  return out;
}

}  // namespace sorvik
