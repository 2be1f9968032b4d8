#include "changes/write_rules.h"

#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

#include "generic/paths.h"
#include "project/project.h"
#include "project/prompter.h"

namespace sorvik {

namespace fs = std::filesystem;

namespace {

// The verdicts of one run, so that each file is reported or asked about once.
struct WriteVerdicts : RunData {
  std::optional<std::string> root;  // the project file's folder, resolved, with a final "/"
  std::map<std::string, bool> verdicts;
};

std::string verdictProblem(TProject& project, const std::string& path, const std::string& root,
                           bool& asked, bool& answer) {
  std::error_code error;
  if (fs::is_symlink(path, error))
    return "The following file is a symbolic link and was left alone:\r";
  if (project.Outside == TProject::OutsideFiles::Allow ||
      fs::weakly_canonical(path, error).string().starts_with(root))
    return {};
  if (project.Outside == TProject::OutsideFiles::Ask) {
    asked = true;
    answer = project.context().prompter->askYesNo(
        "The following file is outside the project's folder:\r" + path +
        "\r\rDo you want it changed as well ?");
    return {};
  }
  return "The following file is outside the project's folder and was left alone:\r";
}

}  // namespace

bool mayWriteInBulk(TProject& project, const std::string& path) {
  WriteVerdicts& data = project.runData<WriteVerdicts>();
  if (const auto known = data.verdicts.find(path); known != data.verdicts.end())
    return known->second;
  if (!data.root) {
    std::error_code error;
    data.root = fs::weakly_canonical(folderOf(project.ProjectPath), error).string();
    if (!data.root->empty() && data.root->back() != '/') *data.root += '/';
  }
  bool asked = false, answer = false;
  const std::string problem = verdictProblem(project, path, *data.root, asked, answer);
  if (asked) return data.verdicts[path] = answer;
  if (!problem.empty()) project.context().prompter->showWarning(problem + path);
  return data.verdicts[path] = problem.empty();
}

}  // namespace sorvik
