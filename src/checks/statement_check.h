// What every statement check shares: where a routine's statements lie, the helpers that
// turn an edited text into a suggestion, and the report. A check walks the statements of
// one routine; statement k is processed line BeginLine + 1 + k of the routine's unit, and
// its texts are the unit's parallel lists at that line.
#pragma once

#include <string>
#include <string_view>

#include "project/result.h"
#include "source/code_unit.h"
#include "source/line_props.h"
#include "source/procedure_item.h"

namespace sorvik {

class TProject;

// Kinds that more than one group of checks reports.
constexpr int kUnusedResultKind = 7;  // "Value returned from function is unused"
constexpr int kSetLengthKind = 24;    // "SetLength instead"

// The processed line of statement k.
inline int statementLine(const TProcedureItem& routine, size_t k) {
  return routine.BeginLine + 1 + static_cast<int>(k);
}
// A line that holds only a keyword (kind codes 1-15).
inline bool isKeywordLine(const TLineProps& props) {
  return props.StatementKind >= 1 && props.StatementKind <= 15;
}
// The kind is looked for in this run.
bool kindOn(const TProject& project, int kind);

// The text without one trailing and one leading quote (single or double).
std::string StripQuotes(std::string_view text);
// The leading blanks of the `Lines` text of a processed line.
std::string Indentation(const TProcedureItem& routine, int line);
// The `Lines` texts of every processed line that came from the same file line as `line`,
// joined with single blanks.
std::string PhysicalLineText(const TProcedureItem& routine, int line);
// Keeps a suggestion for one statement applicable when its file line holds several: a
// one-line suggestion becomes the whole file line with the statement's text replaced; a
// longer one is dropped. None when the statement's text is not found on the line.
SuggestionLines FitToPhysicalLine(const TProcedureItem& routine, int line,
                                  SuggestionLines suggestion);
// The stored file line of a processed line with the one word-bounded occurrence of `find`
// (compared in upper case; inside literals only when `inLiterals`) replaced; none when it
// occurs other than once. The stored line is the file line the processed line came from,
// whatever splits and expansions lie between them.
SuggestionLines ReplaceOnceInSourceLine(const TProcedureItem& routine, int line,
                                        std::string_view find, bool inLiterals,
                                        std::string_view replacement);

// The processed line shows constants' values in place of their names: a suggestion built
// from its text would write the values into the file.
bool showsConstantValues(const TProcedureItem& routine, int line);

// Reports a result of the routine; a suggestion built from the statement's own text is
// fitted to its file line first, and dropped when the text shows constants' values.
void reportStatement(TProject& project, TProcedureItem& routine, int kind, int line,
                     const std::string& message, SuggestionLines suggestion = {},
                     int lineCount = 1);
// Reports a result whose suggestion is already a whole file line (from
// ReplaceOnceInSourceLine or PhysicalLineText): fitting it would repeat the line's other
// statements.
void reportWholeLine(TProject& project, TProcedureItem& routine, int kind, int line,
                     const std::string& message, SuggestionLines suggestion);

}  // namespace sorvik
