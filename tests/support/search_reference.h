// The line search of a unit as the full preparation gives it, for checking the search's own
// reading of units against: the unit loaded as a search run loads it, each of its lines in
// the form the search reads, matched one after the other.
#pragma once

#include <string>

#include "project/app_context.h"
#include "search/search_options.h"
#include "search/unit_line_search.h"

namespace sorvik::test {

UnitLineSearch searchPreparedUnit(AppContext& context, const std::string& path,
                                  const TSearchOptions& options);

// Where `found` and `expected` differ, as text; "" when they agree.
std::string lineSearchDifference(const UnitLineSearch& found, const UnitLineSearch& expected);

}  // namespace sorvik::test
