// The statistics as data: the page's figures, the lists' rows and their sorting.
#include "report/statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "project/project.h"
#include "report/proj_report.h"
#include "report/statistics_rows.h"
#include "report/statistics_sort.h"
#include "report/statistics_view.h"
#include "report/statistics_fixture.h"

namespace sorvik {
namespace {

using Rows = std::vector<StatisticsRow>;

class StatisticsTest : public test::StatisticsFixture {
 protected:
  TProjReport& report() { return static_cast<TProjReport&>(*project->Report); }
};

TEST(StatisticsFormatTest, RunTimeIsHoursMinutesSeconds) {
  const std::pair<double, const char*> cases[] = {
      {0, "0:00:00"},      {0.99, "0:00:00"}, {59.5, "0:00:59"},
      {61, "0:01:01"},     {3600, "1:00:00"}, {36061, "10:01:01"},
      {90000, "25:00:00"}, {-3, "0:00:00"},   {std::nan(""), "0:00:00"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(runTimeText(seconds), text) << seconds;
}

TEST_F(StatisticsTest, PageFiguresUseThousandsSeparatorsAndTheVariablesText) {
  project->UnitFiles = {"/p/A.pas", "/p/B.pas"};
  counts().Comments = 1234;
  counts().CodeLines = 999;
  counts().Procedures = 1000000;
  counts().StringVars = 3;
  counts().BooleanVars = 1;
  counts().FloatVars = 2;
  counts().RunTime = 75;
  const StatisticsPage page = statisticsPage(*project);
  EXPECT_EQ(page.codeFiles, "2");
  EXPECT_EQ(page.formFiles, "0");
  EXPECT_EQ(page.comments, "1,234");
  EXPECT_EQ(page.codeLines, "999");
  EXPECT_EQ(page.procedures, "1,000,000");
  EXPECT_EQ(page.variables, "6 (3 strings, No integers, 1 boolean, 2 floats)");
  EXPECT_EQ(page.runTime, "0:01:15");
  EXPECT_FALSE(page.notChecked);

  counts().IntegerVars = 1200;
  EXPECT_EQ(variablesText(counts()), "1,206 (3 strings, 1,200 integers, 1 boolean, 2 floats)");
}

TEST_F(StatisticsTest, NamingRunsShowStarsForTheCodeFigures) {
  project->NamingMode = true;
  counts().Comments = 5;
  counts().Functions = 7;
  const StatisticsPage page = statisticsPage(*project);
  EXPECT_TRUE(page.notChecked);
  for (const auto* value : {&page.variables, &page.procedures, &page.functions, &page.constructors,
                            &page.destructors, &page.codeLines})
    EXPECT_EQ(*value, "*");
  EXPECT_EQ(page.comments, "5");
}

TEST_F(StatisticsTest, RowsOfEveryList) {
  headers = {{"Main", "Button1Click", "TForm1", 1},
             {"Util", "Max", "", 0},
             {"Main", "Create", "TForm1", 2},
             {"Main", "Odd", "", 7}};
  EXPECT_EQ(routineRows(headers), (Rows{{"TForm1.Button1Click", "Main", "Procedure"},
                                        {"Max", "Util", "Function"},
                                        {"TForm1.Create", "Main", "Constructor"},
                                        {"Odd", "Main", "?"}}));

  counts().FormObjects = {{4, 2}, {1, 10}};
  EXPECT_EQ(formObjectRows(*project, context->service<StatisticsSources>()),
            (Rows{{"Kind4", "2"}, {"Label", "10"}}));

  // Data-aware controls first, then web controls, then tags; directives (299), comments
  // (300) and the last web control (235) are counted but not listed.
  counts().WebObjects = {{1003, 1}, {201, 5}, {300, 2}, {1201, 1}, {299, 1}, {235, 1}, {202, 3}};
  EXPECT_EQ(webObjectRows(counts(), context->service<StatisticsSources>()),
            (Rows{{"W1201", "1"}, {"W201", "5"}, {"W202", "3"}, {"W1003", "1"}}));

  // "Except" adds the whole-line EXCEPT (8) to the lines that begin with it (108).
  counts().Statements[8] = 600;
  counts().Statements[108] = 650;
  counts().Statements[105] = 1500;
  const Rows statements = statementRows(counts());
  ASSERT_EQ(statements.size(), 21u);
  EXPECT_EQ(statements.front(), (StatisticsRow{"Try", "0"}));
  EXPECT_EQ(statements[12], (StatisticsRow{"If", "1500"}));
  EXPECT_EQ(statements[14], (StatisticsRow{"Except", "1,250"}));
  EXPECT_EQ(statements.back(), (StatisticsRow{"MessageDlg", "0"}));

  EXPECT_EQ(usesRows({"SysUtils", "Classes"}, {3, 1}), (Rows{{"SysUtils", "3"}, {"Classes", "1"}}));
}

TEST_F(StatisticsTest, ProblemsAreSortedOrSayThereAreNone) {
  ProblemTexts texts = problemTexts(*project);
  EXPECT_EQ(texts.generalErrors, std::vector<std::string>{"No errors found"});
  EXPECT_EQ(texts.notRecognised, std::vector<std::string>{"All objects recognised"});
  EXPECT_EQ(texts.partlyRecognised,
            std::vector<std::string>{"No objects were only partially recognised"});

  project->Errors = {"Error scanning file : b", "Error analyzing file : a"};
  project->UnrecognisedObjects = {"TZeta", "tbeta", "TAlpha"};
  project->PartlyRecognisedObjects = {"Y", "x"};
  texts = problemTexts(*project);
  EXPECT_EQ(texts.generalErrors, project->Errors);  // in the order they were added
  EXPECT_EQ(texts.notRecognised, (std::vector<std::string>{"TAlpha", "tbeta", "TZeta"}));
  EXPECT_EQ(texts.partlyRecognised, (std::vector<std::string>{"x", "Y"}));
}

TEST_F(StatisticsTest, UsedByTreeIsSortedAtEveryLevel) {
  for (const auto& [unit, used] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"/p/Zed.pas", {"SysUtils", "classes"}},
           {"/p/Main.pas", {"Classes", "Forms"}},
           {"/p/app.pas", {"SysUtils"}}}) {
    project->CurrentFile = unit;
    report().RecordUses(used);
  }
  const auto tree = usedByTree(report().UsesTree);
  ASSERT_EQ(tree.size(), 3u);
  EXPECT_EQ(tree[0].text, "classes");
  EXPECT_EQ(tree[0].children[0].text, "Main");
  EXPECT_EQ(tree[0].children[1].text, "Zed");
  EXPECT_EQ(tree[1].text, "Forms");
  EXPECT_EQ(tree[2].text, "SysUtils");
  EXPECT_EQ(tree[2].children[0].text, "app");
}

TEST(StatisticsSortTest, ClickingTogglesTheSortedColumnAndSetsAnother) {
  SortState state;
  EXPECT_FALSE(shownDescending(state, true));  // never sorted: shown as filled
  clickColumn(state, 0);
  EXPECT_TRUE(state.flag);
  clickColumn(state, 0);
  EXPECT_FALSE(state.flag);
  EXPECT_TRUE(shownDescending(state, true));
  EXPECT_FALSE(shownDescending(state, false));
  clickColumn(state, 1);
  EXPECT_EQ(state.column, 1);
  EXPECT_TRUE(state.flag);
}

TEST(StatisticsSortTest, CountedRowsSortByPaddedCountOrName) {
  Rows rows{{"Label", "10"}, {"Edit", "9"}, {"Button", "100"}, {"edit", "9"}};
  SortState state;
  clickColumn(state, 1);  // ascending by count: "10" after "9"
  sortCountedRows(rows, state);
  EXPECT_EQ(rows, (Rows{{"Edit", "9"}, {"edit", "9"}, {"Label", "10"}, {"Button", "100"}}));
  clickColumn(state, 1);  // descending
  sortCountedRows(rows, state);
  EXPECT_EQ(rows, (Rows{{"Button", "100"}, {"Label", "10"}, {"Edit", "9"}, {"edit", "9"}}));
  clickColumn(state, 0);  // by name, ordinal: upper case first
  sortCountedRows(rows, state);
  EXPECT_EQ(rows, (Rows{{"Button", "100"}, {"Edit", "9"}, {"Label", "10"}, {"edit", "9"}}));

  EXPECT_EQ(paddedCount("9"), "0000000009");
  EXPECT_EQ(paddedCount("1,250"), "0000001250");
}

TEST_F(StatisticsTest, RoutinesAndUsesReorderTheRunsOwnRecords) {
  headers = {{"b", "Zip", "", 1}, {"A", "alpha", "", 0}, {"c", "Mid", "TX", 3}};
  StatisticsView view = fillStatistics(*project);
  EXPECT_EQ(view.routines[0][0], "Zip");                               // as walked until a click
  clickStatisticsColumn(*project, view, StatisticsList::Routines, 0);  // flag was set: ascending
  EXPECT_EQ(headers[0].RoutineName, "alpha");
  EXPECT_EQ(view.routines[2][0], "Zip");
  clickStatisticsColumn(*project, view, StatisticsList::Routines, 2);  // by type, descending
  EXPECT_EQ(view.routines[0][2], "Procedure");
  EXPECT_EQ(view.routines[2][2], "Destructor");
  EXPECT_TRUE(shownDescending(view, StatisticsList::Routines));

  report().UsedUnits = {"SysUtils", "classes", "Forms"};
  report().UseCounts = {9, 10, 1};
  view = fillStatistics(*project);
  clickStatisticsColumn(*project, view, StatisticsList::Uses, 1);  // another column: descending
  EXPECT_EQ(report().UsedUnits, (std::vector<std::string>{"classes", "SysUtils", "Forms"}));
  EXPECT_EQ(view.uses[0], (StatisticsRow{"classes", "10"}));
  clickStatisticsColumn(*project, view, StatisticsList::Uses, 0);  // another column again
  EXPECT_EQ(report().UsedUnits, (std::vector<std::string>{"SysUtils", "Forms", "classes"}));
  EXPECT_EQ(report().UseCounts, (std::vector<int>{9, 1, 10}));
  clickStatisticsColumn(*project, view, StatisticsList::Uses, 0);  // toggled: ascending
  EXPECT_EQ(view.uses.front(), (StatisticsRow{"classes", "10"}));
}

TEST_F(StatisticsTest, FillingSortsFormObjectsAndStatementsByName) {
  counts().FormObjects = {{4, 2}, {1, 10}, {2, 1}};
  const StatisticsView view = fillStatistics(*project);
  EXPECT_EQ(view.formObjects, (Rows{{"Kind2", "1"}, {"Kind4", "2"}, {"Label", "10"}}));
  EXPECT_EQ(view.statements.front()[0], "Application");
  EXPECT_EQ(view.statements.back()[0], "With");
  EXPECT_FALSE(shownDescending(view, StatisticsList::FormObjects));
}

TEST_F(StatisticsTest, EmptySourcesListNothingAndNameKindsByNumber) {
  context->service<StatisticsSources>() = StatisticsSources{};
  counts().FormObjects = {{7, 1}};
  counts().WebObjects = {{201, 2}};
  const StatisticsView view = fillStatistics(*project);
  EXPECT_TRUE(view.routines.empty());
  EXPECT_EQ(view.formObjects, (Rows{{"7", "1"}}));
  EXPECT_EQ(view.webObjects, (Rows{{"201", "2"}}));
}

}  // namespace
}  // namespace sorvik
