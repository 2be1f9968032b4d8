// The statistics of a run as the view shows them: the page values, the lists with their
// sort states, the "Used by" tree and the problems.
#pragma once

#include <vector>

#include "report/statistics.h"
#include "report/statistics_rows.h"
#include "report/statistics_sort.h"

namespace sorvik {

class TProject;

enum class StatisticsList { Routines, FormObjects, WebObjects, Statements, Uses };

struct StatisticsView {
  StatisticsPage page;
  std::vector<StatisticsRow> routines, formObjects, webObjects, statements, uses;
  std::vector<TreeNode> usedBy;
  ProblemTexts problems;
  // The routines and the uses start with the flag set, so that the first click on their
  // first column sorts them ascending.
  SortState routineSort{0, true}, formObjectSort, webObjectSort, statementSort, useSort{0, true};

  std::vector<StatisticsRow>& rows(StatisticsList list);
  const std::vector<StatisticsRow>& rows(StatisticsList list) const;
  SortState& sortState(StatisticsList list);
  const SortState& sortState(StatisticsList list) const;
};

// Fills the view from the project's run: the lists (form objects and statements sorted
// by name), the sorted "Used by" tree, the page values, then the problems (naming a
// component kind may add an error, so the problems come last).
StatisticsView fillStatistics(TProject& project);

// A click on `column` of `list`: sorts the list (the routines and the uses reorder the
// run's own records, which the lists are drawn from).
void clickStatisticsColumn(TProject& project, StatisticsView& view, StatisticsList list,
                           int column);

// The list shows its rows in descending order.
bool shownDescending(const StatisticsView& view, StatisticsList list);

}  // namespace sorvik
