#include "changes/rewrite.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "changes/apply_naming_suggestions.h"
#include "changes/backups.h"
#include "changes/file_change.h"
#include "changes/write_rules.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "naming/naming_lists.h"
#include "naming/rename.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result.h"
#include "project/scan_driver.h"

namespace sorvik {

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

// A suggestion chosen for a file: its result, its edit on the lines as scanned, and its
// place in the output list (later ones on the same line compose on earlier ones).
struct ChosenEdit {
  size_t result = 0;
  int line = 0;
  LineEdit edit;
  size_t order = 0;
};

// Edits in the order they stand in the file: by line, an insertion before a replacement
// that starts on its line, and otherwise in the order they were chosen.
bool comesFirst(const ChosenEdit& a, const ChosenEdit& b) {
  if (a.line != b.line) return a.line < b.line;
  const bool aReplaces = a.edit.deleted > 0;
  const bool bReplaces = b.edit.deleted > 0;
  if (aReplaces != bReplaces) return !aReplaces;
  return a.order < b.order;
}

// Writes the chosen edits of one file at once: one read, one backup, one write. The file's
// other results move by the lines the edits before them added or removed.
void applyToFile(TProject& project, const std::string& path, std::vector<ChosenEdit> edits) {
  std::optional<TextFile> file = readFileToChange(project, path);
  if (!file) return;
  std::erase_if(edits, [&](const ChosenEdit& chosen) {
    const bool fits =
        chosen.line >= 1 &&
        static_cast<size_t>(chosen.line - 1 + chosen.edit.deleted) <= file->lines.size();
    if (!fits)
      project.context().prompter->showError(
          "The lines of this suggestion are no longer in the file:\r" + path);
    return !fits;
  });
  if (edits.empty()) return;
  std::stable_sort(edits.begin(), edits.end(), comesFirst);

  std::vector<LineReplacement> replacements;
  for (const ChosenEdit& chosen : edits) {
    const auto first = static_cast<size_t>(chosen.line - 1);
    // A one-line change on the line an earlier one rewrote replaces what that one wrote.
    if (!replacements.empty() && chosen.edit.deleted > 0 && replacements.back().count > 0 &&
        replacements.back().first == first)
      replacements.pop_back();
    replacements.push_back({first, static_cast<size_t>(chosen.edit.deleted), chosen.edit.inserted});
  }
  replaceLines(*file, std::move(replacements));
  if (!backUpAndSave(project, *file, path)) return;

  // Lines added or removed before each point, in the order of the edits.
  std::vector<int> shiftBefore(edits.size() + 1, 0);
  for (size_t i = 0; i < edits.size(); ++i)
    shiftBefore[i + 1] = shiftBefore[i] + edits[i].edit.difference();
  auto& results = project.report().Results;
  std::vector<bool> applied(results.size(), false);
  for (size_t i = 0; i < edits.size(); ++i) {
    applied[edits[i].result] = true;
    TFrontOutput& result = *results[edits[i].result];
    result.Line += shiftBefore[i];
    markApplied(project, result);
  }
  for (size_t i = 0; i < results.size(); ++i) {
    TFrontOutput& other = *results[i];
    if (applied[i] || other.FilePath != path) continue;
    // Everything on an earlier line moves it, and an insertion on its own line too.
    const auto after = std::partition_point(edits.begin(), edits.end(), [&](const ChosenEdit& e) {
      return e.line < other.Line || (e.line == other.Line && e.edit.deleted == 0);
    });
    other.Line += shiftBefore[static_cast<size_t>(after - edits.begin())];
  }
}

// Applies every result with replacement lines, chosen in the order of the output list and
// written file by file; returns how many were passed over for overlapping an earlier one.
int applyAll(TProject& project) {
  auto& results = project.report().Results;
  std::vector<size_t> order;
  for (size_t i = 0; i < results.size(); ++i) {
    if (results[i]->OutputIndex >= 0) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&results](size_t a, size_t b) {
    return results[a]->OutputIndex < results[b]->OutputIndex;
  });

  std::vector<std::string> files;  // in the order of their first chosen suggestion
  std::map<std::string, std::vector<ChosenEdit>> chosen;
  std::map<std::string, std::vector<ChangedSpan>> changed;
  int passedOver = 0;
  for (const size_t i : order) {
    const TFrontOutput& result = *results[i];
    if (!result.Suggestions || result.Suggestions->empty() || result.Applied) continue;
    if (!mayWriteInBulk(project, result.FilePath)) continue;
    const LineEdit edit = lineEditOf(result);
    std::vector<ChangedSpan>& spans = changed[result.FilePath];
    if (overlaps(spans, result.Line, edit)) {
      ++passedOver;
      continue;
    }
    spans.push_back({result.Line, edit.deleted, static_cast<int>(edit.inserted.size())});
    std::vector<ChosenEdit>& edits = chosen[result.FilePath];
    if (edits.empty()) files.push_back(result.FilePath);
    edits.push_back({i, result.Line, edit, edits.size()});
  }
  for (const std::string& path : files) {
    if (project.StopRequested) break;
    applyToFile(project, path, std::move(chosen[path]));
  }
  return passedOver;
}

}  // namespace

RewriteOutcome StartRewrite(TProject& project, const RewriteChoices& choices) {
  RewriteOutcome outcome;
  if (!acceptChanges(project, "Disclaimer")) {
    outcome.declined = true;
    return outcome;
  }
  project.RewriteMode = true;
  // Each step is a run of its own on freshly read files: nothing an earlier step prepared
  // or counted may stand for the files it has since changed.
  const auto startStep = [&project](StartCommand command) {
    if (project.ScanDone) project.ResetProject();
    setModeFlags(project, command);
    project.RewriteMode = true;
  };
  const auto keepOutput = [&project, &outcome] {
    const auto& lines = project.report().OutputLines;
    outcome.outputLines.insert(outcome.outputLines.end(), lines.begin(), lines.end());
  };

  int namingApplied = 0;
  if ((choices.naming || choices.varCase) && !project.StopRequested) {
    startStep(StartCommand::Naming);
    project.NamingMode = choices.naming;
    project.VarCaseMode = choices.varCase;
    Start(project);
    keepOutput();
    const NamingLists& lists = namingLists(project);
    if (!project.StopRequested && (!lists.renames().empty() || !lists.variables().empty()) &&
        ApplyNamingSuggestions(project, nullptr)) {
      keepOutput();
      namingApplied = appliedNamingSuggestions(project);
    }
  }

  int passedOver = 0;
  if (choices.optimizations && !project.StopRequested) {
    startStep(StartCommand::Scan);
    Start(project);
    // One backup folder holds the first copy of every file the step changes.
    if (!project.StopRequested && PrepareBackupFolder(project)) passedOver = applyAll(project);
    keepOutput();
  }

  const TCounts& counts = project.report().Counts;
  outcome.completion = "Project Rewrite complete.\r\r" +
                       CountText(counts.AppliedHints, "Applied Hint") + "\r" +
                       CountText(counts.AppliedWarnings, "Applied Warning") + "\r" +
                       CountText(namingApplied, "Applied Naming suggestion");
  if (passedOver > 0) {
    outcome.completion += "\r\r" + CountText(passedOver, "suggestion") +
                          " not applied: an earlier change had altered or removed its lines";
  }
  project.RewriteMode = false;
  return outcome;
}

}  // namespace sorvik
