#include "changes/apply_suggestion.h"

#include <optional>
#include <string>
#include <vector>

#include "changes/backups.h"
#include "changes/file_change.h"
#include "changes/save_string_list.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result.h"

namespace sorvik {

namespace {

// The user is warned before the first change (and before every one until told not to be
// again).
bool userAgrees(TProject& project) {
  Config& config = project.context().config;
  if (config.readBool("General", "Applychange", true)) {
    const Prompter::DisclaimerAnswer answer = project.context().prompter->askChangeWarning();
    if (!answer.accepted) return false;
    if (answer.dontShowAgain) config.writeBool("General", "Applychange", false);
  }
  project.ChangesApplied = true;
  return true;
}

// The results of `file` that stand after an edit at `line`: those on a later line, and for
// an insertion (which goes before its line) those on the line itself.
std::vector<size_t> resultsAfter(TProject& project, size_t applied, const LineEdit& edit,
                                 const std::string& file) {
  std::vector<size_t> after;
  const auto& results = project.report().Results;
  for (size_t i = 0; i < results.size(); ++i) {
    const TFrontOutput& other = *results[i];
    if (i == applied || other.FilePath != file) continue;
    if (other.Line > edit.line || (edit.deleted == 0 && other.Line == edit.line))
      after.push_back(i);
  }
  return after;
}

}  // namespace

bool ApplySuggestion(TProject& project, size_t index) {
  auto& results = project.report().Results;
  if (index >= results.size()) return false;
  TFrontOutput& result = *results[index];
  if (!result.Suggestions || result.Suggestions->empty() || result.Applied) return false;
  if (!userAgrees(project)) return false;
  const std::string path = result.FilePath;
  std::optional<TextFile> file = readFileToChange(project, path);
  if (!file) return false;
  const LineEdit edit = lineEditOf(result);
  if (edit.line < 1 || static_cast<size_t>(edit.line - 1 + edit.deleted) > file->lines.size()) {
    project.context().prompter->showError(
        "The lines of this suggestion are no longer in the file:\r" + path);
    return false;
  }
  if (!PrepareBackupFolder(project)) return false;
  const TextFile before = *file;
  replaceLines(*file, static_cast<size_t>(edit.line - 1), static_cast<size_t>(edit.deleted),
               edit.inserted);
  if (!backUpAndSave(project, *file, path)) return false;

  const std::vector<size_t> moved = resultsAfter(project, index, edit, path);
  for (const size_t i : moved) results[i]->Line += edit.difference();
  project.UndoLines = before;
  project.UndoFile = path;
  project.UndoLine = result.Line;
  project.UndoMoved = moved;
  project.AppliedIndex = static_cast<int>(index);
  project.LineDelta = edit.difference();
  markApplied(project, result);
  return true;
}

bool UndoSuggestion(TProject& project) {
  Prompter& prompter = *project.context().prompter;
  if (!project.UndoLines || project.UndoFile.empty()) {
    prompter.showError("Suggestion could not be undone");
    return false;
  }
  if (!SaveStringList(*project.UndoLines, project.UndoFile, prompter)) {
    prompter.showError("An error occurred performing the undo option");
    return false;
  }
  project.UndoLines.reset();
  auto& results = project.report().Results;
  if (project.AppliedIndex >= 0 && static_cast<size_t>(project.AppliedIndex) < results.size()) {
    unmarkApplied(project, *results[static_cast<size_t>(project.AppliedIndex)]);
  }
  for (const size_t i : project.UndoMoved) {
    if (i < results.size()) results[i]->Line -= project.LineDelta;
  }
  project.UndoMoved.clear();
  return true;
}

}  // namespace sorvik
