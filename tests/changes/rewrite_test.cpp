// The rewrite's optimisation step: every suggestion applied in output order, except those
// whose lines an earlier change took away, and files a bulk run must not write.
#include "changes/rewrite.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "generic/text_file.h"
#include "project/project.h"
#include "project/results.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

// A walk that reports the given results for every unit, in place of the checks.
struct PlannedResult {
  int line, lineCount;
  Lines suggestions;
};

class RewriteTest : public testing::Test {
 protected:
  RewriteTest() : context(test::makeContext(home, &prompter, &observer)) {
    context->hooks.walkUnit = [this](TProject& project, bool) {
      for (const PlannedResult& r : planned)
        AddOutput(project, r.line, "):[Hint] Use SinCos instead", r.suggestions, r.lineCount, {},
                  17);
      return true;
    };
  }

  std::unique_ptr<TProject> projectOf(const std::vector<std::string>& units) {
    auto project = std::make_unique<TProject>(*context, home.path() + "app/P.svk");
    project->UnitFiles = units;
    project->UnitCount = static_cast<int>(units.size());
    return project;
  }

  test::TempFolder home;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::vector<PlannedResult> planned;
};

TEST_F(RewriteTest, ASuggestionOnLinesAnEarlierChangeRemovedIsPassedOver) {
  const std::string unit = home.write("app/U.pas", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
  planned = {{2, 2, {"{Remove line}"}}, {3, 1, {"x"}}, {5, 1, {"{Insert:}", "y"}}, {6, 1, {"z"}}};
  const auto project = projectOf({unit});
  const RewriteOutcome outcome = StartRewrite(*project, {true, false, false});
  EXPECT_FALSE(outcome.declined);
  EXPECT_EQ(readFileBytes(unit), "1\r\n4\r\ny\r\n5\r\nz\r\n");
  EXPECT_EQ(outcome.completion,
            "Project Rewrite complete.\r\r3 Applied Hints\rNo Applied Warnings\rNo Applied Naming "
            "suggestions\r\r1 suggestion not applied: an earlier change had altered or removed "
            "its lines");
  EXPECT_FALSE(project->RewriteMode);
  // Written at once, the results still point where sequential changes would have left them.
  std::vector<int> lines;
  for (const auto& result : project->report().Results) lines.push_back(result->Line);
  EXPECT_EQ(lines, (std::vector<int>{2, 1, 3, 5}));
}

// A unit reached through a symbolic link and one outside the project's folder are left
// alone, each reported once, unless the user allows files outside (or, asked, says Yes).
TEST_F(RewriteTest, LinksAndFilesOutsideTheProjectAreLeftAlone) {
  const std::string outside = home.write("elsewhere/Far.pas", "1\r\n");
  const std::string link = home.path() + "app/Link.pas";
  std::filesystem::create_directories(home.path() + "app");
  std::filesystem::create_symlink(outside, link);
  planned = {{1, 1, {"x"}}};
  const auto project = projectOf({link, outside});
  StartRewrite(*project, {true, false, false});
  EXPECT_EQ(readFileBytes(outside), "1\r\n");
  EXPECT_EQ(prompter.messages,
            (Lines{"change warning",
                   "warning: The following file is a symbolic link and was left alone:\r" + link,
                   "warning: The following file is outside the project's folder and was left "
                   "alone:\r" +
                       outside}));

  // Asked, the user says No and then Yes; told to, the run changes it without asking.
  prompter.messages.clear();
  const auto asked = projectOf({outside});
  asked->Outside = TProject::OutsideFiles::Ask;
  prompter.answerYes = false;
  StartRewrite(*asked, {true, false, false});
  EXPECT_EQ(readFileBytes(outside), "1\r\n");
  prompter.answerYes = true;
  StartRewrite(*asked, {true, false, false});
  EXPECT_EQ(readFileBytes(outside), "x\r\n");
  EXPECT_EQ(prompter.messages[1], "ask: The following file is outside the project's folder:\r" +
                                      outside + "\r\rDo you want it changed as well ?");
  home.write("elsewhere/Far.pas", "1\r\n");
  const auto allowed = projectOf({outside});
  allowed->Outside = TProject::OutsideFiles::Allow;
  StartRewrite(*allowed, {true, false, false});
  EXPECT_EQ(readFileBytes(outside), "x\r\n");
}

TEST_F(RewriteTest, DecliningTheWarningChangesNothing) {
  const std::string unit = home.write("app/U.pas", "1\r\n");
  planned = {{1, 1, {"x"}}};
  prompter.acceptChange = false;
  const auto project = projectOf({unit});
  EXPECT_TRUE(StartRewrite(*project, {true, true, true}).declined);
  EXPECT_EQ(readFileBytes(unit), "1\r\n");
  EXPECT_FALSE(std::filesystem::exists(home.path() + "backup"));
}

}  // namespace
}  // namespace sorvik
