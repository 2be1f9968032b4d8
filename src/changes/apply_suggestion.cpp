#include "changes/apply_suggestion.h"

#include <optional>
#include <string>
#include <vector>

#include "changes/backups.h"
#include "changes/save_string_list.h"
#include "formanalysis/form_file_reader.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result.h"

namespace sorvik {

namespace {

constexpr std::string_view kAppliedMark = " (Applied)";

// Outside a rewrite run the user is warned before the first change (and before every one
// until told not to be again).
bool userAgrees(TProject& project) {
  Config& config = project.context().config;
  if (!project.RewriteMode && config.readBool("General", "Applychange", true)) {
    const Prompter::DisclaimerAnswer answer = project.context().prompter->askChangeWarning();
    if (!answer.accepted) return false;
    if (answer.dontShowAgain) config.writeBool("General", "Applychange", false);
  }
  if (!project.RewriteMode) project.ChangesApplied = true;
  return true;
}

void countApplied(TProject& project, int kind) {
  TCounts& counts = project.report().Counts;
  // A naming run counts what it applies in its own total.
  if (project.NamingMode)
    ++counts.NamingTotal;
  else if ((kind >= 0 && kind <= 37) || kind > 1000)
    ++counts.AppliedHints;
  else if (kind >= 100 && kind <= 116)
    ++counts.AppliedWarnings;
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

void markOutputLine(TProject& project, const TFrontOutput& result, bool applied) {
  auto& lines = project.report().OutputLines;
  if (result.OutputIndex < 0 || static_cast<size_t>(result.OutputIndex) >= lines.size()) return;
  std::string& line = lines[static_cast<size_t>(result.OutputIndex)];
  if (applied)
    line += kAppliedMark;
  else if (line.ends_with(kAppliedMark))
    line.resize(line.size() - kAppliedMark.size());
}

}  // namespace

bool ApplySuggestion(TProject& project, size_t index) {
  auto& results = project.report().Results;
  if (index >= results.size()) return false;
  TFrontOutput& result = *results[index];
  if (!result.Suggestions || result.Suggestions->empty() || result.Applied) return false;
  if (!userAgrees(project)) return false;
  Prompter& prompter = *project.context().prompter;
  const std::string path = result.FilePath;
  if (isReadOnlyFile(path)) {
    prompter.showError("The following file cannot be updated as it is set to read only:\r" + path);
    return false;
  }

  const std::optional<std::string> bytes = readFileBytes(path);
  if (!bytes) {
    prompter.showError("The following file could not be read:\r" + path);
    return false;
  }
  if (isBinaryFormBytes(*bytes)) {
    prompter.showError("The following file is a binary form and is not changed as text:\r" + path);
    return false;
  }
  TextFile file = splitText(*bytes);
  const LineEdit edit = lineEditOf(result);
  if (edit.line < 1 || static_cast<size_t>(edit.line - 1 + edit.deleted) > file.lines.size()) {
    prompter.showError("The lines of this suggestion are no longer in the file:\r" + path);
    return false;
  }
  // A rewrite run makes one backup folder for all its changes.
  if (!project.RewriteMode && !PrepareBackupFolder(project)) return false;
  if (!BackupFile(project, path)) {
    prompter.showError("The following file could not be backed up, so it was left alone:\r" + path);
    return false;
  }

  const TextFile before = file;
  replaceLines(file, static_cast<size_t>(edit.line - 1), static_cast<size_t>(edit.deleted),
               edit.inserted);
  if (!SaveStringList(file, path, prompter)) {
    prompter.showWarning(
        "Error saving the file after applying the suggestion\r\rThis suggestion may not have "
        "been applied properly");
    return false;
  }

  const std::vector<size_t> moved = resultsAfter(project, index, edit, path);
  for (const size_t i : moved) results[i]->Line += edit.difference();
  if (!project.RewriteMode) {
    project.UndoLines = before;
    project.UndoFile = path;
    project.UndoLine = result.Line;
    project.UndoMoved = moved;
  }
  project.AppliedIndex = static_cast<int>(index);
  project.LineDelta = edit.difference();
  markOutputLine(project, result, true);
  result.Applied = true;
  countApplied(project, result.Kind);
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
    TFrontOutput& result = *results[static_cast<size_t>(project.AppliedIndex)];
    result.Applied = false;
    markOutputLine(project, result, false);
  }
  for (const size_t i : project.UndoMoved) {
    if (i < results.size()) results[i]->Line -= project.LineDelta;
  }
  project.UndoMoved.clear();
  return true;
}

}  // namespace sorvik
