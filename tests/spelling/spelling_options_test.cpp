// The spelling options as the options dialog reads and saves them, the call rules file and
// the custom dictionary.
#include "spelling/spelling_options.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "generic/compressed_list.h"
#include "spelling/code_speller.h"
#include "spelling/custom_dictionary.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

TEST(CallRules, ReadsNameAndPositionsOfEveryLineWithAComma) {
  const auto rules =
      parseCallRules({"InputBox,1,2,3", "no comma", "Notify,x,2", "Bare,", "Many,1,2,3,4", ""});
  EXPECT_EQ(rules, (std::vector<TCallRule>{{"InputBox", {1, 2, 3}},
                                           {"Notify", {0, 2, 0}},
                                           {"Bare", {0, 0, 0}},
                                           {"Many", {1, 2, 3}}}));
}

TEST(CallRules, TheShippedFileHoldsTheDefaultRules) {
  test::TempFolder folder;
  ASSERT_TRUE(SaveCallRules(folder.path(), defaultCallRules()));
  EXPECT_EQ(test::readAll(test::testDataFolder() + "../data/spellcode.csv"),
            test::readAll(folder.path() + "spellcode.csv"));
  EXPECT_EQ(test::readAll(folder.path() + "spellcode.csv").substr(0, 27),
            "CreateMessageDialog,1,0,0\r\n");
}

class SpellingOptionsTest : public testing::Test {
 protected:
  std::unique_ptr<AppContext> context(const std::string& config = "") {
    if (!config.empty()) home.write("config.ini", config);
    return test::makeContext(home, &prompter, &observer);
  }
  test::TempFolder home;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
};

TEST_F(SpellingOptionsTest, ANewProgramFolderHasTheDefaults) {
  const SpellingOptions options = ReadSpellingOptions(*context());
  EXPECT_TRUE(options.DupeSpell && options.CheckStringConst && !options.UseWord);
  EXPECT_EQ(options.Language, "English");
  EXPECT_EQ(options.Rules, defaultCallRules());
  EXPECT_EQ(options.Properties, (Lines{"Caption", "Hint", "Text"}));
  EXPECT_TRUE(options.Alert && options.Prompt && options.Confirm && options.MsgBox);
}

TEST_F(SpellingOptionsTest, SavedOptionsReadBackAndTakeEffect) {
  auto first = context();
  SpellingOptions options;
  options.DupeSpell = options.CheckStringConst = options.Confirm = options.MsgBox = false;
  options.UseWord = true;
  options.Language = "Dutch";
  options.Rules = {{"Notify", {2, 0, 0}}, {"Off", {0, 0, 0}}};
  options.Properties = {"Title", "Caption"};
  ASSERT_TRUE(SaveSpellingOptions(*first, options));
  const TCodeSpeller& speller = first->service<TCodeSpeller>();
  EXPECT_TRUE(speller.HideDuplicates);
  EXPECT_EQ(speller.Properties, (Lines{"TITLE", "CAPTION"}));
  EXPECT_EQ(speller.Rules.front().Statement, "NOTIFY");
  EXPECT_FALSE(first->settings.CheckStringConst);
  EXPECT_EQ(test::readAll(home.path() + "spellcode.csv"), "Notify,2,0,0\r\nOff,0,0,0\r\n");

  const SpellingOptions read = ReadSpellingOptions(*context());
  EXPECT_FALSE(read.DupeSpell || read.CheckStringConst || read.Confirm || read.MsgBox);
  EXPECT_TRUE(read.UseWord && read.Alert && read.Prompt);
  EXPECT_EQ(read.Language, "Dutch");
  EXPECT_EQ(read.Rules, options.Rules);
  EXPECT_EQ(read.Properties, options.Properties);

  // No property at all stays none, rather than the defaults.
  options.Properties.clear();
  SaveSpellingOptions(*first, options);
  EXPECT_EQ(ReadSpellingOptions(*context()).Properties, Lines{});
}

TEST_F(SpellingOptionsTest, DefaultsKeepTheLanguageOnly) {
  auto made = context("[SpellProps]\r\nUseWord=1\r\nLanguage=Dutch\r\nItem1=Title\r\n");
  home.write("spellcode.csv", "Notify,2,0,0\r\n");
  const SpellingOptions options = RestoreSpellingDefaults(*made, "Dutch");
  EXPECT_FALSE(options.UseWord);
  EXPECT_EQ(options.Language, "Dutch");
  EXPECT_EQ(options.Properties, (Lines{"Caption", "Hint", "Text"}));
  EXPECT_EQ(options.Rules, defaultCallRules());
}

TEST_F(SpellingOptionsTest, ListsTheDictionariesEnglishFirst) {
  for (const char* name : {"DUTCH.dic", "english.dic", "fr.dic", "user.dic", "notes.txt"})
    home.write(name, "");
  EXPECT_EQ(DictionaryLanguages(home.path()), (Lines{"English", "Dutch", "Fr"}));
}

TEST_F(SpellingOptionsTest, TheCustomDictionaryIsSavedTrimmedLowerCaseSortedOnce) {
  ASSERT_TRUE(SaveCustomDictionary(home.path(), {" Zebra ", "apple", "", "APPLE"}));
  EXPECT_EQ(LoadCompressedList(home.path() + "user.dic"), (Lines{"apple", "zebra"}));
  ASSERT_TRUE(SaveCustomDictionary(home.path(), {"", "  "}));
  EXPECT_FALSE(std::filesystem::exists(home.path() + "user.dic"));
}

}  // namespace
}  // namespace sorvik
