// Applying the replacement lines of one result to its file ("Apply suggestion"), or the
// correction of a misspelled word, and undoing the last one applied. The results of the
// file that come after a change of lines move with it.
#pragma once

#include <cstddef>
#include <string>

namespace sorvik {

class TProject;

// Applies the replacement lines of result `index` of the project's results: the user is
// warned first (unless told not to be again) and the file as it was is kept for the undo. False
// when nothing was changed: the user declined, the result has no replacement lines or they no
// longer fit the file, the backup or the save failed.
bool ApplySuggestion(TProject& project, size_t index);
// Corrects the word of spelling result `index`: every whole-word occurrence of it in the
// result's line, in code and in strings alike, becomes `replacement`. The user is warned as
// above and the file as it was is kept for the undo. False when nothing was changed.
bool ApplySpellingCorrection(TProject& project, size_t index, const std::string& replacement);
// Puts the file of the last applied suggestion back as it was; false, after a message,
// when there is nothing to undo or the file cannot be written.
bool UndoSuggestion(TProject& project);

}  // namespace sorvik
