#include "report/proj_report.h"

#include <gtest/gtest.h>

#include "project/project.h"
#include "project/results.h"
#include "project/scan_driver.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

class ProjReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context = test::makeContext(home, nullptr, &observer);
    project = std::make_unique<TProject>(*context);
    project->Report->Reset();
  }
  TProjReport& report() { return static_cast<TProjReport&>(*project->Report); }
  std::vector<std::string> topLevel() {
    std::vector<std::string> texts;
    for (const auto& node : report().Tree) texts.push_back(node.text);
    return texts;
  }
  void add(int kind, int line) { AddResult(*project, kind, line, "text", nullptr); }

  test::TempFolder home;
  test::RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
};

TEST_F(ProjReportTest, HintCategoriesStayAboveWarnings) {
  add(101, 1);
  EXPECT_EQ(topLevel(), (std::vector<std::string>{"Statistics", "Warnings (1)"}));
  add(17, 2);
  add(17, 3);
  add(240, 10);
  EXPECT_EQ(topLevel(),
            (std::vector<std::string>{"Statistics", "Hints (2)", "ASP Hints (1)", "Warnings (1)"}));
  EXPECT_EQ(report().Tree[1].children[0].text, "Use SinCos instead of both Sin and Cos (2)");
  EXPECT_EQ(observer.status, "2 Hints, 1 Warning, 1 ASP Hint");
}

TEST_F(ProjReportTest, KindNodesWithACommonPrefixStaySeparate) {
  add(247, 1);
  add(248, 2);
  const auto& kinds = report().Tree[1].children;
  ASSERT_EQ(kinds.size(), 2u);
  EXPECT_EQ(kinds[0].text, "Invalid Ampersand code - may have been misspelt (1)");
  EXPECT_EQ(kinds[1].text, "Invalid Ampersand code (1)");
}

TEST_F(ProjReportTest, StatusLineByMode) {
  struct Case {
    bool naming;
    int webHints;
    std::string status;
  };
  for (const Case& c :
       {Case{false, 0, "No Hints, No Warnings"},
        Case{false, 4, "No Hints, No Warnings, 4 ASP Hints"}, Case{true, 0, "No Suggestions"}}) {
    project->NamingMode = c.naming;
    project->Report->Counts.AspHintTotal = c.webHints;
    EXPECT_EQ(project->Report->statusText(), c.status);
  }
}

TEST_F(ProjReportTest, ResetMakesTheSectionsOfTheMode) {
  EXPECT_EQ(report().Tree[0].children.size(), 6u);
  project->NamingMode = true;
  project->OverviewMode = true;
  report().Reset();
  EXPECT_EQ(topLevel(), (std::vector<std::string>{"Statistics", "Overview"}));
  ASSERT_EQ(report().Tree[0].children.size(), 1u);
  EXPECT_EQ(report().Tree[0].children[0].text, "Problems");
}

TEST_F(ProjReportTest, TheSecondPassCountsItsProgressFromZero) {
  project->UnitFiles = {"/p/A.pas", "/p/B.pas"};
  project->FormFiles = {"/p/A.dfm"};
  project->UnitCount = 2;
  project->FormCount = 1;
  context->settings.CheckStringConst = true;
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  // Pass 1 stepped over both units and the form; pass 2 over the units alone.
  EXPECT_EQ(report().Progress, 2);
  EXPECT_EQ(report().ProgressMaximum, 3);
}

TEST_F(ProjReportTest, RecordUsesCountsEachUsedUnitOnce) {
  project->CurrentFile = "/p/A.pas";
  report().RecordUses({"SysUtils", "Classes"});
  project->CurrentFile = "/p/B.PAS";
  report().RecordUses({"sysutils"});
  project->CurrentFile = "/p/C.pas";
  report().RecordUses({"SysUtils"});
  EXPECT_EQ(report().UsedUnits, (std::vector<std::string>{"SysUtils", "Classes"}));
  EXPECT_EQ(report().UseCounts, (std::vector<int>{3, 1}));
  ASSERT_EQ(report().UsesTree.size(), 2u);
  ASSERT_EQ(report().UsesTree[0].children.size(), 3u);
  EXPECT_EQ(report().UsesTree[0].children[1].text, "B");
}

}  // namespace
}  // namespace sorvik
