#include "project/scan_driver.h"

#include <gtest/gtest.h>

#include "project/project.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

// Records the order in which the driver hands files to the analysers.
class ScanDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context = test::makeContext(home, &prompter, &observer);
    auto& hooks = context->hooks;
    hooks.collectUnit = [this](TProject& p, std::vector<std::string>&) {
      calls.push_back("collect " + p.CurrentFile);
    };
    hooks.walkUnit = [this](TProject& p, bool) {
      calls.push_back("walk " + p.CurrentFile);
      if (p.CurrentFile == stopAt) p.StopRequested = true;
      return true;
    };
    hooks.analyseForm = [this](TProject&, const std::string& path, bool runChecks, bool) {
      calls.push_back(std::string(runChecks ? "form " : "form-read ") + path);
    };
    hooks.analysePage = [this](TProject&, const std::string& path) {
      calls.push_back("page " + path);
    };
    project = std::make_unique<TProject>(*context);
    project->UnitFiles = {"/p/a/../A.pas", "/p/B.pas"};
    project->FormFiles = {"/p/A.dfm"};
    project->WebFiles = {"/p/x.htm"};
  }

  test::TempFolder home;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
  std::vector<std::string> calls;
  std::string stopAt;
};

TEST_F(ScanDriverTest, OnePassRunWalksUnitsThenFormsThenPages) {
  context->settings.CheckStringConst = false;
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  EXPECT_EQ(calls, (std::vector<std::string>{"walk /p/A.pas", "walk /p/B.pas", "form /p/A.dfm",
                                             "page /p/x.htm"}));
  EXPECT_TRUE(project->ScanDone);
}

TEST_F(ScanDriverTest, TwoPassRunHandlesTheFormsInPassOne) {
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  EXPECT_EQ(calls,
            (std::vector<std::string>{"collect /p/A.pas", "collect /p/B.pas", "form-read /p/A.dfm",
                                      "walk /p/A.pas", "walk /p/B.pas", "page /p/x.htm"}));
}

TEST_F(ScanDriverTest, StopSkipsTheRemainingUnitsButNotFormsAndPages) {
  context->settings.CheckStringConst = false;
  stopAt = "/p/A.pas";
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  EXPECT_EQ(calls, (std::vector<std::string>{"walk /p/A.pas", "form /p/A.dfm", "page /p/x.htm"}));
  EXPECT_TRUE(project->ScanDone);
}

TEST_F(ScanDriverTest, AStopFromTheFrontEndIsNoticedAfterEachUnitOfEitherPass) {
  // Nothing is reported, so the unit walk itself must ask the front end for "Stop".
  struct Case {
    bool twoPass;
    std::vector<std::string> calls;
  };
  for (const Case& c : std::vector<Case>{
           {false, {"walk /p/A.pas", "form /p/A.dfm", "page /p/x.htm"}},
           {true, {"collect /p/A.pas", "form-read /p/A.dfm", "page /p/x.htm"}},
       }) {
    calls.clear();
    observer.events = 0;
    observer.stopAfterEvents = 1;
    context->settings.CheckStringConst = c.twoPass;
    setModeFlags(*project, StartCommand::Scan);
    Start(*project);
    EXPECT_EQ(calls, c.calls);
    EXPECT_TRUE(project->ScanDone);
  }
}

TEST_F(ScanDriverTest, UnitsAppendedDuringTheWalkAreWalkedToo) {
  context->settings.CheckStringConst = false;
  context->hooks.walkUnit = [this](TProject& p, bool) {
    calls.push_back("walk " + p.CurrentFile);
    if (p.UnitFiles.size() < 3) p.UnitFiles.push_back("/p/C.pas");
    return true;
  };
  Start(*project);
  EXPECT_EQ(calls[2], "walk /p/C.pas");
}

TEST_F(ScanDriverTest, AFailureEscapingTheWalkIsRecordedAndTheRunEnds) {
  context->settings.CheckStringConst = false;
  context->hooks.walkUnit = [](TProject&, bool) -> bool { throw std::runtime_error("boom"); };
  Start(*project);
  EXPECT_EQ(project->Errors, (std::vector<std::string>{"Error scanning project : boom",
                                                       "  Error occurred with file : /p/A.pas"}));
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"error: boom"});
  EXPECT_TRUE(project->ScanDone);
}

TEST(ModeFlagsTest, StartCommandsSetAndClearTheirFlags) {
  test::TempFolder home;
  auto context = test::makeContext(home, nullptr, nullptr);
  TProject project(*context);
  setModeFlags(project, StartCommand::Naming);
  EXPECT_TRUE(project.NamingMode && project.VarCaseMode);
  // The rename run that applies a naming run's suggestions keeps its variable check ...
  setModeFlags(project, StartCommand::Rename);
  EXPECT_TRUE(project.RenameMode && project.VarCaseMode);
  EXPECT_FALSE(project.NamingMode);
  // ... and no other run does, or its checks would give way to it.
  setModeFlags(project, StartCommand::SpellCheck);
  EXPECT_TRUE(project.SpellMode);
  EXPECT_FALSE(project.NamingMode || project.RenameMode || project.VarCaseMode);
  setModeFlags(project, StartCommand::Overview);
  EXPECT_TRUE(project.OverviewMode);
  EXPECT_FALSE(project.SpellMode || project.SearchMode || project.RewriteMode);
}

}  // namespace
}  // namespace sorvik
