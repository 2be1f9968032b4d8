#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project_files.h"

namespace sorvik {

bool ReadProjectFile(TProject& project, const std::string& path, std::vector<std::string>& files) {
  const std::string extension = upperCase(extensionOf(path));
  if (extension == ".SVK") return ReadOwnProject(path, files);
  if (extension == ".SLN") return ReadSolution(project, path, files);
  // A single page is a project of its own; style sheets, scripts and classic pages are
  // accepted but hold nothing to analyse.
  for (const char* page : {".HTML", ".HTM", ".CSS", ".JS", ".ASPX", ".ASP"}) {
    if (extension == page) {
      files.push_back(path);
      return true;
    }
  }
  if (extension == ".BPG") return ReadGroup(project, path, files);
  if (extension == ".BPR") return ReadCppProject(path, files);
  if (extension == ".BDSPROJ" || extension == ".DPROJ") return ReadIdeProject(project, path, files);
  if (extension == ".DPK") return ReadPackage(project, path, files);
  return ReadProgram(project, path, files);
}

}  // namespace sorvik
