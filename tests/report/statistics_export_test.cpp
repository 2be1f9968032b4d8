// Saving the statistics: the CSV of each list in the order it shows, the "Used by" tree
// and the first page's ten lines.
#include "report/statistics_export.h"

#include <gtest/gtest.h>

#include "report/statistics_fixture.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

struct ReorderCase {
  const char* name;
  Lines lines;
  int column;
  bool descending;
  bool countField;
  Lines expected;
};

class ReorderCsvTest : public ::testing::TestWithParam<ReorderCase> {};

TEST_P(ReorderCsvTest, OrdersTheDataLinesUnderTheHeader) {
  Lines lines = GetParam().lines;
  ReorderCSV(lines, GetParam().column, GetParam().descending, GetParam().countField);
  EXPECT_EQ(lines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReorderCsvTest,
    ::testing::Values(
        ReorderCase{"ByTextIgnoringCase",
                    {"Name,# Items", "label,1", "Edit,2", "Button,3"},
                    0,
                    false,
                    false,
                    {"Name,# Items", "Button,3", "Edit,2", "label,1"}},
        ReorderCase{"ByCountTenAfterNine",
                    {"Name,# Items", "Label,10", "Edit,9", "Button,100"},
                    1,
                    false,
                    true,
                    {"Name,# Items", "Edit,9", "Label,10", "Button,100"}},
        ReorderCase{"ByCountDescending",
                    {"Name,# Items", "Label,10", "Edit,9", "Button,100"},
                    1,
                    true,
                    true,
                    {"Name,# Items", "Button,100", "Label,10", "Edit,9"}},
        ReorderCase{"SeparatedCountKeepsItsText",
                    {"Name,# Calls", "Except,\"1,250\"", "If,999"},
                    1,
                    false,
                    true,
                    {"Name,# Calls", "If,999", "Except,\"1,250\""}},
        ReorderCase{"ByTypeColumn",
                    {"Routine Name,Filename,Type", "A,'U',Procedure", "B,'U',Function"},
                    2,
                    false,
                    false,
                    {"Routine Name,Filename,Type", "B,'U',Function", "A,'U',Procedure"}},
        ReorderCase{"ShortLineSortsByItsText",
                    {"H", "b,'x',Type", "a", "c,'y',Alpha"},
                    2,
                    false,
                    false,
                    {"H", "a", "c,'y',Alpha", "b,'x',Type"}},
        ReorderCase{"HeaderOnly", {"Name,References"}, 1, true, true, {"Name,References"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(csvField("Label"), "Label");
  EXPECT_EQ(csvField("1,250"), "\"1,250\"");
  EXPECT_EQ(csvField("a\"b"), "\"a\"\"b\"");
  EXPECT_EQ(splitCsvLine("Except,\"1,250\",\"a\"\"b\","), (Lines{"Except", "1,250", "a\"b", ""}));
}

using StatisticsExportTest = test::StatisticsFixture;

TEST_F(StatisticsExportTest, SavedCsvFollowsTheOrderOnScreen) {
  counts().FormObjects = {{4, 10}, {2, 9}, {3, 100}};
  StatisticsView view = fillStatistics(*project);
  const auto csvOfRows = [&] {
    Lines lines{"Name,# Items"};
    for (const auto& row : view.formObjects) lines.push_back(row[0] + "," + row[1]);
    return lines;
  };
  EXPECT_EQ(listSaveLines(*project, view, StatisticsList::FormObjects), csvOfRows());
  clickStatisticsColumn(*project, view, StatisticsList::FormObjects, 1);
  EXPECT_EQ(listSaveLines(*project, view, StatisticsList::FormObjects),
            (Lines{"Name,# Items", "Kind2,9", "Kind4,10", "Kind3,100"}));
  EXPECT_EQ(listSaveLines(*project, view, StatisticsList::FormObjects), csvOfRows());
  clickStatisticsColumn(*project, view, StatisticsList::FormObjects, 1);
  EXPECT_EQ(listSaveLines(*project, view, StatisticsList::FormObjects),
            (Lines{"Name,# Items", "Kind3,100", "Kind4,10", "Kind2,9"}));
  EXPECT_EQ(listSaveLines(*project, view, StatisticsList::FormObjects), csvOfRows());
}

TEST_F(StatisticsExportTest, ListsSaveTheirOwnLines) {
  headers = {{"Main", "Button1Click", "TForm1", 1}, {"Util", "Max", "", 0}};
  counts().WebObjects = {{201, 5}, {300, 2}, {299, 1}};
  StatisticsView view = fillStatistics(*project);
  EXPECT_EQ(listSaveLines(*project, view, StatisticsList::Routines),
            (Lines{"Routine Name,Filename,Type", "Max,'Util',Function",
                   "TForm1.Button1Click,'Main',Procedure"}));
  // The screen lists only the label; the CSV also has the comments and the directive.
  EXPECT_EQ(view.webObjects.size(), 1u);
  EXPECT_EQ(listSaveLines(*project, view, StatisticsList::WebObjects),
            (Lines{"Name,# Items", "Comment,2", "Compiler Directive,1", "W201,5"}));
  EXPECT_EQ(listSaveLines(*project, view, StatisticsList::Statements).front(), "Name,# Calls");
  EXPECT_EQ(listSaveLines(*project, view, StatisticsList::Uses), (Lines{"Name,References"}));
}

TEST_F(StatisticsExportTest, UsedByTreeIsIndentedByTabs) {
  const std::vector<TreeNode> tree{{"Classes", {{"Main", {}}, {"Zed", {}}}}, {"Forms", {}}};
  EXPECT_EQ(usedByLines(tree), (Lines{"Classes", "\tMain", "\tZed", "Forms"}));
}

TEST_F(StatisticsExportTest, ExportWritesTheListsThatHoldRowsAndTheTenLines) {
  project->UnitFiles = {"/p/A.pas"};
  counts().Comments = 1500;
  counts().FormObjects = {{7, 2}};
  const StatisticsView view = fillStatistics(*project);
  EXPECT_EQ(
      statisticsSaveLines(view.page),
      (Lines{"Code files scanned : 1", "Form files scanned : 0", "Actual lines of code : 0",
             "Number of procedures : 0", "Number of functions : 0", "Number of constructors : 0",
             "Number of destructors : 0", "Number of comments : 1,500",
             "Local variables : 0 (No strings, No integers, No booleans, No floats)",
             "Time taken to scan : 0:00:00"}));

  const auto files = statisticsExport(*project, view);
  Lines names;
  for (const auto& file : files) names.push_back(file.name);
  EXPECT_EQ(names, (Lines{"form-objects.csv", "statements.csv", "used-by.txt", "statistics.txt"}));
  EXPECT_STREQ(files.back().failure, kDetailsSaveError);

  const std::string path = home.path() + "form-objects.csv";
  ASSERT_TRUE(saveLines(path, files.front().lines));
  EXPECT_EQ(test::readAll(path), "Name,# Items\r\nKind7,2\r\n");
  EXPECT_FALSE(saveLines(home.path() + "missing/folder/x.csv", files.front().lines));
}

}  // namespace
}  // namespace sorvik
