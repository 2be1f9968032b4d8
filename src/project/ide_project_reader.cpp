// IDE project descriptions (".bdsproj", ".dproj") and C++Builder projects (".bpr"). Both
// are XML read line by line, as the IDEs write one element per line.
#include <optional>

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/app_context.h"
#include "project/file_lookup.h"
#include "project/project.h"
#include "project/project_entries.h"
#include "project/project_files.h"
#include "project/prompter.h"

namespace sorvik {

namespace {

// The trimmed text of `line` from `start` up to `closeTag` (or the line's end).
std::string elementText(std::string_view line, std::string_view lower, size_t start,
                        std::string_view closeTag) {
  const size_t close = lower.find(closeTag, start);
  return trim(line.substr(start, close == std::string_view::npos ? close : close - start));
}

// The main source a line of an IDE project names, or nothing.
std::optional<std::string> mainSourceName(std::string_view line) {
  const std::string_view text = trimView(line);
  const std::string lower = lowerCase(text);
  if (startsWith(lower, "<source name=\"mainsource\">") ||
      startsWith(lower, "<source name=\"mainsource\" type=\"string\">")) {
    return elementText(text, lower, lower.find('>', 19) + 1, "</source>");
  }
  constexpr std::string_view kMainSource = "<mainsource>";
  if (startsWith(lower, kMainSource)) {
    return elementText(text, lower, kMainSource.size(), "</mainsource>");
  }
  return std::nullopt;
}

}  // namespace

bool ReadIdeProject(TProject& project, const std::string& path, std::vector<std::string>& files) {
  const std::optional<std::vector<std::string>> lines = readLines(findExistingPath(path));
  if (!lines) return false;
  bool programRead = false;
  FileLookup lookup;
  for (const std::string& line : *lines) {
    const std::optional<std::string> name = mainSourceName(line);
    if (name && endsWithText(*name, ".dpr")) {
      programRead = ReadProgram(project, namedFilePath(lookup, path, *name), files);
      break;
    }
  }
  // The project stays open without units: the user may open the program instead.
  if (!programRead && project.context().prompter) {
    project.context().prompter->showError(
        "An error occurred opening the bdsproj file.\r\nThe Project File was not "
        "found.\r\rTry opening the dpr project file instead.");
  }
  return true;
}

bool ReadCppProject(const std::string& path, std::vector<std::string>& files) {
  const std::optional<std::vector<std::string>> lines = readLines(findExistingPath(path));
  if (!lines) return false;
  constexpr std::string_view kFileTag = "<file filename=\"";
  enum class Place { BeforeProject, BeforeFileList, InFileList } place = Place::BeforeProject;
  UniquePathList list(files);
  FileLookup lookup;
  for (const std::string& line : *lines) {
    const std::string_view text = trimView(line);
    const std::string lower = lowerCase(text);
    if (place == Place::BeforeProject) {
      if (lower == "<project>") place = Place::BeforeFileList;
    } else if (place == Place::BeforeFileList) {
      if (lower == "</project>") break;
      if (lower == "<filelist>") place = Place::InFileList;
    } else if (lower == "</filelist>") {
      break;
    } else if (startsWith(lower, kFileTag)) {
      const std::string name = elementText(text, lower, kFileTag.size(), "\"");
      const std::string file = namedFilePath(lookup, path, name);
      // C++ sources are no units; what such a project yields are their forms.
      if (!lookup.existingFile(file).empty()) addSourceWithForms(list, file);
    }
  }
  return true;
}

}  // namespace sorvik
