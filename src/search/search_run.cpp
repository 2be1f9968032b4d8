#include "search/search_run.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/app_context.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result_kinds.h"
#include "project/results.h"
#include "project/scan_driver.h"
#include "search/search_options.h"
#include "search/search_utils.h"
#include "source/code_unit.h"
#include "source/procedure_item.h"
#include "source/routine_analysers.h"

namespace sorvik {

namespace {

struct SearchRunData : RunData {
  std::vector<std::vector<std::string>> Rows;
  // Files on whose lines a regular expression was given up.
  std::vector<std::string> GivenUp;
};

SearchRunData& runData(TProject& project) {
  return project.runData<SearchRunData>();
}

bool isFormFile(const std::string& path) {
  const std::string tail = lowerCase(path.size() >= 4 ? path.substr(path.size() - 4) : path);
  return tail == ".dfm" || tail == ".nfm";
}

// The line list a unit search reads.
const LineList& searchedLines(const TCodeUnit& unit, const TSearchOptions& options) {
  if (options.CaseSensitive) return options.IgnoreSpacing ? unit.CompactLines : unit.Lines;
  return options.IgnoreSpacing ? unit.CompactUpperLines : unit.UpperLines;
}

// One matcher for a unit or a form: plain, whole words or a regular expression.
class LineMatcher {
 public:
  // `upperOutsideLiterals`: the lines are upper case already but for their literals.
  LineMatcher(const TSearchOptions& options, bool upperOutsideLiterals)
      : options_(options), plain_(options.SearchText), upperOutsideLiterals_(upperOutsideLiterals) {
    if (options.UseRegExpr) expression_.emplace(options.Expression, options.CaseSensitive);
    plain_.InLiterals = !options.IgnoreLiterals;
  }

  // Whether the line matches; unless the search is case-sensitive the line is upper-cased in
  // full, literals too.
  bool matches(std::string_view line, bool& givenUp) {
    std::string_view text = line;
    if (!options_.CaseSensitive &&
        (!upperOutsideLiterals_ || line.find('\'') != std::string::npos)) {
      upper_ = upperCase(line);
      text = upper_;
    }
    if (expression_) {
      expression_->Text = text;
      const ExpressionOutcome outcome = expression_->MatchExpression(options_.WholeWords);
      if (outcome == ExpressionOutcome::TooComplex) givenUp = true;
      return outcome == ExpressionOutcome::Match;
    }
    plain_.Text = text;
    return (options_.WholeWords ? plain_.FindWholeWords(1) : plain_.FindPlain(1)) > 0;
  }

 private:
  const TSearchOptions& options_;
  TSearchUtils plain_;
  std::optional<TSynSearchUtil> expression_;
  bool upperOutsideLiterals_;
  std::string upper_;
};

void noteGivenUp(TProject& project) {
  auto& givenUp = runData(project).GivenUp;
  if (!givenUp.empty() && givenUp.back() == project.CurrentFile) return;
  givenUp.push_back(project.CurrentFile);
  project.addError("Regular expression too complex for a line of " + project.CurrentFile +
                   ": the line is taken as not matching");
}

// The longest run of ASCII letters, digits and "_" in the text: whatever the preparation
// of a unit's lines does (blanks compacted, comments blanked, letters upper-cased), such a
// run of a line it finds stands in the file as written, in some letter case.
std::string_view keyRun(std::string_view text) {
  std::string_view best;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i;
    while (end < text.size() && isIdentChar(text[end])) ++end;
    if (end - i > best.size()) best = text.substr(i, end - i);
    i = end + 1;
  }
  return best;
}

bool containsAsciiIgnoringCase(std::string_view bytes, std::string_view word) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::search(bytes.begin(), bytes.end(), word.begin(), word.end(),
                     [&](char a, char b) { return lower(a) == lower(b); }) != bytes.end();
}

// A plain search passes over a unit whose file does not hold the key run of its text. The
// unit must show an implementation section, so that the error of a unit without one is
// still reported.
bool unitCannotMatch(const TSearchOptions& options, const std::string& path) {
  if (options.UseRegExpr || options.UseTemplate) return false;
  const std::string_view key = keyRun(options.SearchText);
  if (key.empty()) return false;
  const std::optional<std::string> bytes = readFileBytes(path);
  if (!bytes || !containsAsciiIgnoringCase(*bytes, "implementation")) return false;
  if (options.CaseSensitive) return bytes->find(key) == std::string::npos;
  return !containsAsciiIgnoringCase(*bytes, key);
}

void searchRoutine(TProject& project, TProcedureItem& routine) {
  if (!project.SearchMode) return;
  TSearchOptions* options = currentSearchOptions(project.context());
  if (!options || !options->UseTemplate || !options->SearchTemplate) return;
  TCodeTemplate& search = *options->SearchTemplate;
  search.Routine = &routine;
  search.SearchHit = [&](const std::string& text, int, int fileLine) {
    AddSearchHit(project, text, fileLine);
    options->Results.AddResult(fileLine, project.CurrentFile);
  };
  try {
    search.RunTemplates(project);
  } catch (const std::exception&) {
    project.addError("Error scanning template in " + project.CurrentFile);
  }
  search.Routine = nullptr;
  search.SearchHit = nullptr;
}

}  // namespace

TSearchOptions* currentSearchOptions(AppContext& context) {
  return context.service<CurrentSearch>().Options.get();
}

void SetSearchOptions(AppContext& context, std::unique_ptr<TSearchOptions> options) {
  auto& current = context.service<CurrentSearch>().Options;
  current.reset();  // stores the hits of the search before
  current = std::move(options);
}

void StartSearch(TProject& project) {
  TSearchOptions& options = *currentSearchOptions(project.context());
  setModeFlags(project, StartCommand::Search);
  SearchWalk& walk = project.Search;
  walk.coversCode = options.Scope != kScopeForms;
  walk.coversForms = options.Scope != kScopeSourceCode;
  walk.byRoutines = options.UseTemplate;
  walk.ignoreComments = options.IgnoreComments;
  walk.full = [&options] { return options.full(); };
  walk.searchForm = [&options](TProject& run, const std::vector<std::string>& lines) {
    SearchFormLines(run, options, lines);
  };
  walk.cannotMatch = [&options](const std::string& path) { return unitCannotMatch(options, path); };
  runData(project).Rows.clear();
  Start(project);
  walk.full = nullptr;
  walk.searchForm = nullptr;
  walk.cannotMatch = nullptr;
}

bool SearchUnitLines(TProject& project, TCodeUnit& unit, TSearchOptions& options) {
  if (options.full()) return false;
  LineMatcher matcher(options, true);
  const LineList& lines = searchedLines(unit, options);
  bool givenUp = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int n = unit.LineMap[i];
    if (options.LastResults && !options.LastResults->TakeLine(project.CurrentFile, n)) continue;
    if (lines[i].empty() || !matcher.matches(lines[i], givenUp)) continue;
    AddSearchHit(project, std::string(unit.CompactLines[i]), n);
    options.Results.AddResult(n, project.CurrentFile);
    if (options.full()) return false;
  }
  if (givenUp) noteGivenUp(project);
  return true;
}

void SearchFormLines(TProject& project, TSearchOptions& options,
                     const std::vector<std::string>& lines) {
  LineMatcher matcher(options, false);
  bool givenUp = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int n = static_cast<int>(i);
    if (options.LastResults && !options.LastResults->TakeLine(project.CurrentFile, n)) continue;
    if (lines[i].empty() || !matcher.matches(lines[i], givenUp)) continue;
    AddSearchHit(project, lines[i], n);
    options.Results.AddResult(n, project.CurrentFile);
    if (options.full()) break;
  }
  if (givenUp) noteGivenUp(project);
}

void AddSearchHit(TProject& project, const std::string& text, int line) {
  try {
    const std::string& file = project.CurrentFile;
    runData(project).Rows.push_back(
        {text, isFormFile(file) ? "Form" : "Code", fileNameOf(file), std::to_string(line + 1)});
    AddOutput(project, line + 1, text, std::nullopt, 0, ResultSpan{0, 1, 0}, kSearchKind);
    project.report().UpdateStatus();
  } catch (const std::exception&) {
    if (project.context().prompter)
      project.context().prompter->showError("Error occurred during search");
    project.StopRequested = true;
  }
}

const std::vector<std::vector<std::string>>& searchRows(TProject& project) {
  return runData(project).Rows;
}

std::string searchCountText(TProject& project) {
  return "Search results: " + CountText(static_cast<int64_t>(searchRows(project).size()), "item");
}

void attachSearch(AppContext& context) {
  auto& analysers = context.service<RoutineAnalysers>();
  analysers.onRoutine.push_back(searchRoutine);
  analysers.searchUnit = [](TProject& project, TCodeUnit& unit) {
    TSearchOptions* options = currentSearchOptions(project.context());
    return !options || SearchUnitLines(project, unit, *options);
  };
}

}  // namespace sorvik
