#include "checks/statement_check.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "checks/stored_line.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/results.h"
#include "source/find_word.h"
#include "source/line_forms.h"

namespace sorvik {

bool kindOn(const TProject& project, int kind) {
  return project.settings().kindEnabled(kind);
}

bool usesUnit(const TCodeUnit& unit, std::string_view unitName) {
  return std::any_of(unit.UsesList.begin(), unit.UsesList.end(),
                     [&](const std::string& name) { return sameText(name, unitName); });
}

std::string StripQuotes(std::string_view text) {
  const auto isQuote = [](char c) { return c == '\'' || c == '"'; };
  if (!text.empty() && isQuote(text.back())) text.remove_suffix(1);
  if (!text.empty() && isQuote(text.front())) text.remove_prefix(1);
  return std::string(text);
}

std::string Indentation(const TProcedureItem& routine, int line) {
  const std::string_view text = routine.Unit->Lines[static_cast<size_t>(line)];
  const size_t blanks = text.find_first_not_of(' ');
  return std::string(text.substr(0, blanks == std::string::npos ? text.size() : blanks));
}

namespace {

// The processed lines around `line` that came from the same file line: [first, last].
std::pair<size_t, size_t> physicalRun(const TCodeUnit& unit, int line) {
  const size_t at = static_cast<size_t>(line);
  const int fileLine = unit.LineMap[at];
  size_t first = at, last = at;
  while (first > 0 && unit.LineMap[first - 1] == fileLine) --first;
  while (last + 1 < unit.size() && unit.LineMap[last + 1] == fileLine) ++last;
  return {first, last};
}

// The stored file line of a processed line; none past the file's lines.
const std::string* storedText(const TCodeUnit& unit, int line) {
  const int fileLine = unit.LineMap[static_cast<size_t>(line)];
  if (fileLine < 0 || static_cast<size_t>(fileLine) >= unit.SourceLines.size()) return nullptr;
  return &unit.SourceLines[static_cast<size_t>(fileLine)];
}

// A directive that the loader replaces by the lines of the file it names: "{$I name}" or
// "{$INCLUDE name}" at the start of the line, and no other "{$I..." directive.
bool namesIncludeFile(std::string_view stored) {
  if (!trimView(stored).starts_with("{$I")) return false;
  const std::string text = compactLine(stored);
  return text.size() > 4 && (text[3] == ' ' || text.compare(3, 6, "NCLUDE") == 0);
}

// The processed line is one of the lines of an expanded include file: they all keep the
// file line of the directive, which a suggestion built from one of them must not replace.
// A directive that was not expanded is its own processed line and comes from no file.
bool fromIncludeFile(const TCodeUnit& unit, int line) {
  if (!unit.Project.settings().DoIncludes) return false;
  const std::string* stored = storedText(unit, line);
  return stored && namesIncludeFile(*stored) &&
         !unit.ScanLines[static_cast<size_t>(line)].starts_with("{$I");
}

// The stored file line of a processed line, read for the code and comments it holds;
// none for a line of an include file and for one that begins inside a comment.
std::optional<StoredLine> storedLine(const TProcedureItem& routine, int line) {
  const TCodeUnit& unit = *routine.Unit;
  if (fromIncludeFile(unit, line)) return std::nullopt;
  const std::string* stored = storedText(unit, line);
  if (!stored) return std::nullopt;
  return StoredLine::read(*stored, unit.Lines[physicalRun(unit, line).first], unit.IsCpp);
}

bool isEditMarker(const SuggestionLines& suggestion) {
  return suggestion && suggestion->size() == 1 && suggestion->front() == "{Remove line}";
}

// The suggestion for the whole file line(s) made from the processed text: a one-line
// change is carried over to the stored line, so that its comments and directives stay; a
// suggestion that replaces more lines, or writes more, keeps only the comments that end
// a single line, and is dropped when others would go.
SuggestionLines onStoredLines(const TProcedureItem& routine, int line, SuggestionLines suggestion,
                              int lineCount) {
  if (!suggestion || isEditMarker(suggestion)) return suggestion;
  const std::optional<StoredLine> stored = storedLine(routine, line);
  if (!stored) return std::nullopt;
  if (suggestion->size() == 1 && lineCount == 1) {
    std::optional<std::string> carried = stored->carry(suggestion->front());
    if (!carried) return std::nullopt;
    return std::vector<std::string>{std::move(*carried)};
  }
  if (lineCount == 1) {
    const std::optional<std::string> trailing = stored->trailingComments();
    if (!trailing || suggestion->empty()) return std::nullopt;
    suggestion->back() += *trailing;
    return suggestion;
  }
  const TCodeUnit& unit = *routine.Unit;
  for (int k = 0; k < lineCount; ++k) {
    const int fileLine = unit.LineMap[static_cast<size_t>(line)] + k;
    if (static_cast<size_t>(fileLine) >= unit.SourceLines.size()) return std::nullopt;
    const auto roles = CharRoles(unit.SourceLines[static_cast<size_t>(fileLine)], unit.IsCpp);
    if (std::find(roles.begin(), roles.end(), CharRole::Comment) != roles.end())
      return std::nullopt;
  }
  return suggestion;
}

}  // namespace

SuggestionLines FitToPhysicalLine(const TProcedureItem& routine, int line,
                                  SuggestionLines suggestion) {
  const TCodeUnit& unit = *routine.Unit;
  const auto [first, last] = physicalRun(unit, line);
  if (first == last || !suggestion) return suggestion;
  if (suggestion->size() > 1) return std::nullopt;
  const std::string_view own = unit.Lines[static_cast<size_t>(line)];
  std::string joined;
  bool met = false;
  for (size_t i = first; i <= last; ++i) {
    if (i > first) joined += ' ';
    if (!met && unit.Lines[i] == own) {
      met = true;
      if (!suggestion->empty()) joined += suggestion->front();
    } else {
      joined += unit.Lines[i];
    }
  }
  if (!met) return std::nullopt;
  return std::vector<std::string>{joined};
}

std::vector<size_t> FindInSourceLine(const TProcedureItem& routine, int line, std::string_view find,
                                     bool inLiterals) {
  const std::optional<StoredLine> stored = storedLine(routine, line);
  std::vector<size_t> found;
  if (!stored || find.empty()) return found;
  const std::string code = upperCase(stored->code());
  const std::string upperFind = upperCase(find);
  for (int at = FindWord(upperFind, code, true, inLiterals, 1); at != 0;
       at = FindWord(upperFind, code, true, inLiterals, at + 1))
    found.push_back(static_cast<size_t>(at - 1));
  return found;
}

SuggestionLines ReplaceOnceInSourceLine(const TProcedureItem& routine, int line,
                                        std::string_view find, bool inLiterals,
                                        std::string_view replacement) {
  const std::vector<size_t> found = FindInSourceLine(routine, line, find, inLiterals);
  if (found.size() != 1) return std::nullopt;
  std::string replaced = *storedText(*routine.Unit, line);
  replaced.replace(found.front(), find.size(), replacement);
  return std::vector<std::string>{replaced};
}

bool showsConstantValues(const TProcedureItem& routine, int line) {
  const TCodeUnit& unit = *routine.Unit;
  return unit.SubstitutedFileLines.count(unit.LineMap[static_cast<size_t>(line)]) > 0;
}

void reportStatement(TProject& project, TProcedureItem& routine, int kind, int line,
                     const std::string& message, SuggestionLines suggestion, int lineCount) {
  if (showsConstantValues(routine, line)) suggestion.reset();
  suggestion = FitToPhysicalLine(routine, line, std::move(suggestion));
  AddResult(project, kind, line, message, &routine, false,
            onStoredLines(routine, line, std::move(suggestion), lineCount), lineCount);
}

void reportWholeLine(TProject& project, TProcedureItem& routine, int kind, int line,
                     const std::string& message, SuggestionLines suggestion) {
  if (fromIncludeFile(*routine.Unit, line)) suggestion.reset();
  AddResult(project, kind, line, message, &routine, false, std::move(suggestion));
}

}  // namespace sorvik
