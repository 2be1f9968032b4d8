// Turning the files a project names into its units, forms and web pages.
#include <algorithm>
#include <unordered_set>

#include "generic/paths.h"
#include "generic/strings.h"
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

// The existing files of `files` as they are on disk, sorted without regard to case and
// each once.
std::vector<std::string> existingFiles(const std::vector<std::string>& files) {
  std::vector<std::string> existing;
  existing.reserve(files.size());
  for (const std::string& file : files) {
    if (std::string onDisk = existingFile(file); !onDisk.empty()) {
      existing.push_back(std::move(onDisk));
    }
  }
  std::stable_sort(
      existing.begin(), existing.end(),
      [](const std::string& a, const std::string& b) { return compareText(a, b) < 0; });
  const auto duplicates = std::unique(existing.begin(), existing.end(),
                                      [](const auto& a, const auto& b) { return sameText(a, b); });
  existing.erase(duplicates, existing.end());
  return existing;
}

}  // namespace

void ClassifyFiles(TProject& project, std::vector<std::string>& files) {
  const std::vector<std::string> entries = existingFiles(files);
  files.clear();
  files.shrink_to_fit();
  // Companions are only looked for beside a unit when the project did not name them.
  std::unordered_set<std::string> named;
  for (const std::string& entry : entries) named.insert(upperCase(entry));

  UniquePathList units(project.UnitFiles);
  UniquePathList forms(project.FormFiles);
  UniquePathList pages(project.WebFiles);
  struct Companion {
    const char* extension;
    UniquePathList& target;
  };
  const Companion companions[] = {
      {"DFM", forms}, {"ASPX", pages}, {"HTML", pages}, {"HTM", pages}, {"NFM", forms}};

  for (const std::string& entry : entries) {
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
        if (named.contains(upperCase(candidate)) || companion.target.contains(candidate)) continue;
        const std::string onDisk = existingFile(candidate);
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
