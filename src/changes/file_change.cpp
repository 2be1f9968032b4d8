#include "changes/file_change.h"

#include <string_view>

#include "changes/backups.h"
#include "changes/save_string_list.h"
#include "changes/write_rules.h"
#include "formanalysis/form_file_reader.h"
#include "naming/rename.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result.h"

namespace sorvik {

namespace {

constexpr std::string_view kAppliedMark = " (Applied)";

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

std::string* outputLineOf(TProject& project, const TFrontOutput& result) {
  auto& lines = project.report().OutputLines;
  if (result.OutputIndex < 0 || static_cast<size_t>(result.OutputIndex) >= lines.size())
    return nullptr;
  return &lines[static_cast<size_t>(result.OutputIndex)];
}

}  // namespace

bool acceptChanges(TProject& project, const char* key) {
  AppContext& context = project.context();
  if (context.config.readBool("General", key, true)) {
    const Prompter::DisclaimerAnswer answer = context.prompter->askChangeWarning();
    if (!answer.accepted) return false;
    if (answer.dontShowAgain) context.config.writeBool("General", "Applychange", false);
  }
  project.ChangesApplied = true;
  return true;
}

std::optional<TextFile> readFileToChange(TProject& project, const std::string& path) {
  Prompter& prompter = *project.context().prompter;
  if (isReadOnlyFile(path)) {
    prompter.showError("The following file cannot be updated as it is set to read only:\r" + path);
    return std::nullopt;
  }
  const std::optional<std::string> bytes = readFileBytes(path);
  if (!bytes) {
    prompter.showError("The following file could not be read:\r" + path);
    return std::nullopt;
  }
  if (isBinaryFormBytes(*bytes)) {
    prompter.showError("The following file is a binary form and is not changed as text:\r" + path);
    return std::nullopt;
  }
  return splitText(*bytes);
}

bool backUp(TProject& project, const std::string& path) {
  if (BackupFile(project, path)) return true;
  project.context().prompter->showError(
      "The following file could not be backed up, so it was left alone:\r" + path);
  return false;
}

bool backUpAndSave(TProject& project, const TextFile& changed, const std::string& path) {
  Prompter& prompter = *project.context().prompter;
  if (!backUp(project, path)) return false;
  if (!SaveStringList(changed, path, prompter)) {
    prompter.showWarning(
        "Error saving the file after applying the suggestion\r\rThis suggestion may not have "
        "been applied properly");
    return false;
  }
  return true;
}

void markApplied(TProject& project, TFrontOutput& result) {
  if (std::string* line = outputLineOf(project, result)) *line += kAppliedMark;
  result.Applied = true;
  countApplied(project, result.Kind);
}

void unmarkApplied(TProject& project, TFrontOutput& result) {
  std::string* line = outputLineOf(project, result);
  if (line && line->ends_with(kAppliedMark)) line->resize(line->size() - kAppliedMark.size());
  result.Applied = false;
}

void attachFileChanges(AppContext& context) {
  // The rename is a bulk run: it writes only what such a run may.
  const auto read = [](TProject& project, const std::string& path) -> std::optional<TextFile> {
    if (!mayWriteInBulk(project, path)) return std::nullopt;
    return readFileToChange(project, path);
  };
  context.service<RenameWriter>() = {read, backUpAndSave};
}

}  // namespace sorvik
