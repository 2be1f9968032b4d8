// The steps every change of a user's file goes through, shared by "Apply suggestion" and
// the rewrite run: reading the file as it stands, the backup and the safe save, and the
// marks an applied result carries.
#pragma once

#include <optional>
#include <string>

#include "generic/text_file.h"

namespace sorvik {

class TProject;
struct TFrontOutput;
struct AppContext;

// The change warning before a change run, when the [General] switch `key` asks for it;
// "do not show again" switches Applychange off. False when the user declined; otherwise the
// project's ChangesApplied is set.
bool acceptChanges(TProject& project, const char* key);
// The file as it stands, or nullopt after a message: it is read-only, unreadable, or a
// binary form (which is never written as text).
std::optional<TextFile> readFileToChange(TProject& project, const std::string& path);
// Backs the file up into the run's backup folder (when one is prepared); false after a
// message when the copy fails.
bool backUp(TProject& project, const std::string& path);
// Backs the file up into the run's backup folder (which must be prepared) and writes
// `changed` over it; false after a message when either fails, the file left as it was.
bool backUpAndSave(TProject& project, const TextFile& changed, const std::string& path);
// Marks the result applied: its output line, its flag and the applied counts.
void markApplied(TProject& project, TFrontOutput& result);
// Takes the mark off again (undo).
void unmarkApplied(TProject& project, TFrontOutput& result);

// Lets the rename run read and write files through these steps.
void attachFileChanges(AppContext& context);

}  // namespace sorvik
