// Sorting the statistics lists by a clicked column.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/statistics_rows.h"

namespace sorvik {

// The sort state of one list: the column sorted last and the direction flag. What the
// flag means differs: for the counted lists (form objects, web objects, statements) set
// is ascending; for the routines and the uses set is descending.
struct SortState {
  int column = 0;
  bool flag = false;
  bool sorted = false;  // the list has been sorted since it was filled
};

// A click on a column header: the column sorted last toggles the flag, another column
// sets it and becomes the sorted one.
void clickColumn(SortState& state, int column);

// The list shows its rows in descending order.
bool shownDescending(const SortState& state, bool flagMeansAscending);

// A count as a sort key: its digits left-padded with "0" to 10 characters.
std::string paddedCount(std::string_view count);

// Form objects, web objects, statements: by the name, or (column 1) by the count.
void sortCountedRows(std::vector<StatisticsRow>& rows, const SortState& state);
// Routines: by name as shown, file name or type text (ignoring case).
void sortRoutineHeaders(std::vector<TProcedureHeader>& headers, const SortState& state);
// Uses: the recorded names and counts together, by name or (column 1) by count.
void sortUses(std::vector<std::string>& units, std::vector<int>& counts, const SortState& state);

}  // namespace sorvik
