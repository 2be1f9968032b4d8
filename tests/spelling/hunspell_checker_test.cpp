#include "spelling/hunspell_checker.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace sorvik {
namespace {

class HunspellChecker : public testing::Test {
 protected:
  void SetUp() override {
    checker = openHunspellChecker();
    if (!checker) GTEST_SKIP() << "the en_US dictionary (hunspell-en-us) is not installed";
  }
  std::unique_ptr<WordChecker> checker;
};

TEST_F(HunspellChecker, ChecksWordsAndSuggestsForMisspelledOnes) {
  EXPECT_TRUE(checker->check("hello"));
  EXPECT_TRUE(checker->check("Hello"));
  EXPECT_FALSE(checker->check("helo"));
  EXPECT_THAT(checker->suggestions("helo"), testing::Contains("hello"));
  EXPECT_THAT(checker->suggestions("hello"), testing::IsEmpty());
}

TEST_F(HunspellChecker, TakesSingleByteWords) {
  // "na\xEFve" is "naive" with a diaeresis in Windows-1252; the dictionary is UTF-8.
  EXPECT_FALSE(checker->check("na\xEFve"));
  EXPECT_THAT(checker->suggestions("na\xEFve"), testing::Contains("naive"));
}

TEST(HunspellCheckerFiles, AMissingOrEmptyDictionaryGivesNoChecker) {
  test::TempFolder folder;
  const std::string empty = folder.write("empty.dic", "");
  const std::string affix = folder.write("some.aff", "SET UTF-8\n");
  EXPECT_EQ(openHunspellChecker(folder.path() + "missing.aff", kHunspellWords), nullptr);
  EXPECT_EQ(openHunspellChecker(affix, folder.path() + "missing.dic"), nullptr);
  EXPECT_EQ(openHunspellChecker(affix, empty), nullptr);
}

}  // namespace
}  // namespace sorvik
