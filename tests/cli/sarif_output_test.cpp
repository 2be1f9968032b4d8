// SARIF output: every property that SARIF 2.1.0 requires, fixes that turn the file into
// what applying the suggestion gives, and valid documents for hostile names and texts.
#include "cli/sarif_output.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/output.h"
#include "generic/strings.h"
#include "project/open_project.h"
#include "project/project.h"
#include "project/results.h"
#include "project/scan_driver.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

using json = nlohmann::json;

bool isUriReference(const std::string& uri) {
  for (unsigned char c : uri)
    if (c <= ' ' || c >= 0x7F ||
        std::string_view("\"<>\\^`{|}").find(static_cast<char>(c)) != std::string_view::npos)
      return false;
  return !uri.empty();
}

void expectRegion(const json& region) {
  ASSERT_TRUE(region.is_object());
  ASSERT_TRUE(region["startLine"].is_number_integer());
  EXPECT_GE(region["startLine"].get<int>(), 1);
  if (region.contains("endLine")) {
    EXPECT_GE(region["endLine"], region["startLine"]);
  }
}

void expectArtifactLocation(const json& location, const json& run) {
  ASSERT_TRUE(location["uri"].is_string());
  EXPECT_TRUE(isUriReference(location["uri"])) << location["uri"];
  if (location.contains("uriBaseId")) {
    const json& base = run["originalUriBaseIds"][location["uriBaseId"].get<std::string>()];
    ASSERT_TRUE(base["uri"].is_string());
    EXPECT_TRUE(base["uri"].get<std::string>().starts_with("file:///"));
    EXPECT_TRUE(base["uri"].get<std::string>().ends_with("/"));
  }
}

// The properties SARIF 2.1.0 requires, and the links between results and rules.
void expectValidSarif(const json& log) {
  EXPECT_TRUE(log["$schema"].is_string());
  EXPECT_EQ(log["version"], "2.1.0");
  ASSERT_TRUE(log["runs"].is_array());
  ASSERT_EQ(log["runs"].size(), 1u);
  const json& run = log["runs"][0];
  EXPECT_EQ(run["tool"]["driver"]["name"], "sorvik");
  const json& rules = run["tool"]["driver"]["rules"];
  ASSERT_TRUE(rules.is_array());
  for (const json& rule : rules) {
    ASSERT_TRUE(rule["id"].is_string());
    EXPECT_EQ(std::to_string(toInt(rule["id"].get<std::string>(), -1)), rule["id"]);
    EXPECT_TRUE(rule["name"].is_string());
  }
  ASSERT_TRUE(run["results"].is_array());
  for (const json& result : run["results"]) {
    ASSERT_TRUE(result["ruleId"].is_string());
    ASSERT_LT(result["ruleIndex"].get<size_t>(), rules.size());
    EXPECT_EQ(rules[result["ruleIndex"].get<size_t>()]["id"], result["ruleId"]);
    EXPECT_TRUE(result["level"] == "note" || result["level"] == "warning");
    EXPECT_TRUE(result["message"]["text"].is_string());
    ASSERT_TRUE(result["locations"].is_array());
    ASSERT_FALSE(result["locations"].empty());
    for (const json& location : result["locations"]) {
      const json& physical = location["physicalLocation"];
      expectArtifactLocation(physical["artifactLocation"], run);
      if (physical.contains("region")) expectRegion(physical["region"]);
    }
    if (!result.contains("fixes")) continue;
    for (const json& fix : result["fixes"]) {
      ASSERT_FALSE(fix["artifactChanges"].empty());
      for (const json& change : fix["artifactChanges"]) {
        expectArtifactLocation(change["artifactLocation"], run);
        ASSERT_FALSE(change["replacements"].empty());
        for (const json& replacement : change["replacements"])
          expectRegion(replacement["deletedRegion"]);
      }
    }
  }
}

TEST(SarifOutputTest, TheExampleProjectGivesValidSarif) {
  test::TempFolder home;
  test::ScriptedPrompter prompter;
  auto context = test::makeContext(home, &prompter, nullptr);
  auto project = OpenProjectFile(*context, test::testDataFolder() + "../examples/Inventory.dpr");
  ASSERT_TRUE(project);
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  std::ostringstream out;
  writeSarifRun(out, *project);
  const json log = json::parse(out.str());
  expectValidSarif(log);
  const json& run = log["runs"][0];
  ASSERT_FALSE(project->Report->Results.empty());
  EXPECT_EQ(run["results"].size(), project->Report->Results.size());
  for (const json& result : run["results"]) {
    // Every file of the example lies in the project's folder.
    const json& location = result["locations"][0]["physicalLocation"]["artifactLocation"];
    EXPECT_EQ(location["uriBaseId"], "%SRCROOT%");
    EXPECT_FALSE(location["uri"].get<std::string>().starts_with("/"));
  }
}

class SarifProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context = test::makeContext(home, nullptr, nullptr);
    project = std::make_unique<TProject>(*context, home.path() + "App.dpr");
  }
  json sarif() {
    std::ostringstream out;
    writeSarifRun(out, *project);
    json log = json::parse(out.str());
    expectValidSarif(log);
    return log["runs"][0];
  }
  test::TempFolder home;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
};

TEST_F(SarifProjectTest, RulesLevelsLocationsAndMessages) {
  project->CurrentFile = home.path() + "Sub Dir/Unit1.pas";
  AddResult(*project, 101, 4, "Object was created", nullptr);
  AddResult(*project, 17, 2, "Use SinCos", nullptr);
  AddResult(*project, 17, 6, "Use SinCos again", nullptr);
  project->CurrentFile = "/elsewhere/Lib.pas";
  AddResult(*project, 240, -1, "no line", nullptr);
  project->NamingMode = true;
  project->CurrentFile = home.path() + "Main.dfm";
  AddResult(*project, 300, 0, "Button1 -> btnSave", nullptr);

  const json run = sarif();
  const json& rules = run["tool"]["driver"]["rules"];
  ASSERT_EQ(rules.size(), 4u);
  EXPECT_EQ(rules[0]["id"], "17");
  EXPECT_EQ(rules[0]["name"], "Use SinCos instead of both Sin and Cos");
  EXPECT_EQ(rules[1]["id"], "101");
  EXPECT_EQ(rules[2]["id"], "240");
  EXPECT_EQ(rules[3]["name"], "Naming of form object");

  const json& results = run["results"];
  ASSERT_EQ(results.size(), 5u);
  EXPECT_EQ(results[0]["level"], "warning");
  EXPECT_EQ(results[0]["message"]["text"], "Object was created");
  const json& physical = results[0]["locations"][0]["physicalLocation"];
  EXPECT_EQ(physical["artifactLocation"]["uri"], "Sub%20Dir/Unit1.pas");
  EXPECT_EQ(physical["region"]["startLine"], 5);
  EXPECT_EQ(results[1]["level"], "note");
  EXPECT_EQ(results[2]["ruleIndex"], 0);
  const json& outside = results[3]["locations"][0]["physicalLocation"];
  EXPECT_EQ(outside["artifactLocation"]["uri"], "file:///elsewhere/Lib.pas");
  EXPECT_FALSE(outside.contains("region"));  // no line, no region
  EXPECT_EQ(results[4]["level"], "warning");
  EXPECT_EQ(results[4]["message"]["text"], "Button1 -> btnSave");
  EXPECT_EQ(run["originalUriBaseIds"]["%SRCROOT%"]["uri"], "file://" + home.path());
}

// Applies one SARIF replacement to a text (ASCII, so columns are bytes).
std::string applyReplacement(const std::string& text, const json& replacement) {
  std::vector<size_t> starts{0};
  std::vector<size_t> ends;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    ends.push_back(i);
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    starts.push_back(i + 1);
  }
  ends.push_back(text.size());
  const json& region = replacement["deletedRegion"];
  const size_t startLine = region["startLine"].get<size_t>() - 1;
  const size_t endLine = region.value("endLine", startLine + 1) - 1;
  const size_t from = starts.at(startLine) + region.value("startColumn", 1) - 1;
  const size_t to = region.contains("endColumn")
                        ? starts.at(endLine) + region["endColumn"].get<size_t>() - 1
                        : ends.at(endLine);
  std::string inserted;
  if (replacement.contains("insertedContent")) inserted = replacement["insertedContent"]["text"];
  return text.substr(0, from) + inserted + text.substr(to);
}

struct FixCase {
  const char* name;
  std::string file;
  int line;
  int lineCount;
  std::vector<std::string> suggestion;
  std::string expected;
};

class SarifFixTest : public SarifProjectTest, public ::testing::WithParamInterface<FixCase> {};

TEST_P(SarifFixTest, ApplyingTheFixGivesTheSuggestedFile) {
  const FixCase& c = GetParam();
  project->CurrentFile = home.write("Unit1.pas", c.file);
  AddOutput(*project, c.line, "):[Hint] x", c.suggestion, c.lineCount, {}, 17);
  const json run = sarif();
  const json& fix = run["results"][0]["fixes"][0];
  EXPECT_EQ(fix["artifactChanges"][0]["artifactLocation"]["uri"], "Unit1.pas");
  const json& replacements = fix["artifactChanges"][0]["replacements"];
  ASSERT_EQ(replacements.size(), 1u);
  EXPECT_EQ(applyReplacement(c.file, replacements[0]), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SarifFixTest,
    ::testing::Values(
        FixCase{"Replace", "a\r\nb\r\nc\r\n", 2, 1, {"B"}, "a\r\nB\r\nc\r\n"},
        FixCase{"ReplaceTwoByThree", "a\nb\nc\nd\n", 2, 2, {"1", "2", "3"}, "a\n1\n2\n3\nd\n"},
        FixCase{"RemoveTwoLines", "a\r\nb\r\nc\r\nd\r\n", 2, 2, {"{Remove line}"}, "a\r\nd\r\n"},
        FixCase{"InsertBeforeTheFirstLine",
                "a\r\nb\r\n",
                1,
                1,
                {"{Insert:}", "x", "y"},
                "x\r\ny\r\na\r\nb\r\n"},
        FixCase{"RemoveTheLastLine", "a\r\nb\r\nc\r\n", 3, 1, {"{Remove line}"}, "a\r\nb\r\n"},
        FixCase{"ReplaceTheLastLineWithoutLineEnd", "a\nb\nc", 3, 1, {"C1", "C2"}, "a\nb\nC1\nC2"},
        FixCase{"MarkerTextElsewhereIsText",
                "a\r\nb\r\n",
                1,
                1,
                {"{remove line}"},
                "{remove line}\r\nb\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SarifProjectTest, AppliedResultsAndResultsWithoutLineHaveNoFix) {
  project->CurrentFile = home.write("Unit1.pas", "a\r\n");
  AddOutput(*project, 1, "):[Hint] x", std::vector<std::string>{"A"}, 1, {}, 17).Applied = true;
  AddOutput(*project, -1, "):[Hint] y", std::vector<std::string>{"A"}, 1, {}, 17);
  const json run = sarif();
  for (const json& result : run["results"]) EXPECT_FALSE(result.contains("fixes"));
}

// Quotes, backslashes, control characters and single-byte text in file names, messages
// and suggestions: both machine-readable formats stay valid, with the text in UTF-8.
TEST_F(SarifProjectTest, JsonAndSarifStayValidForHostileText) {
  project->CurrentFile = home.path() + "we\"ird\\na\tme\x01\xE9.pas";
  AddResult(*project, 101, 0, "caf\xE9 \"q\" back\\slash \x02 \x93x\x94", nullptr, false,
            std::vector<std::string>{"S := '\xFC\\\"';"});
  std::ostringstream sarifText, jsonText;
  writeSarifRun(sarifText, *project);
  writeJsonRun(jsonText, "scan", *project);
  const json log = json::parse(sarifText.str());
  expectValidSarif(log);
  const json document = json::parse(jsonText.str());
  const json& result = log["runs"][0]["results"][0];
  EXPECT_EQ(result["message"]["text"],
            "caf\xC3\xA9 \"q\" back\\slash \x02 \xE2\x80\x9Cx\xE2\x80\x9D");
  EXPECT_EQ(result["locations"][0]["physicalLocation"]["artifactLocation"]["uri"],
            "we%22ird%5Cna%09me%01%C3%A9.pas");
  EXPECT_EQ(document["results"][0]["text"],
            "):[Warn] " + result["message"]["text"].get<std::string>());
}

TEST(UriOfPathTest, EncodesAllButUnreservedCharacters) {
  EXPECT_EQ(uriOfPath("a b/c:d~e_f.pas", false), "a%20b/c%3Ad~e_f.pas");
  EXPECT_EQ(uriOfPath("c:/x y", true), "c:/x%20y");
  EXPECT_EQ(uriOfPath("\xE9", false), "%C3%A9");
  EXPECT_EQ(uriOfPath("\xC3\xA9", false), "%C3%A9");  // already UTF-8
}

}  // namespace
}  // namespace sorvik
