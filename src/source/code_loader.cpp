#include "source/code_loader.h"

#include <algorithm>

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "source/code_unit.h"
#include "source/comment_blanker.h"
#include "source/include_expander.h"
#include "source/type_declarations.h"

namespace sorvik {

namespace {

std::unique_ptr<TCodeUnitHeader> prepareHeader(const std::string& path, TProject& project,
                                               IncludeLookup& includes) {
  const TSettings& settings = project.settings();
  auto header = std::make_unique<TCodeUnitHeader>();
  header->FilePath = path;
  std::vector<std::string> lines;
  if (std::optional<std::vector<std::string>> read = readLines(path))
    lines = std::move(*read);
  else
    project.addError("Problem opening file " + path);
  header->SourceLines = lines;

  // A search keeps comments for itself; every other run blanks them.
  const bool searching = project.SearchMode;
  if (!searching)
    project.report().Counts.Comments += BlankPascalComments(lines, false, settings.UseIfDefs);
  std::vector<int> lineMap(lines.size());
  for (size_t i = 0; i < lineMap.size(); ++i) lineMap[i] = static_cast<int>(i);
  if (settings.DoIncludes && !searching) expandIncludes(lines, lineMap, includes);
  const auto hasBrace = [](const std::string& line) { return line.find('{') != std::string::npos; };
  if (!settings.UseIfDefs && !searching && std::any_of(lines.begin(), lines.end(), hasBrace))
    BlankBraces(lines);

  header->reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    header->append(std::move(lines[i]), lineMap[i]);
    if (header->ScanLines.back() == "IMPLEMENTATION") {
      header->ImplLine = static_cast<int>(i);
      header->HasImplementation = true;
    }
  }
  if (!searching && header->HasImplementation) hideImplementationTypes(*header, header->ImplLine);

  if (header->size() == 0) {
    project.addError("Error loading file " + project.CurrentFile);
    return nullptr;
  }
  if (!header->HasImplementation && !sameText(extensionOf(path), ".dpr")) {
    project.addError("Implementation section not found in " + project.CurrentFile);
    return nullptr;
  }
  return header;
}

}  // namespace

const TCodeUnitHeader* TCodeLoader::LoadHeader(const std::string& path, TProject& project) {
  const std::string key = upperCase(path);
  if (const auto found = headers_.find(key); found != headers_.end()) return found->second.get();
  IncludeLookup includes{project, missingIncludes_, reportedMissing_};
  auto& slot = headers_[key];
  slot = prepareHeader(path, project, includes);
  return slot.get();
}

void TCodeLoader::LoadUnit(TCodeUnit& unit) {
  const TCodeUnitHeader* header = LoadHeader(unit.FilePath, unit.Project);
  if (!header) return;
  static_cast<LineForms&>(unit) = *header;
  unit.SourceLines = header->SourceLines;
  unit.ImplLine = header->ImplLine;
}

}  // namespace sorvik
