#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generic/compressed_list.h"
#include "project/config.h"
#include "search/search_options.h"
#include "search/search_results.h"
#include "support/test_support.h"

namespace sorvik::test {
namespace {

struct ConfirmCase {
  std::string name;
  SearchDialogValues values;
  bool answer;                        // to every question
  bool confirmed;                     // the search may start
  std::vector<std::string> messages;  // what the user was shown and asked, in order
  int expressions = kNoExpressions;   // after the confirmation
};

SearchDialogValues withText(std::string text) {
  SearchDialogValues values;
  values.Text = std::move(text);
  return values;
}

SearchDialogValues with(std::string text, auto change) {
  SearchDialogValues values = withText(std::move(text));
  change(values);
  return values;
}

const std::string kComments =
    "ask: You have chosen to ignore comments\rbut you have comments in your search "
    "text.\r\rAre you sure you want to continue ?";
const std::string kNoExpression =
    "ask: No expression characters are in this regular expression search.\r\rThis search will "
    "be a normal text search. Do you want to continue ?";

TEST(SearchOptions, ConfirmationChecksInTheirOrder) {
  const auto regular = [](SearchDialogValues& v) { v.Expressions = kRegularExpressions; };
  const ConfirmCase cases[] = {
      {"empty",
       withText("  "),
       true,
       false,
       {"warning: A search cannot be performed on empty text"}},
      {"plain", withText("Free"), true, true, {}},
      {"commentOpener", withText("x // y"), false, false, {kComments}},
      {"commentOpenerYes", withText("(* y"), true, true, {kComments}},
      {"commentInQuotes", withText("'{x}'"), false, true, {}},
      {"commentsKept", with("{x}", [](auto& v) { v.IgnoreComments = false; }), false, true, {}},
      {"braceInExpression", with("A{1,2}//", regular), true, true, {}, kRegularExpressions},
      {"formsOnly", with("{x}  y", [](auto& v) { v.Scope = kScopeForms; }), false, true, {}},
      {"twoBlanks",
       withText("A  B"),
       true,
       false,
       {"warning: You have chosen to ignore excessive spacing\r\nwhich means you cannot have more "
        "than one space\r\nin your search text"}},
      {"caseWithVariables",
       with("<integer1>",
            [](auto& v) {
              v.CaseSensitive = true;
              v.Expressions = kVariableExpressions;
            }),
       false,
       false,
       {"ask: Variable expression searches are case insensitive\r\rDo you want to continue ?"},
       kVariableExpressions},
      {"quoteWithoutLiterals",
       with("'A'", [](auto& v) { v.IgnoreLiterals = true; }),
       true,
       false,
       {"warning: You have chosen to ignore string literals\r\nwhich means you cannot have "
        "quotes\r\nin your search text"}},
      {"plainExpressionYes", with("a|b", regular), true, true, {kNoExpression}, kNoExpressions},
      {"plainExpressionNo",
       with("a|b", regular),
       false,
       false,
       {kNoExpression},
       kRegularExpressions},
      {"brokenExpression",
       with("(a", regular),
       true,
       false,
       {"warning: The regular expression cannot be used: missing closing parenthesis at offset "
        "2"},
       kRegularExpressions},
  };
  for (const ConfirmCase& c : cases) {
    ScriptedPrompter prompter;
    prompter.answerYes = c.answer;
    SearchDialogValues values = c.values;
    EXPECT_EQ(ConfirmSearch(values, prompter), c.confirmed) << c.name;
    EXPECT_EQ(prompter.messages, c.messages) << c.name;
    if (c.confirmed || c.expressions != kNoExpressions) {
      EXPECT_EQ(values.Expressions, c.expressions) << c.name;
    }
  }
}

TEST(SearchOptions, TextIsNormalisedUnlessCaseSensitive) {
  TempFolder home;
  SearchDialogValues values = withText("x:=<Integer>+<STRING>+<IntValue>+'a';");
  values.Expressions = kVariableExpressions;
  EXPECT_EQ(TSearchOptions(values, home.path()).SearchText,
            "X:=<integer1>+<string1>+<intvalue1>+'a';");
  values.CaseSensitive = true;
  EXPECT_EQ(TSearchOptions(values, home.path()).SearchText, values.Text);
  values.CaseSensitive = false;
  values.Expressions = kNoExpressions;
  EXPECT_EQ(TSearchOptions(values, home.path()).SearchText,
            "X:=<INTEGER>+<STRING>+<INTVALUE>+'A';");
  values.Scope = kScopeForms;  // variable expressions are plain text in forms
  values.Expressions = kVariableExpressions;
  EXPECT_FALSE(TSearchOptions(values, home.path()).UseTemplate);
}

TEST(SearchOptions, LimitBox) {
  TempFolder home;
  const std::pair<const char*, int> cases[] = {
      {"", 2147483647}, {" 5 ", 5}, {"0", 0}, {"x1", 2147483647}};
  for (const auto& [amount, expected] : cases) {
    SearchDialogValues values = withText("A");
    values.Limit = true;
    values.LimitAmount = amount;
    EXPECT_EQ(TSearchOptions(values, home.path()).MaxResults, expected) << amount;
  }
}

TEST(SearchOptions, SettingsAndRecentSearchesSurviveInConfig) {
  TempFolder home;
  Config config(home.path() + "config.ini");
  SearchDialogValues values = withText("Find me");
  values.Scope = kScopeForms;
  values.WholeWords = values.Limit = values.WithinLastResults = true;
  values.LimitAmount = "12";
  values.Expressions = kRegularExpressions;
  ASSERT_TRUE(WriteSearchSettings(config, values));
  Config again(home.path() + "config.ini");
  const SearchDialogValues read = ReadSearchSettings(again, true);
  EXPECT_EQ(read.Text, "Find me");
  EXPECT_EQ(read.Scope, kScopeForms);
  EXPECT_TRUE(read.WholeWords && read.Limit && read.WithinLastResults);
  EXPECT_EQ(read.LimitAmount, "12");
  EXPECT_EQ(read.Expressions, kRegularExpressions);
  EXPECT_FALSE(ReadSearchSettings(again, false).WithinLastResults);

  for (int i = 1; i <= 10; ++i) ASSERT_TRUE(AddRecentSearch(config, "text" + std::to_string(i)));
  ASSERT_TRUE(AddRecentSearch(config, "TEXT5"));  // already there: stays where it is
  EXPECT_EQ(RecentSearches(config).front(), "text10");
  ASSERT_TRUE(AddRecentSearch(config, "text11"));  // the oldest goes
  const std::vector<std::string> recent = RecentSearches(Config(home.path() + "config.ini"));
  ASSERT_EQ(recent.size(), 10u);
  EXPECT_EQ(recent.front(), "text11");
  EXPECT_EQ(recent.back(), "text2");
}

TEST(SearchResults, RoundTripAndEachStoredLineTakenOnce) {
  TempFolder home;
  TSearchResults results;
  results.AddResult(41, "/Projects/Sample/Unit1.pas");
  results.AddResult(41, "/Projects/Sample/Unit1.pas");
  results.AddResult(7, "/Projects/Sample/Unit2.pas");
  ASSERT_TRUE(results.SaveResults(home.path() + "results.dat"));
  EXPECT_EQ(
      LoadCompressedList(home.path() + "results.dat"),
      (std::vector<std::string>{"/projects/sample/unit1.pas,41", "/projects/sample/unit1.pas,41",
                                "/projects/sample/unit2.pas,7"}));
  TSearchResults read;
  read.LoadResults(home.path() + "results.dat");
  EXPECT_EQ(read.Entries, results.Entries);

  TFileResults last(read.Entries);
  EXPECT_TRUE(last.TakeLine("/PROJECTS/sample/unit1.pas", 41));
  EXPECT_TRUE(last.TakeLine("/projects/sample/unit1.pas", 41));
  EXPECT_FALSE(last.TakeLine("/projects/sample/unit1.pas", 41));
  EXPECT_FALSE(last.TakeLine("/projects/sample/unit1.pas", 7));
  EXPECT_TRUE(last.TakeLine("/projects/sample/unit2.pas", 7));
}

}  // namespace
}  // namespace sorvik::test
