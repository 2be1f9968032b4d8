#include "source/uses_reader.h"

#include <algorithm>
#include <unordered_set>

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/project_entries.h"
#include "project/project_files.h"
#include "source/code_unit.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

// The clauses of lines [first, last) of `count`: from the whole word "USES" to the next ";",
// blanks removed, as pieces of names.
void readClauses(size_t count, int first, int last, const CompactLineAt& lineAt,
                 std::vector<std::string>& pieces) {
  for (int i = std::max(first, 0); i < last && i < static_cast<int>(count); ++i) {
    const int at = findCodeWord("USES", lineAt(static_cast<size_t>(i), true));
    if (at == 0) continue;
    const std::string_view opening = lineAt(static_cast<size_t>(i), false);
    std::string text(opening.substr(std::min(opening.size(), static_cast<size_t>(at) + 3)));
    for (;;) {
      text = replaceAll(text, " ", "");
      const size_t semicolon = text.find(';');
      pieces.push_back(text.substr(0, semicolon));
      if (semicolon != std::string::npos || ++i >= last || i >= static_cast<int>(count)) break;
      text = lineAt(static_cast<size_t>(i), false);
    }
  }
}

bool addsUsedUnits(const TProject& project) {
  return project.settings().DoUses && !project.NamingMode && !project.VarCaseMode &&
         !project.SearchMode && !project.ExeMode && !project.RewriteMode;
}

std::string stemOf(std::string_view path) {
  const std::string name = fileNameOf(path);
  return upperCase(name.substr(0, name.find('.')));
}

void addUsedUnits(TCodeUnit& unit) {
  TProject& project = unit.Project;
  std::unordered_set<std::string> projectUnits;
  for (const std::string& file : project.UnitFiles) projectUnits.insert(stemOf(file));
  const UniquePathList existing(project.UnitFiles);
  std::vector<std::string> files;
  UniquePathList found(files);
  for (const std::string& name : unit.UsesList) {
    if (projectUnits.contains(upperCase(name))) continue;
    std::string path = findExistingPath(joinPath(folderOf(unit.FilePath), name + ".pas"));
    for (size_t n = 0; path.empty() && n < project.LibraryPaths.size(); ++n)
      path = findExistingPath(joinPath(project.LibraryPaths[n], name + ".pas"));
    if (!path.empty() && !existing.contains(path)) addSourceWithForms(found, path);
  }
  if (!files.empty()) ClassifyFiles(project, files);
}

}  // namespace

std::vector<std::string> usesClauseNames(size_t count, int implLine, int lastLine,
                                         const CompactLineAt& lineAt) {
  std::vector<std::string> names;
  if (implLine == 0) return names;
  std::vector<std::string> pieces;
  readClauses(count, 1, implLine, lineAt, pieces);
  readClauses(count, implLine + 1, lastLine, lineAt, pieces);
  for (const std::string& piece : split(join(pieces, ","), ',')) {
    std::string name = trim(piece);
    if (!name.empty() && name != ";") names.push_back(std::move(name));
  }
  return names;
}

void ReadUses(TCodeUnit& unit) {
  unit.UsesList = usesClauseNames(unit.size(), unit.ImplLine, unit.LastLine,
                                  [&unit](size_t i, bool upper) -> std::string_view {
                                    return upper ? unit.CompactUpperLines[i] : unit.CompactLines[i];
                                  });
  if (addsUsedUnits(unit.Project)) addUsedUnits(unit);
}

}  // namespace sorvik
