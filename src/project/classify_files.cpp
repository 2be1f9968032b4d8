// Turning the files a project names into its units, forms and web pages.
#include <map>
#include <unordered_set>

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/file_lookup.h"
#include "project/project.h"
#include "project/project_entries.h"
#include "project/project_files.h"

namespace sorvik {

namespace {

// The extension as the classification sees it: the last four characters, with a "."
// put in front when they lack one (".HTML", ".PAS").
std::string classifyingExtension(std::string_view path) {
  std::string last = upperCase(path.substr(path.size() < 4 ? 0 : path.size() - 4));
  return last.starts_with('.') ? last : "." + last;
}

// The existing files of `files` as they are on disk, each once, keyed by the upper-cased
// path: the keys order the files as a case-insensitive sort does.
std::map<std::string, std::string> existingFiles(FileLookup& lookup,
                                                 const std::vector<std::string>& files) {
  std::unordered_set<std::string> seen;
  std::map<std::string, std::string> existing;
  for (const std::string& file : files) {
    if (!seen.insert(upperCase(file)).second) continue;
    if (std::string onDisk = lookup.existingFile(file); !onDisk.empty()) {
      existing.try_emplace(upperCase(onDisk), std::move(onDisk));
    }
  }
  return existing;
}

}  // namespace

void ClassifyFiles(TProject& project, std::vector<std::string>& files) {
  FileLookup lookup;
  const std::map<std::string, std::string> entries = existingFiles(lookup, files);
  files.clear();
  files.shrink_to_fit();

  UniquePathList units(project.UnitFiles);
  UniquePathList forms(project.FormFiles);
  UniquePathList pages(project.WebFiles);
  struct Companion {
    const char* extension;
    UniquePathList& target;
  };
  const Companion companions[] = {
      {"DFM", forms}, {"ASPX", pages}, {"HTML", pages}, {"HTM", pages}, {"NFM", forms}};

  for (const auto& [key, entry] : entries) {
    const std::string extension = classifyingExtension(entry);
    if (extension == ".DFM" || extension == ".NFM") {
      forms.add(entry);
    } else if (extension == ".HTM" || extension == ".HTML" || extension == ".ASPX") {
      pages.add(entry);
    } else if (extension == ".PAS") {
      units.add(entry);
      const std::string stem = entry.substr(0, entry.size() - 3);
      for (const Companion& companion : companions) {
        const std::string candidate = stem + companion.extension;
        // Companions are only looked for beside a unit when the project did not name them.
        if (entries.contains(upperCase(candidate)) || companion.target.contains(candidate)) {
          continue;
        }
        const std::string onDisk = lookup.existingFile(candidate);
        if (onDisk.empty()) continue;
        companion.target.add(onDisk);
        break;
      }
    }
  }

  project.UnitCount = static_cast<int>(project.UnitFiles.size());
  project.FormCount = static_cast<int>(project.FormFiles.size());
  project.WebCount = static_cast<int>(project.WebFiles.size());
}

}  // namespace sorvik
