#include "spelling/spell_check.h"

#include <gtest/gtest.h>

#include <optional>

#include "generic/compressed_list.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

using Words = std::vector<std::string>;

// An engine whose program folder is a fresh folder, loaded from english.dic there.
class SpellCheck : public testing::Test {
 protected:
  // Writes the dictionary (nothing when absent) and user.dic (nothing when absent), then
  // loads the dictionary.
  TSpellCheck& load(const std::optional<Words>& dictionary,
                    const std::optional<Words>& user = std::nullopt) {
    if (dictionary) SaveCompressedList(*dictionary, home.path() + "english.dic");
    if (user) SaveCompressedList(*user, home.path() + "user.dic");
    engine.LoadDictionary(home.path() + "english.dic");
    return engine;
  }

  test::TempFolder home;
  TSpellCheck engine{home.path()};
};

TEST_F(SpellCheck, AcceptsByTheRulesBeforeLookingUpTheLowerCaseWord) {
  load(Words{"hello", "read", "\xE9lan", "Delphi"});
  const struct {
    std::string word;
    bool accepted;
  } cases[] = {
      {"", true},
      {"file.tx1", true},      // a digit
      {"readme.txt", true},    // a file name, not in the list
      {"a.TXT", true},         // the shortest file name
      {"read.me.txt", false},  // its first "." is not the fourth character from the end
      {"read.t_t", false},
      {"--", true},  // nothing above "-"
      {"'(", true},
      {"-a", false},
      {"\xE9", false},  // a code above 127 is no character up to "-"
      {"Hello", true},
      {"HELLO", true},
      {"helo", false},
      {"\xC9LAN", true},  // lower-cased with the accented letters
      {"Delphi", false},  // a word written with capitals in the file is never matched
      {"delphi", false},
  };
  for (const auto& c : cases) EXPECT_EQ(engine.CheckWord(c.word), c.accepted) << c.word;
}

TEST_F(SpellCheck, FindsEveryWordWhateverItsPlaceInItsLetterGroup) {
  // "apple" is the first word and alone with its letter, "cat" alone in the middle, and
  // "zzz" from the user's words sorts after the last word of the dictionary.
  load(Words{"zebra", "bird", "cat", "apple", "banana", ""}, Words{"zzz", "bison"});
  for (const char* word : {"apple", "banana", "bird", "bison", "cat", "zebra", "zzz"}) {
    EXPECT_TRUE(engine.CheckWord(word)) << word;
  }
  for (const char* word : {"ant", "appl", "apples", "ba", "birds", "dog", "zz", "zzzz"}) {
    EXPECT_FALSE(engine.CheckWord(word)) << word;
  }
}

TEST_F(SpellCheck, ReadsTheUserWordsOnlyWhenAskedAndWhenTheDictionaryExists) {
  engine.UseUserDictionary = false;
  load(Words{"apple"}, Words{"zzz"});
  EXPECT_FALSE(engine.CheckWord("zzz"));

  TSpellCheck withoutDictionary(home.path());
  withoutDictionary.LoadDictionary(home.path() + "missing.dic");
  EXPECT_FALSE(withoutDictionary.CheckWord("zzz"));
  EXPECT_EQ(withoutDictionary.GetSuggestions("zzy"), Words{});
}

TEST_F(SpellCheck, ADamagedDictionaryLeavesTheListEmpty) {
  home.write("english.dic", "hello\r\nworld\r\n");
  load(std::nullopt, Words{"hello"});
  EXPECT_FALSE(engine.CheckWord("world"));
  EXPECT_TRUE(engine.CheckWord("hello"));
  EXPECT_EQ(engine.GetSuggestions("helo"), Words{"hello"});
}

TEST_F(SpellCheck, SuggestionsNeedALoadedDictionary) {
  try {
    engine.GetSuggestions("teh");
    FAIL() << "no exception";
  } catch (const ENoDictionaryLoaded& error) {
    EXPECT_STREQ(error.what(), "No dictionary is loaded.");
  }
}

TEST_F(SpellCheck, SuggestsWordsWithinTwoEditsInTheCaseOfTheWordAsked) {
  load(Words{"the", "those", "tea", "ted", "then", "thee", "other"});
  const struct {
    std::string word;
    Words suggestions;
  } cases[] = {
      // In list order, not by distance: "tea" and "ted" are one edit away, "the" two.
      {"teh", {"tea", "ted", "the", "thee", "then"}},
      {"Teh", {"Tea", "Ted", "The", "Thee", "Then"}},
      {"TEH", {"TEA", "TED", "THE", "THEE", "THEN"}},
      {"tEH", {"tea", "ted", "the", "thee", "then"}},
      // Only words of the same first letter: "other" is not asked about.
      {"ther", {"tea", "ted", "the", "thee", "then"}},
      {"oter", {"other"}},
      {"xther", {}},
      {"  ", {}},
      {"", {}},
      {"thethethethethe", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(engine.GetSuggestions(c.word), c.suggestions) << c.word;
}

TEST_F(SpellCheck, AnAccentedFirstLetterLooksAtItsBaseLetterFirstThenTheLettersThatFoldToIt) {
  // 232 folds to "c", so "\xE8te" is not looked at; the groups of 233 to 236 follow the
  // group of "e" in code order.
  load(Words{"\xEBte", "ate", "\xE8te", "\xE9te", "ete", "\xEAte", "\xECte"});
  EXPECT_EQ(engine.GetSuggestions("\xE9te"),
            (Words{"ete", "\xE9te", "\xEAte", "\xEBte", "\xECte"}));
  EXPECT_EQ(engine.GetSuggestions("\xC9TE"),
            (Words{"ETE", "\xC9TE", "\xCATE", "\xCBTE", "\xCCTE"}));
  // An unaccented first letter looks at the same groups.
  EXPECT_EQ(engine.GetSuggestions("ete"), (Words{"ete", "\xE9te", "\xEAte", "\xEBte", "\xECte"}));
}

TEST_F(SpellCheck, AWordInBothListsIsProposedOnce) {
  load(Words{"the", "the"}, Words{"the"});
  EXPECT_EQ(engine.GetSuggestions("teh"), Words{"the"});
}

}  // namespace
}  // namespace sorvik
