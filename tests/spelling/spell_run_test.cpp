// The spelling run: which words of a text are checked and reported, duplicates, the
// checker that UseWord selects, where a word is located, and what the user does with the
// results.
#include <gtest/gtest.h>

#include <filesystem>

#include "generic/compressed_list.h"
#include "spelling/hunspell_checker.h"
#include "spelling_fixture.h"

namespace sorvik {
namespace {

using Rows = std::vector<std::string>;

// The words reported for a text of code.
Rows reported(test::SpellingFixture& f, const std::string& text) {
  f.emptyProject();
  f.spellRun().CheckText(text, kCodeSource, nullptr, 0, "F.pas");
  Rows words;
  for (const auto& item : f.spellRun().items()) words.push_back(item.Word);
  return words;
}

TEST(SpellRunTest, PassesOverNamesOfTheTradeAddressesAndMarkup) {
  const struct {
    std::string text;
    Rows expected;
  } cases[] = {
      {"dll Delphi HTTP Microsoft pascal exe rtf English", {}},
      {"www.sorvik.bogus sorvik.com sorvik.org sorvik.net", {}},
      {"sorvikcom .com", {"sorvikcom", "com"}},  // no dot, or nothing before it
      {"nbsp br td tr html head", {}},
      {"Helo helo HELO wrld", {"Helo", "helo", "HELO", "wrld"}},
      {"e.g hello...wrld file2 readme.txt don't", {"e.g", "hello...wrld", "don"}},
  };
  for (const auto& c : cases) {
    test::SpellingFixture f;
    EXPECT_EQ(reported(f, c.text), c.expected) << c.text;
  }
}

TEST(SpellRunTest, CountsARepeatedMistakeAsADuplicateWhenDuplicatesAreNotShown) {
  const struct {
    std::string config;
    size_t results;
    std::string count;
  } cases[] = {{"[General]\r\nDupeSpell=0\r\n", 3, "3 results (1 duplicate)"},
               {"", 4, "4 results"}};
  for (const auto& c : cases) {
    test::SpellingFixture f(c.config);
    TProject& project = f.emptyProject();
    TSpell& spell = f.spellRun();
    for (const char* text : {"Teh", "teh cat", "wrold", "misteak"})
      spell.CheckText(text, kCodeSource, nullptr, 0, "F.pas");
    EXPECT_EQ(spell.items().size(), c.results);
    EXPECT_EQ(spell.resultCountText(), c.count);
    EXPECT_EQ(spell.WordsChecked, 5);
    EXPECT_EQ(project.report().Counts.SpellingMistakes, static_cast<int>(c.results));
  }
}

// Stands in for Hunspell: accepts "hello" only and suggests "Hello" for anything.
class FakeChecker : public WordChecker {
 public:
  bool check(const std::string& word) override { return word == "hello"; }
  std::vector<std::string> suggestions(const std::string&) override { return {"Hello"}; }
};

TEST(SpellRunTest, TheUseWordCheckerChecksTheLowerCaseWordButNotMonthsAndDays) {
  test::SpellingFixture f("[SpellProps]\r\nUseWord=1\r\n");
  f.context().service<UseWordChecker>().open = [] { return std::make_unique<FakeChecker>(); };
  EXPECT_EQ(reported(f, "HELLO january Tuesday Helo"), Rows{"Helo"});
  EXPECT_EQ(f.spellRun().GetSpellSuggestions("Helo"), Rows{"Hello"});
  EXPECT_TRUE(f.project().Errors.empty());
}

TEST(SpellRunTest, WithoutHunspellTheEngineChecks) {
  test::SpellingFixture f("[SpellProps]\r\nUseWord=1\r\n");
  f.context().service<UseWordChecker>().open = [] { return std::unique_ptr<WordChecker>(); };
  EXPECT_EQ(reported(f, "hello january wrld"), (Rows{"january", "wrld"}));
  EXPECT_EQ(f.spellRun().GetSpellSuggestions("wrld"), Rows{"world"});
  EXPECT_EQ(f.project().Errors, Rows{"Error starting Hunspell, sorvik spell checker used instead"});
}

// Where each reported word of a text is: its line (0-based) and column (1-based).
std::vector<std::pair<int, int>> places(test::SpellingFixture& f, const std::string& text,
                                        const Rows& lines, int line, const std::string& file) {
  f.emptyProject();
  f.spellRun().CheckText(text, 1, &lines, line, file);
  std::vector<std::pair<int, int>> found;
  for (const auto& item : f.spellRun().items())
    found.emplace_back(item.Result.Line, item.Result.Column);
  return found;
}

TEST(SpellRunTest, LocatesWordsInFormStrings) {
  const Rows form = {"object Form1: TForm1",
                     "  Caption = 'teh cat and teh dog'",
                     "  object Label1: TLabel",
                     "    Caption = ",
                     "      'The frist line of a long caption ' +",
                     "      'and teh secnd'",
                     "    Hint = Label1",
                     "    Items.Strings = (",
                     "      'Caf'#233",
                     "      'Caf\xE9 again')"};
  test::SpellingFixture f;
  using Places = std::vector<std::pair<int, int>>;
  // Each occurrence at its own place.
  EXPECT_EQ(places(f, "teh cat and teh dog", form, 1, "Unit1.dfm"), (Places{{1, 14}, {1, 26}}));
  // A string continued on the next line.
  EXPECT_EQ(places(f, "The frist line of a long caption and teh secnd", form, 4, "Unit1.dfm"),
            (Places{{4, 12}, {5, 12}, {5, 16}}));
  // A line without a quote, and an item whose word is not on its own line: not located,
  // not even in the next item.
  EXPECT_EQ(places(f, "Lable", form, 6, "Unit1.dfm"), (Places{{6, 0}}));
  EXPECT_EQ(places(f, "Caf\xE9", form, 8, "Unit1.dfm"), (Places{{8, 0}}));
  // Only forms and pages are searched.
  EXPECT_EQ(places(f, "teh", form, 1, "Unit1.pas"), (Places{{1, 0}}));
}

TEST(SpellRunTest, LocatesWordsInPagesWithinFiveLines) {
  const Rows page = {"<p>", "one", "two", "the Teh", "four", "five", "six Wrld"};
  test::SpellingFixture f;
  using Places = std::vector<std::pair<int, int>>;
  EXPECT_EQ(places(f, "Teh", page, 0, "index.html"), (Places{{3, 5}}));
  EXPECT_EQ(places(f, "Wrld", page, 0, "index.aspx"), (Places{{0, 0}}));
  EXPECT_EQ(places(f, "Wrld", page, 1, "INDEX.HTM"), (Places{{6, 5}}));
}

// A run that reported teh twice and wrld once; user.dic holds `userWords` when given.
class SpellResultsTest : public testing::Test {
 protected:
  void report(const std::optional<Rows>& userWords) {
    if (userWords) SaveCompressedList(*userWords, f.home.path() + "user.dic");
    f.emptyProject();
    f.spellRun().CheckText("teh wrld Teh", kCodeSource, nullptr, 0, "F.pas");
  }
  Rows words() {
    Rows left;
    for (const auto& item : f.spellRun().items()) left.push_back(item.Word);
    return left;
  }
  test::SpellingFixture f;
};

TEST_F(SpellResultsTest, AddingToTheCustomDictionaryKeepsItSortedAndWithoutRepeats) {
  report(Rows{"zebra", "apple"});
  EXPECT_TRUE(f.spellRun().AddToCustomDictionary({"Teh"}));
  EXPECT_EQ(words(), Rows{"wrld"});
  EXPECT_EQ(LoadCompressedList(f.home.path() + "user.dic"), (Rows{"apple", "teh", "zebra"}));
  EXPECT_TRUE(f.spellRun().AddToCustomDictionary({"teh", "WRLD", "wrld", ""}));
  EXPECT_EQ(words(), Rows{});
  EXPECT_EQ(LoadCompressedList(f.home.path() + "user.dic"),
            (Rows{"apple", "teh", "wrld", "zebra"}));
}

TEST_F(SpellResultsTest, IgnoringRemovesEveryOccurrenceAndWritesNothing) {
  report(std::nullopt);
  f.spellRun().IgnoreForNow({"TEH"});
  EXPECT_EQ(words(), Rows{"wrld"});
  EXPECT_FALSE(std::filesystem::exists(f.home.path() + "user.dic"));
}

TEST_F(SpellResultsTest, ADamagedCustomDictionaryIsNeitherUsedNorWrittenOver) {
  const std::string path = f.home.write("user.dic", "not a compressed list");
  report(std::nullopt);
  EXPECT_FALSE(f.spellRun().AddToCustomDictionary({"teh"}));
  EXPECT_EQ(test::readAll(path), "not a compressed list");
  EXPECT_EQ(words(), (Rows{"teh", "wrld", "Teh"}));
  EXPECT_EQ(f.project().Errors,
            (Rows{"Dictionary could not be read, its words are not used: " + path,
                  "Custom dictionary could not be read, no word was added: " + path}));
}

TEST_F(SpellResultsTest, AFailedWriteOfTheCustomDictionaryIsReported) {
  report(std::nullopt);
  std::filesystem::remove_all(f.home.path());
  EXPECT_FALSE(f.spellRun().AddToCustomDictionary({"teh"}));
  EXPECT_EQ(f.project().Errors,
            Rows{"Custom dictionary could not be saved: " + f.home.path() + "user.dic"});
  EXPECT_EQ(words(), Rows{"wrld"});
}

TEST(SpellRunTest, ADamagedDictionaryIsReported) {
  test::SpellingFixture f;
  const std::string path = f.home.write("english.dic", std::string("\x78\x9C\x01\x02", 4));
  EXPECT_EQ(reported(f, "hello"), Rows{"hello"});
  EXPECT_EQ(f.project().Errors,
            Rows{"Dictionary could not be read, its words are not used: " + path});
}

// A UTF-8 text gives the words of its Windows-1252 twin; a word in letters Windows-1252
// cannot hold is not checked.
TEST(SpellRunTest, Utf8TextGivesTheWordsOfItsSingleByteTwin) {
  test::SpellingFixture f;
  const Rows twin = reported(f, "Caf\xE9 na\xEFve w\xF6rld hello");
  EXPECT_EQ(twin, (Rows{"Caf\xE9", "na\xEFve", "w\xF6rld"}));
  EXPECT_EQ(reported(f,
                     "Caf\xC3\xA9 na\xC3\xAFve \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 "
                     "w\xC3\xB6rld \xC5\x81\xC3\xB3"
                     "d\xC5\xBA hello"),
            twin);
}

}  // namespace
}  // namespace sorvik
