#include "cli/output.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_prompter.h"
#include "project/project.h"
#include "project/results.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

class OutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context = test::makeContext(home, nullptr, nullptr);
    project = std::make_unique<TProject>(*context);
  }
  test::TempFolder home;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
};

TEST_F(OutputTest, JsonStaysValidForQuotesControlsAndSingleByteText) {
  project->CurrentFile = "C:\\src\\\"odd\"\tname\x01\xE9.pas";
  AddResult(*project, 101, 0, "caf\xE9 \x93quoted\x94", nullptr, false,
            std::vector<std::string>{"S := '\xFC';"});
  std::ostringstream out;
  writeJsonRun(out, "scan", *project);
  const auto document = nlohmann::json::parse(out.str());  // throws when invalid
  const auto& result = document["results"][0];
  EXPECT_EQ(result["file"], "C:\\src\\\"odd\"\tname\x01\xC3\xA9.pas");
  EXPECT_EQ(result["text"], "):[Warn] caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D");
  EXPECT_EQ(result["suggestions"][0], "S := '\xC3\xBC';");
  EXPECT_EQ(result["kindText"], "Object was created but not freed");
  EXPECT_EQ(result["category"], "Warnings");
}

TEST_F(OutputTest, WorstSeverityRanksWarningsAboveHints) {
  EXPECT_EQ(worstSeverity(*project), 0);
  AddResult(*project, 17, 0, "hint", nullptr);
  EXPECT_EQ(worstSeverity(*project), 1);
  AddResult(*project, 101, 1, "warning", nullptr);
  EXPECT_EQ(worstSeverity(*project), 2);
}

TEST(TerminalTextTest, LineBreaksOfMessagesBecomeLineFeeds) {
  EXPECT_EQ(terminalText("File could not be found.\r\rX.dpr"),
            "File could not be found.\n\nX.dpr\n");
  EXPECT_EQ(terminalText("a\r\nb\n"), "a\nb\n");
}

}  // namespace
}  // namespace sorvik
