#include "project/results.h"

#include <algorithm>

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/result_kinds.h"

namespace sorvik {

namespace {

std::string padLine(int line) {
  std::string text = std::to_string(line);
  if (text.size() < 10) text.insert(0, 10 - text.size(), '0');
  return text;
}

bool oneResultPerLine(const TProject& project) {
  return !project.SpellMode && !project.SearchMode;
}

}  // namespace

std::string displayLine(const std::string& filePath, int line, const std::string& text) {
  std::string display = "\"" + fileNameOf(filePath) + "\"(";
  if (line >= 0) display += std::to_string(line);
  return display + text;
}

void AddResult(TProject& project, int kind, int line, const std::string& text, ResultOwner* owner,
               bool isWarning, SuggestionLines suggestions, int lineCount, ResultSpan span) {
  if (isHintRange(kind) && kind != kUnusedVariableKind && !project.settings().HintEnabled[kind])
    return;
  if (kind == kVariableCaseKind) suggestions.reset();

  const bool isHint = isHintKind(kind, isWarning);
  const bool unitLevel =
      (owner && owner->ownerKind() == ResultOwner::Kind::Unit) || isDelphiHintRange(kind);
  const bool webLevel = isWebHintRange(kind);
  const bool mapsLine = owner && (owner->ownerKind() == ResultOwner::Kind::Routine ||
                                  owner->ownerKind() == ResultOwner::Kind::Unit);
  const int processedLine = line;

  if (line >= 0 && !isDelphiHintRange(kind) && mapsLine) line = owner->mapLine(line);
  if (line != -1 && !isDelphiHintRange(kind) && !webLevel) ++line;
  // The span's defaults take the line as shown, so that the selection lies on the
  // result's own line whatever mapping the line went through.
  if (span.endLine > 0 && span.endCol == 0) {
    span.endCol = span.endLine;
    span.endLine = line;
  } else if (span.endLine == 0 && span.endCol == 0) {
    span.endLine = line;
  }

  if (oneResultPerLine(project) && line != -1) {
    ReportedLineSet* reported = unitLevel && owner && owner->reportedLines()
                                    ? owner->reportedLines()
                                    : &project.report().RoutineReportedLines;
    if (!reported->insert(line).second) return;
  }

  const std::string lineField = unitLevel || webLevel || line == -1 ? "" : padLine(line);
  if (line != -1 && suggestions && mapsLine && owner->isIncludeLine(processedLine))
    suggestions.reset();

  auto& report = project.report();
  report.CountResult(kind, isWarning);
  report.UpdateStatus();
  report.UpdateTree(kind, isWarning);

  std::string message;
  if (project.NamingMode || project.RenameMode)
    message = "):";
  else
    message = isHint ? "):[Hint] " : "):[Warn] ";
  if (project.settings().UseIfDefs && project.VariantCounter > 2)
    message += "Under specific defines, ";
  message += text;

  if (owner && !unitLevel) {
    if (PendingHints* pending = owner->pendingHints()) {
      pending->push_back(
          {makePendingKey(lineCount, lineField, message, kind), std::move(suggestions)});
      return;
    }
  }
  if (unitLevel) {
    AddOutput(project, line, message, std::move(suggestions), lineCount, span, kind);
    return;
  }
  // Only web page results come without an owner, and they have no line field.
  AddOutput(project, line, message, std::move(suggestions), 1, span, kind);
}

TFrontOutput& AddOutput(TProject& project, int line, const std::string& text,
                        SuggestionLines suggestions, int lineCount, ResultSpan span, int kind) {
  project.pollEvents();
  auto record = std::make_unique<TFrontOutput>();
  record->Line = line;
  record->Text = text;
  record->FilePath = project.CurrentFile;
  record->Kind = kind;
  record->LineCount = lineCount;
  record->Suggestions = std::move(suggestions);
  record->StartCol = span.startCol;
  record->EndLine = span.endLine;
  record->EndCol = span.endCol;

  auto& report = project.report();
  if (project.SpellMode || project.SearchMode)
    return report.appendResult(std::move(record), nullptr);
  const std::string display = displayLine(project.CurrentFile, line, text);
  if (project.RenameMode && project.context().hooks.isNamingSuggestionLine &&
      project.context().hooks.isNamingSuggestionLine(project, display))
    return report.appendResult(std::move(record), nullptr);
  auto& stored = report.appendResult(std::move(record), &display);
  project.observer().outputLineAdded(display);
  project.pollEvents();
  return stored;
}

void FlushPendingHints(TProject& project, PendingHints& pending) {
  std::stable_sort(pending.begin(), pending.end(),
                   [](const auto& a, const auto& b) { return compareText(a.key, b.key) < 0; });
  for (auto& entry : pending) {
    const PendingParts parts = splitPendingKey(entry.key);
    AddOutput(project, parts.line, parts.text, std::move(entry.suggestions), parts.lineCount,
              ResultSpan{}, parts.kind);
  }
  pending.clear();
}

}  // namespace sorvik
