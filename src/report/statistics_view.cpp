#include "report/statistics_view.h"

#include "project/project.h"
#include "report/proj_report.h"

namespace sorvik {

namespace {

std::vector<TProcedureHeader>* routineHeaders(TProject& project) {
  const auto& sources = project.context().service<StatisticsSources>();
  return sources.routineHeaders ? sources.routineHeaders(project) : nullptr;
}

// The uses are recorded by the report of this layer; another report records none.
TProjReport* usesReport(TProject& project) {
  return dynamic_cast<TProjReport*>(project.Report.get());
}

void fillRoutines(TProject& project, StatisticsView& view) {
  const auto* headers = routineHeaders(project);
  view.routines = headers ? routineRows(*headers) : std::vector<StatisticsRow>{};
}

void fillUses(TProject& project, StatisticsView& view) {
  const auto* report = usesReport(project);
  view.uses =
      report ? usesRows(report->UsedUnits, report->UseCounts) : std::vector<StatisticsRow>{};
}

// Each list's rows and sort state, in the order of StatisticsList.
struct ListMembers {
  std::vector<StatisticsRow> StatisticsView::*rows;
  SortState StatisticsView::*sort;
};
constexpr ListMembers kListMembers[] = {
    {&StatisticsView::routines, &StatisticsView::routineSort},
    {&StatisticsView::formObjects, &StatisticsView::formObjectSort},
    {&StatisticsView::webObjects, &StatisticsView::webObjectSort},
    {&StatisticsView::statements, &StatisticsView::statementSort},
    {&StatisticsView::uses, &StatisticsView::useSort}};

const ListMembers& membersOf(StatisticsList list) {
  return kListMembers[static_cast<size_t>(list)];
}

}  // namespace

std::vector<StatisticsRow>& StatisticsView::rows(StatisticsList list) {
  return this->*membersOf(list).rows;
}

const std::vector<StatisticsRow>& StatisticsView::rows(StatisticsList list) const {
  return this->*membersOf(list).rows;
}

SortState& StatisticsView::sortState(StatisticsList list) {
  return this->*membersOf(list).sort;
}

const SortState& StatisticsView::sortState(StatisticsList list) const {
  return this->*membersOf(list).sort;
}

StatisticsView fillStatistics(TProject& project) {
  const auto& sources = project.context().service<StatisticsSources>();
  const TCounts& counts = project.Report->Counts;
  StatisticsView view;
  fillRoutines(project, view);
  fillUses(project, view);
  view.formObjects = formObjectRows(project, sources);
  view.webObjects = webObjectRows(counts, sources);
  view.statements = statementRows(counts);
  if (const auto* report = usesReport(project)) view.usedBy = usedByTree(report->UsesTree);
  clickStatisticsColumn(project, view, StatisticsList::FormObjects, 0);
  clickStatisticsColumn(project, view, StatisticsList::Statements, 0);
  view.page = statisticsPage(project);
  view.problems = problemTexts(project);
  return view;
}

void clickStatisticsColumn(TProject& project, StatisticsView& view, StatisticsList list,
                           int column) {
  SortState& state = view.sortState(list);
  clickColumn(state, column);
  if (list == StatisticsList::Routines) {
    if (auto* headers = routineHeaders(project)) sortRoutineHeaders(*headers, state);
    fillRoutines(project, view);
  } else if (list == StatisticsList::Uses) {
    if (auto* report = usesReport(project)) sortUses(report->UsedUnits, report->UseCounts, state);
    fillUses(project, view);
  } else {
    sortCountedRows(view.rows(list), state);
  }
}

bool shownDescending(const StatisticsView& view, StatisticsList list) {
  const bool flagMeansAscending = list != StatisticsList::Routines && list != StatisticsList::Uses;
  return shownDescending(view.sortState(list), flagMeansAscending);
}

}  // namespace sorvik
