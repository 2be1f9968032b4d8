#include "checks/statement_check.h"

#include <string>

#include "generic/strings.h"
#include "project/project.h"
#include "project/results.h"
#include "source/find_word.h"

namespace sorvik {

bool kindOn(const TProject& project, int kind) {
  return project.settings().kindEnabled(kind);
}

std::string StripQuotes(std::string_view text) {
  const auto isQuote = [](char c) { return c == '\'' || c == '"'; };
  if (!text.empty() && isQuote(text.back())) text.remove_suffix(1);
  if (!text.empty() && isQuote(text.front())) text.remove_prefix(1);
  return std::string(text);
}

std::string Indentation(const TProcedureItem& routine, int line) {
  const std::string& text = routine.Unit->Lines[static_cast<size_t>(line)];
  const size_t blanks = text.find_first_not_of(' ');
  return text.substr(0, blanks == std::string::npos ? text.size() : blanks);
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

// The processed line is one of the lines of an expanded include file: they all keep the
// file line of the directive, which a suggestion built from one of them must not replace.
bool fromIncludeFile(const TCodeUnit& unit, int line) {
  const int fileLine = unit.LineMap[static_cast<size_t>(line)];
  if (fileLine < 0 || static_cast<size_t>(fileLine) >= unit.SourceLines.size()) return false;
  return startsWith(upperCase(trimLeft(unit.SourceLines[static_cast<size_t>(fileLine)])), "{$I") &&
         !startsWith(unit.ScanLines[static_cast<size_t>(line)], "{$I");
}

}  // namespace

std::string PhysicalLineText(const TProcedureItem& routine, int line) {
  const TCodeUnit& unit = *routine.Unit;
  const auto [first, last] = physicalRun(unit, line);
  std::string text;
  for (size_t i = first; i <= last; ++i) {
    if (i > first) text += ' ';
    text += unit.Lines[i];
  }
  return text;
}

SuggestionLines FitToPhysicalLine(const TProcedureItem& routine, int line,
                                  SuggestionLines suggestion) {
  const TCodeUnit& unit = *routine.Unit;
  if (fromIncludeFile(unit, line)) return std::nullopt;
  const auto [first, last] = physicalRun(unit, line);
  if (first == last || !suggestion) return suggestion;
  if (suggestion->size() > 1) return std::nullopt;
  const std::string& own = unit.Lines[static_cast<size_t>(line)];
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

SuggestionLines ReplaceOnceInSourceLine(const TProcedureItem& routine, int line,
                                        std::string_view find, bool inLiterals,
                                        std::string_view replacement) {
  const TCodeUnit& unit = *routine.Unit;
  const int fileLine = unit.LineMap[static_cast<size_t>(line)];
  if (fileLine < 0 || static_cast<size_t>(fileLine) >= unit.SourceLines.size()) return std::nullopt;
  const std::string& stored = unit.SourceLines[static_cast<size_t>(fileLine)];
  const std::string upper = upperCase(stored);
  const std::string upperFind = upperCase(find);
  const int at = FindWord(upperFind, upper, true, inLiterals, 1);
  if (at == 0 || FindWord(upperFind, upper, true, inLiterals, at + 1) != 0) return std::nullopt;
  std::string replaced = stored;
  replaced.replace(static_cast<size_t>(at - 1), upperFind.size(), replacement);
  return std::vector<std::string>{replaced};
}

bool showsConstantValues(const TProcedureItem& routine, int line) {
  const TCodeUnit& unit = *routine.Unit;
  return unit.SubstitutedFileLines.count(unit.LineMap[static_cast<size_t>(line)]) > 0;
}

void reportStatement(TProject& project, TProcedureItem& routine, int kind, int line,
                     const std::string& message, SuggestionLines suggestion, int lineCount) {
  if (showsConstantValues(routine, line)) suggestion.reset();
  AddResult(project, kind, line, message, &routine, false,
            FitToPhysicalLine(routine, line, std::move(suggestion)), lineCount);
}

void reportWholeLine(TProject& project, TProcedureItem& routine, int kind, int line,
                     const std::string& message, SuggestionLines suggestion) {
  if (fromIncludeFile(*routine.Unit, line)) suggestion.reset();
  AddResult(project, kind, line, message, &routine, false, std::move(suggestion));
}

}  // namespace sorvik
