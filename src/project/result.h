// One reported result, the results a routine or form holds until it is finished, and
// the objects that results are reported against.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace sorvik {

using SuggestionLines = std::optional<std::vector<std::string>>;

struct TFrontOutput {
  int Line = -1;         // 1-based line of the file on disk; -1: no line
  std::string Text;      // tag and message, e.g. "):[Hint] Use SinCos instead"
  std::string FilePath;  // the file being analysed when the result was made
  int Kind = 0;
  int LineCount = 1;  // lines of the file, from Line on, that the suggestion replaces
  SuggestionLines Suggestions;
  bool Applied = false;
  int StartCol = 1;
  int EndLine = 0;
  int EndCol = 0;
  int OutputIndex = -1;  // its line in the output list; -1 when it was not displayed

  bool hasSpan() const { return EndLine != 0 && EndCol != 0 && !Applied; }
};

// The edit markers a suggestion may hold.
inline constexpr const char* kInsertMarker = "{Insert:}";
inline constexpr const char* kRemoveLineMarker = "{Remove line}";

// What applying a result's replacement lines does to its file: `deleted` lines from the
// 1-based `line` on give way to `inserted`.
struct LineEdit {
  int line = 1;
  int deleted = 0;
  std::vector<std::string> inserted;

  // How many lines the file gains (or, below 0, loses).
  int difference() const { return static_cast<int>(inserted.size()) - deleted; }
};
// The edit of a result with replacement lines: "{Remove line}" alone deletes `LineCount`
// lines, a first line "{Insert:}" inserts the others before `Line`, any other lines replace
// `LineCount` lines.
LineEdit lineEditOf(const TFrontOutput& result);

// A result held by a routine or form until it is finished.
struct PendingEntry {
  std::string key;  // line count, 10-digit line, tag and message, "|", kind
  SuggestionLines suggestions;
};
using PendingHints = std::vector<PendingEntry>;

// Display line numbers already reported, one result per line.
using ReportedLineSet = std::set<int>;

// What a check reports against: a routine, a unit or a form. Web pages report without
// an owner.
class ResultOwner {
 public:
  enum class Kind { Routine, Unit, Form };
  virtual ~ResultOwner() = default;
  virtual Kind ownerKind() const = 0;
  // The file line (0-based) of a processed line of the owner's unit; routine and unit
  // owners map, others give the index back.
  virtual int mapLine(int processedLine) const { return processedLine; }
  // The processed line begins with "{$I" in the unit's scan lines.
  virtual bool isIncludeLine(int /*processedLine*/) const { return false; }
  // Routine and form owners hold their results.
  virtual PendingHints* pendingHints() { return nullptr; }
  // A unit owner's own reported-line set.
  virtual ReportedLineSet* reportedLines() { return nullptr; }
};

// Splits a pending key back into line count, line, text and kind.
struct PendingParts {
  int lineCount = 1;
  int line = -1;
  std::string text;
  int kind = 0;
};
PendingParts splitPendingKey(const std::string& key);
std::string makePendingKey(int lineCount, const std::string& lineField, const std::string& message,
                           int kind);

}  // namespace sorvik
