#include "changes/rewrite.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

#include "changes/apply_suggestion.h"
#include "changes/backups.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result.h"
#include "project/scan_driver.h"

namespace sorvik {

namespace fs = std::filesystem;

namespace {

// An applied change in the lines of the file as the scan read it.
struct ChangedSpan {
  int line = 0;
  int deleted = 0;
  int inserted = 0;
};

// The edit at `line` (file lines as scanned) would touch lines that an earlier change
// removed or rewrote. A one-line suggestion on a line that an earlier change rewrote into
// one line is no overlap: the check built it from the line as that change left it.
bool overlaps(const std::vector<ChangedSpan>& changes, int line, const LineEdit& edit) {
  const int end = line + std::max(edit.deleted, 1);
  for (const ChangedSpan& change : changes) {
    if (change.deleted == 0 || line >= change.line + change.deleted || change.line >= end) continue;
    const bool composes =
        change.deleted == 1 && change.inserted == 1 && edit.deleted == 1 && line == change.line;
    if (!composes) return true;
  }
  return false;
}

// Files a bulk run must not write: symbolic links, and files outside the project file's
// folder tree unless the user allows it. Each is reported once.
class WriteRules {
 public:
  explicit WriteRules(TProject& project) : project_(project) {
    std::error_code error;
    root_ = fs::weakly_canonical(folderOf(project.ProjectPath), error).string();
    if (!root_.empty() && root_.back() != '/') root_ += '/';
  }

  bool allows(const std::string& path) {
    if (const auto known = verdicts_.find(path); known != verdicts_.end()) return known->second;
    std::error_code error;
    std::string problem;
    Prompter& prompter = *project_.context().prompter;
    if (fs::is_symlink(path, error)) {
      problem = "The following file is a symbolic link and was left alone:\r";
    } else if (project_.Outside != TProject::OutsideFiles::Allow &&
               !fs::weakly_canonical(path, error).string().starts_with(root_)) {
      if (project_.Outside == TProject::OutsideFiles::Ask)
        return verdicts_[path] =
                   prompter.askYesNo("The following file is outside the project's folder:\r" +
                                     path + "\r\rDo you want it changed as well ?");
      problem = "The following file is outside the project's folder and was left alone:\r";
    }
    if (!problem.empty()) prompter.showWarning(problem + path);
    return verdicts_[path] = problem.empty();
  }

 private:
  TProject& project_;
  std::string root_;
  std::map<std::string, bool> verdicts_;
};

// Applies every result with replacement lines, in the order of the output list.
int applyAll(TProject& project) {
  auto& results = project.report().Results;
  std::vector<size_t> order;
  std::vector<int> scannedLine(results.size());
  for (size_t i = 0; i < results.size(); ++i) {
    scannedLine[i] = results[i]->Line;
    if (results[i]->OutputIndex >= 0) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&results](size_t a, size_t b) {
    return results[a]->OutputIndex < results[b]->OutputIndex;
  });

  WriteRules rules(project);
  std::map<std::string, std::vector<ChangedSpan>> changed;
  int passedOver = 0;
  for (const size_t i : order) {
    const TFrontOutput& result = *results[i];
    if (!result.Suggestions || result.Suggestions->empty() || result.Applied) continue;
    if (!rules.allows(result.FilePath)) continue;
    const LineEdit edit = lineEditOf(result);
    std::vector<ChangedSpan>& spans = changed[result.FilePath];
    if (overlaps(spans, scannedLine[i], edit)) {
      ++passedOver;
      continue;
    }
    if (ApplySuggestion(project, i))
      spans.push_back({scannedLine[i], edit.deleted, static_cast<int>(edit.inserted.size())});
  }
  return passedOver;
}

}  // namespace

RewriteOutcome StartRewrite(TProject& project, const RewriteChoices& choices) {
  RewriteOutcome outcome;
  AppContext& context = project.context();
  if (context.config.readBool("General", "Disclaimer", true)) {
    const Prompter::DisclaimerAnswer answer = context.prompter->askChangeWarning();
    if (!answer.accepted) {
      outcome.declined = true;
      return outcome;
    }
    if (answer.dontShowAgain) context.config.writeBool("General", "Applychange", false);
  }
  project.ChangesApplied = true;
  project.RewriteMode = true;

  int passedOver = 0;
  if (choices.optimizations && !project.StopRequested) {
    // A scan of its own: no mode of an earlier step may stay on.
    setModeFlags(project, StartCommand::Scan);
    project.VarCaseMode = false;
    project.RewriteMode = true;
    Start(project);
    // One backup folder holds the first copy of every file the step changes.
    if (!project.StopRequested && PrepareBackupFolder(project)) passedOver = applyAll(project);
  }

  const TCounts& counts = project.report().Counts;
  outcome.completion = "Project Rewrite complete.\r\r" +
                       CountText(counts.AppliedHints, "Applied Hint") + "\r" +
                       CountText(counts.AppliedWarnings, "Applied Warning") + "\r" +
                       CountText(counts.NamingTotal, "Applied Naming suggestion");
  if (passedOver > 0) {
    outcome.completion += "\r\r" + CountText(passedOver, "suggestion") +
                          " not applied: an earlier change had altered or removed its lines";
  }
  project.RewriteMode = false;
  return outcome;
}

}  // namespace sorvik
