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

// The clauses of lines [first, last): from the whole word "USES" to the next ";", blanks
// removed, as pieces of names.
void readClauses(const TCodeUnit& unit, int first, int last, std::vector<std::string>& pieces) {
  for (int i = std::max(first, 0); i < last && i < static_cast<int>(unit.size()); ++i) {
    const int at = findCodeWord("USES", unit.CompactUpperLines[static_cast<size_t>(i)]);
    if (at == 0) continue;
    const std::string_view opening = unit.CompactLines[static_cast<size_t>(i)];
    std::string text(opening.substr(std::min(opening.size(), static_cast<size_t>(at) + 3)));
    for (;;) {
      text = replaceAll(text, " ", "");
      const size_t semicolon = text.find(';');
      pieces.push_back(text.substr(0, semicolon));
      if (semicolon != std::string::npos || ++i >= last || i >= static_cast<int>(unit.size()))
        break;
      text = unit.CompactLines[static_cast<size_t>(i)];
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

void ReadUses(TCodeUnit& unit) {
  unit.UsesList.clear();
  if (unit.ImplLine == 0) return;
  std::vector<std::string> pieces;
  readClauses(unit, 1, unit.ImplLine, pieces);
  readClauses(unit, unit.ImplLine + 1, unit.LastLine, pieces);
  for (const std::string& piece : split(join(pieces, ","), ',')) {
    const std::string name = trim(piece);
    if (!name.empty() && name != ";") unit.UsesList.push_back(name);
  }
  if (addsUsedUnits(unit.Project)) addUsedUnits(unit);
}

}  // namespace sorvik
