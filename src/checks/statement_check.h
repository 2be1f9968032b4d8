// What every statement check shares: where a routine's statements lie, the helpers that
// turn an edited text into a suggestion, and the report. A check walks the statements of
// one routine; statement k is processed line BeginLine + 1 + k of the routine's unit, and
// its texts are the unit's parallel lists at that line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// The unit names `unitName` in its uses clause (ignoring case): a suggestion that calls what
// that unit declares compiles only then.
bool usesUnit(const TCodeUnit& unit, std::string_view unitName);

// The text without one trailing and one leading quote (single or double).
std::string StripQuotes(std::string_view text);
// The leading blanks of the `Lines` text of a processed line.
std::string Indentation(const TProcedureItem& routine, int line);
// Keeps a suggestion for one statement applicable when its file line holds several: a
// one-line suggestion becomes the text of the whole file line with the statement's text
// replaced; a longer one is dropped. None when the statement's text is not found on the line.
SuggestionLines FitToPhysicalLine(const TProcedureItem& routine, int line,
                                  SuggestionLines suggestion);
// Where the word-bounded occurrences of `find` (compared in upper case; inside literals only
// when `inLiterals`) stand in the code of the stored file line of a processed line, in
// order: comments and directives are not searched. The stored line is the file line the
// processed line came from, whatever splits and expansions lie between them; nothing is
// found on a line of an include file or on one whose processed text shows other code.
std::vector<size_t> FindInSourceLine(const TProcedureItem& routine, int line, std::string_view find,
                                     bool inLiterals);
// The stored file line with the one occurrence of `find` (as FindInSourceLine finds it)
// replaced; none when it occurs other than once.
SuggestionLines ReplaceOnceInSourceLine(const TProcedureItem& routine, int line,
                                        std::string_view find, bool inLiterals,
                                        std::string_view replacement);

// The processed line shows constants' values in place of their names: a suggestion built
// from its text would write the values into the file.
bool showsConstantValues(const TProcedureItem& routine, int line);

// Reports a result of the routine. A suggestion built from the statement's own processed
// text is fitted to its file line, then carried over to the stored line so that the line's
// comments and directives stay (dropped when the change would take one away); it is dropped
// when the text shows constants' values or came from an include file. "{Remove line}"
// passes as it is.
void reportStatement(TProject& project, TProcedureItem& routine, int kind, int line,
                     const std::string& message, SuggestionLines suggestion = {},
                     int lineCount = 1);
// Reports a result whose suggestion is already the stored file line changed (from
// ReplaceOnceInSourceLine or FindInSourceLine).
void reportWholeLine(TProject& project, TProcedureItem& routine, int kind, int line,
                     const std::string& message, SuggestionLines suggestion);

}  // namespace sorvik
