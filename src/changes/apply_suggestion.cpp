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
#include "project/result_kinds.h"
#include "source/find_word.h"

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

// The steps around a change of the result's file: the warning, the file as it stands, the
// change (`edit`, false when it no longer fits the file), the backup and the save; the file
// as it was is kept for the undo.
template <typename Edit>
bool changeResultFile(TProject& project, const TFrontOutput& result, const Edit& edit) {
  if (!userAgrees(project)) return false;
  const std::string path = result.FilePath;
  std::optional<TextFile> file = readFileToChange(project, path);
  if (!file) return false;
  const TextFile before = *file;
  if (!edit(*file)) {
    project.context().prompter->showError(
        "The lines of this suggestion are no longer in the file:\r" + path);
    return false;
  }
  if (!PrepareBackupFolder(project) || !backUpAndSave(project, *file, path)) return false;
  project.UndoLines = before;
  project.UndoFile = path;
  project.UndoLine = result.Line;
  return true;
}

}  // namespace

bool ApplySuggestion(TProject& project, size_t index) {
  auto& results = project.report().Results;
  if (index >= results.size()) return false;
  TFrontOutput& result = *results[index];
  if (!result.Suggestions || result.Suggestions->empty() || result.Applied) return false;
  const LineEdit edit = lineEditOf(result);
  const auto replace = [&edit](TextFile& file) {
    if (edit.line < 1 || static_cast<size_t>(edit.line - 1 + edit.deleted) > file.lines.size())
      return false;
    replaceLines(file, static_cast<size_t>(edit.line - 1), static_cast<size_t>(edit.deleted),
                 edit.inserted);
    return true;
  };
  if (!changeResultFile(project, result, replace)) return false;
  const std::vector<size_t> moved = resultsAfter(project, index, edit, result.FilePath);
  for (const size_t i : moved) results[i]->Line += edit.difference();
  project.UndoMoved = moved;
  project.AppliedIndex = static_cast<int>(index);
  project.LineDelta = edit.difference();
  markApplied(project, result);
  return true;
}

bool ApplySpellingCorrection(TProject& project, size_t index, const std::string& replacement) {
  auto& results = project.report().Results;
  if (index >= results.size()) return false;
  TFrontOutput& result = *results[index];
  if (result.Kind != kSpellingKind || result.Applied || replacement.empty()) return false;
  const auto correct = [&result, &replacement](TextFile& file) {
    if (result.Line < 1 || static_cast<size_t>(result.Line) > file.lines.size()) return false;
    std::string& line = file.lines[static_cast<size_t>(result.Line - 1)];
    const std::string& word = result.Text;
    int at = FindWord(word, line, false, true, 1);
    if (at == 0) return false;
    // The search goes on after the replacement, which may hold the word itself.
    for (; at > 0;
         at = FindWord(word, line, false, true, at + static_cast<int>(replacement.size())))
      line.replace(static_cast<size_t>(at - 1), word.size(), replacement);
    return true;
  };
  if (!changeResultFile(project, result, correct)) return false;
  // A corrected word moves no line; the mark is the spelling list's, not the output line's.
  project.UndoMoved.clear();
  project.AppliedIndex = static_cast<int>(index);
  project.LineDelta = 0;
  result.Applied = true;
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
