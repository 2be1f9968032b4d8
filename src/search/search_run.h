// A search run: the driver walks the project in search mode and hands every unit, routine
// and form to the search, which records each hit as a results-list row, a result of kind
// 401 and an entry of the current search results.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace sorvik {

struct AppContext;
class TProject;
class TSearchOptions;
struct FormLineSearch;
struct UnitLineSearch;

// The current search options of the application, or none.
TSearchOptions* currentSearchOptions(AppContext& context);
// Replaces the current search options (the old ones store their hits as they go).
void SetSearchOptions(AppContext& context, std::unique_ptr<TSearchOptions> options);

// Sets the project up for a run of the current search options (which must exist) and
// starts it.
void StartSearch(TProject& project);

// Records the hits of the unit `CurrentFile`, as `unit` found them; false when the hits have
// reached the limit.
bool SearchUnitLines(TProject& project, TSearchOptions& options, const UnitLineSearch& unit);
// Records the hits of the form `CurrentFile`, as `form` found them.
void SearchFormLines(TProject& project, TSearchOptions& options, const FormLineSearch& form);
// Records a hit on 0-based line `line` of `CurrentFile`, shown with `text`.
void AddSearchHit(TProject& project, const std::string& text, int line);

// The results list of the project's last search: text, type, file name and line.
const std::vector<std::vector<std::string>>& searchRows(TProject& project);
// "Search results: " and the number of rows.
std::string searchCountText(TProject& project);

void attachSearch(AppContext& context);

}  // namespace sorvik
