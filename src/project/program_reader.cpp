// Programs (".dpr"), packages (".dpk") and project groups (".bpg").
#include <optional>

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/file_lookup.h"
#include "project/project.h"
#include "project/project_entries.h"
#include "project/project_files.h"
#include "source/comment_blanker.h"

namespace sorvik {

namespace {

std::string trimmedUpper(std::string_view line) {
  return upperCase(trimView(line));
}

bool isUsesEntry(std::string_view line) {
  return trimmedUpper(line).find(" IN ") != std::string::npos;
}

// The lines of a program or package with their comments blanked, so that a commented-out
// entry names nothing; the comments go into the statistics.
std::optional<std::vector<std::string>> readBlankedSource(TProject& project,
                                                          const std::string& path) {
  std::optional<std::vector<std::string>> lines = readLines(findExistingPath(path));
  if (!lines) return std::nullopt;
  const int comments = BlankPascalComments(*lines, false, project.settings().UseIfDefs);
  if (project.Report) project.report().Counts.Comments += comments;
  return lines;
}

// The program a line of a group names ("Project1.exe: Project1.dpr"), or nothing when
// the line names none.
std::optional<std::string> groupProgramPath(FileLookup& lookup, const std::string& groupPath,
                                            std::string_view line) {
  const std::string text = lowerCase(trimView(line));
  if (!endsWith(text, ".dpr")) return std::nullopt;
  const size_t colon = text.find(':');
  const std::string_view name = colon == std::string::npos
                                    ? std::string_view(text)
                                    : std::string_view(text).substr(colon + 1);
  return namedFilePath(lookup, groupPath, trimView(name));
}

}  // namespace

void AddUsesEntries(const std::string& projectPath, const std::vector<std::string>& lines,
                    std::vector<std::string>& files) {
  UniquePathList list(files);
  const std::string folder = folderOf(projectPath);
  for (const std::string& line : lines) {
    const size_t first = line.find('\'');
    const size_t last = line.rfind('\'');
    if (first == std::string::npos || last == first) continue;
    // The quoted name is always taken relative to the project: an absolute name gives a
    // path that does not exist, which ClassifyFiles drops.
    const std::string name = toInternalPath(line.substr(first + 1, last - first - 1));
    addSourceWithForms(list, joinPath(folder, name));
  }
}

bool ReadProgram(TProject& project, const std::string& path, std::vector<std::string>& files) {
  std::optional<std::vector<std::string>> lines = readBlankedSource(project, path);
  if (!lines) return false;
  // The uses clause runs from a line that is "uses" alone to the line "begin"; its entries
  // are the lines with " in ".
  std::vector<std::string> entries;
  bool inUses = false;
  for (const std::string& line : *lines) {
    const std::string text = trimmedUpper(line);
    if (!inUses) {
      inUses = text == "USES";
    } else if (text == "BEGIN") {
      break;
    } else if (text.find(" IN ") != std::string::npos) {
      entries.push_back(line);
    }
  }
  AddUsesEntries(path, entries, files);
  return true;
}

bool ReadPackage(TProject& project, const std::string& path, std::vector<std::string>& files) {
  std::optional<std::vector<std::string>> lines = readBlankedSource(project, path);
  if (!lines) return false;
  // The "contains" and "end." lines never hold " in ", so keeping the lines that do is
  // all that reading the contains clause needs.
  std::erase_if(*lines, [](const std::string& line) { return !isUsesEntry(line); });
  AddUsesEntries(path, *lines, files);
  return true;
}

bool ReadGroup(TProject& project, const std::string& path, std::vector<std::string>& files) {
  const std::optional<std::vector<std::string>> lines = readLines(findExistingPath(path));
  if (!lines) return false;
  // Only the first program of the group is read.
  FileLookup lookup;
  for (const std::string& line : *lines) {
    if (const std::optional<std::string> program = groupProgramPath(lookup, path, line)) {
      ReadProgram(project, *program, files);
      break;
    }
  }
  return true;
}

void GroupProgramFiles(TProject& project) {
  const std::string& path = project.ProjectPath;
  std::vector<std::string> programs;
  FileLookup lookup;
  if (endsWithText(path, ".dpr")) {
    programs.push_back(path);
  } else if (endsWithText(path, ".bpg")) {
    if (const auto lines = readLines(findExistingPath(path))) {
      for (const std::string& line : *lines) {
        if (auto program = groupProgramPath(lookup, path, line)) {
          programs.push_back(std::move(*program));
        }
      }
    }
  }
  UniquePathList units(project.UnitFiles);
  for (const std::string& program : programs) {
    const std::string resolved = ResolvePath(program);
    const std::string onDisk = lookup.existingFile(resolved);
    units.add(onDisk.empty() ? resolved : onDisk);
  }
}

}  // namespace sorvik
