#include "search/search_run.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <unordered_set>

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/work_ahead.h"
#include "project/app_context.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result_kinds.h"
#include "project/results.h"
#include "project/run_report.h"
#include "project/scan_driver.h"
#include "project/settings.h"
#include "search/form_line_search.h"
#include "search/line_matcher.h"
#include "search/search_options.h"
#include "search/unit_line_search.h"
#include "source/procedure_item.h"
#include "source/routine_analysers.h"

namespace sorvik {

namespace {

// Files of the walk searched ahead on worker threads, in the walk's order.
template <class Outcome>
struct FilesAhead {
  std::vector<std::string> paths;
  std::unique_ptr<WorkAhead<Outcome>> work;  // reads `paths`
  size_t next = 0;                           // the next file the walk takes

  void reset() {
    work.reset();
    paths.clear();
    next = 0;
  }
};

struct SearchRunData : RunData {
  std::vector<std::vector<std::string>> Rows;
  // Files on whose lines a regular expression was given up.
  std::vector<std::string> GivenUp;
  FilesAhead<UnitLineSearch> units;
  FilesAhead<FormLineSearch> forms;
  // The units read so far (upper-cased paths): only the first reading of a unit reports.
  std::unordered_set<std::string> read;
};

SearchRunData& runData(TProject& project) {
  return project.runData<SearchRunData>();
}

bool isFormFile(const std::string& path) {
  const std::string tail = lowerCase(path.size() >= 4 ? path.substr(path.size() - 4) : path);
  return tail == ".dfm" || tail == ".nfm";
}

void noteGivenUp(TProject& project) {
  auto& givenUp = runData(project).GivenUp;
  if (!givenUp.empty() && givenUp.back() == project.CurrentFile) return;
  givenUp.push_back(project.CurrentFile);
  project.addError("Regular expression too complex for a line of " + project.CurrentFile +
                   ": the line is taken as not matching");
}

// Records the hits of `CurrentFile` in order, on the lines searched (with the last results,
// those they name, each taken once), until the hits reach the limit; false then.
// `givenUp`: a regular expression gave up a line searched before that. Taking the named lines
// all at once is the same as taking them line by line: only a later search of the same
// line could tell, and none follows once the limit is reached.
bool recordHits(TProject& project, TSearchOptions& options, const LineHits& found, bool& givenUp) {
  std::vector<bool> taken;
  if (options.LastResults) {
    taken.resize(static_cast<size_t>(found.lineCount));
    for (int n = 0; n < found.lineCount; ++n)
      taken[static_cast<size_t>(n)] = options.LastResults->TakeLine(project.CurrentFile, n);
  }
  int reached = found.lineCount;
  const auto searched = [&](int n) {
    return n < reached && (taken.empty() || taken[static_cast<size_t>(n)]);
  };
  bool full = false;
  for (const LineHit& hit : found.hits) {
    if (!searched(hit.line)) continue;
    AddSearchHit(project, hit.text, hit.line);
    options.Results.AddResult(hit.line, project.CurrentFile);
    if (options.full()) {
      reached = hit.line + 1;
      full = true;
      break;
    }
  }
  givenUp = std::any_of(found.givenUp.begin(), found.givenUp.end(), searched);
  return !full;
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

// How far the workers may run ahead of the walk: enough to keep them busy while the walk
// records hits, few enough that a search stopped by its limit wastes little.
constexpr size_t kAheadFiles = 64;

// The search of the file at `path`, the walk's next after those taken from `ahead`: taken
// from there when it was planned so, else made now; none when `stop` ended the wait.
template <class Outcome, class SearchNow>
std::optional<Outcome> searchedFile(FilesAhead<Outcome>& ahead, const std::string& path,
                                    const std::function<bool()>& stop, SearchNow searchNow) {
  if (ahead.work && ahead.next < ahead.paths.size() && ahead.paths[ahead.next] == path)
    return ahead.work->take(ahead.next++, stop);
  return searchNow();
}

// Workers that search `paths` with `search(path, matcher)`, each with a matcher of its own.
template <class Outcome, class Search>
void searchAhead(FilesAhead<Outcome>& ahead, std::vector<std::string> paths, unsigned workers,
                 const TSearchOptions& options, Search search) {
  ahead.paths = std::move(paths);
  ahead.work = std::make_unique<WorkAhead<Outcome>>(
      ahead.paths.size(), workers, typename WorkAhead<Outcome>::Limits{kAheadFiles},
      [&options, &paths = ahead.paths, search] {
        return
            [&paths, search, matcher = std::make_shared<LineMatcher>(options)](
                size_t index, const std::atomic<bool>&) { return search(paths[index], *matcher); };
      });
}

// The units the walk is about to search, in its order: with more than one job they are read
// and matched ahead on worker threads. The empty list at the walk's end ends that work, and
// the forms that follow the units are then searched ahead in the same way.
void planUnitLines(TProject& project, const TSearchOptions& options,
                   const std::vector<std::string>& paths) {
  SearchRunData& data = runData(project);
  data.units.reset();
  data.forms.reset();
  const unsigned workers = workerCount(project.context().Jobs);
  if (workers < 2) return;
  if (paths.empty() && project.Search.coversForms && !options.full()) {
    searchAhead(data.forms, project.FormFiles, workers, options,
                [&options](const std::string& path, LineMatcher& matcher) {
                  return searchFormFile(path, options, matcher);
                });
  } else if (!paths.empty() && project.Search.coversCode) {
    searchAhead(data.units, paths, workers, options,
                [&options, useIfDefs = project.settings().UseIfDefs](const std::string& path,
                                                                     LineMatcher& matcher) {
                  return searchUnitFile(path, options, useIfDefs, matcher);
                });
  }
}

// One unit of a line search, as the unit walk takes a unit: what reading it reported, the
// error of a unit that cannot be searched, its uses for the statistics, then its hits.
// False ends the walk.
bool walkUnitLines(TProject& project, TSearchOptions& options, bool isProjectFile) {
  if (!project.Search.coversCode) return true;
  SearchRunData& data = runData(project);
  const std::optional<UnitLineSearch> unit = searchedFile(
      data.units, project.CurrentFile,
      [&project] {
        project.pollEvents();
        return project.StopRequested;
      },
      [&] {
        LineMatcher matcher(options);
        return searchUnitFile(project.CurrentFile, options, project.settings().UseIfDefs, matcher);
      });
  if (!unit) return false;
  if (data.read.insert(upperCase(project.CurrentFile)).second) {
    for (const std::string& error : unit->errors) project.addError(error);
    project.report().Counts.Comments += unit->comments;
  }
  // A search passes over a unit it cannot read and goes on with the next.
  if (!unit->loaded() && !isProjectFile) {
    project.addError("Error scanning file : " + project.CurrentFile);
    return true;
  }
  project.VariantCounter = 1;
  project.report().RecordUses(unit->uses);
  if (project.StopRequested || !SearchUnitLines(project, options, *unit)) return false;
  project.VariantCounter = 0;
  return !project.StopRequested && !options.full();
}

// The form at `path` (the `CurrentFile` resolved): the message of a form that cannot be
// converted, then its hits. Forms are still searched after the run was stopped.
void walkFormLines(TProject& project, TSearchOptions& options, const std::string& path) {
  SearchRunData& data = runData(project);
  const std::optional<FormLineSearch> form = searchedFile(
      data.forms, path,
      [&project] {
        project.pollEvents();
        return false;
      },
      [&] {
        LineMatcher matcher(options);
        return searchFormFile(path, options, matcher);
      });
  if (!form->error.empty() && project.context().prompter)
    project.context().prompter->showError(form->error);
  SearchFormLines(project, options, *form);
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
  walk.searchForm = [&options](TProject& run, const std::string& path) {
    walkFormLines(run, options, path);
  };
  if (!options.UseTemplate) {
    walk.planLines = [&options](TProject& run, const std::vector<std::string>& paths) {
      planUnitLines(run, options, paths);
    };
    walk.walkLines = [&options](TProject& run, bool isProjectFile) {
      return walkUnitLines(run, options, isProjectFile);
    };
  }
  runData(project).Rows.clear();
  runData(project).read.clear();
  Start(project);
  // When the walk was left by a failure.
  runData(project).units.reset();
  runData(project).forms.reset();
  walk.full = nullptr;
  walk.searchForm = nullptr;
  walk.planLines = nullptr;
  walk.walkLines = nullptr;
}

bool SearchUnitLines(TProject& project, TSearchOptions& options, const UnitLineSearch& unit) {
  if (options.full()) return false;
  bool givenUp = false;
  if (!recordHits(project, options, unit, givenUp)) return false;
  if (givenUp) noteGivenUp(project);
  return true;
}

void SearchFormLines(TProject& project, TSearchOptions& options, const FormLineSearch& form) {
  bool givenUp = false;
  recordHits(project, options, form, givenUp);
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
  context.service<RoutineAnalysers>().onRoutine.push_back(searchRoutine);
}

}  // namespace sorvik
