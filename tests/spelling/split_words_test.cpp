#include "spelling/split_words.h"

#include <gtest/gtest.h>

namespace sorvik {
namespace {

using Words = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string text;
  Words words;
};

class SplitWordsCases : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitWordsCases, GivesTheWordsInOrder) {
  EXPECT_EQ(SplitWords(GetParam().text), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitWordsCases,
    testing::Values(
        SplitCase{"ApostropheEndsAWord", "don't stop", {"don", "stop"}},
        SplitCase{"DotsAtTheEndsGo", "e.g. the...end", {"e.g", "the...end"}},
        SplitCase{"OnlyDots", "... .x. .ab.", {"ab"}},
        SplitCase{"TrailingHyphenDropsTheWord", "well- co-op -ab", {"co-op", "-ab"}},
        SplitCase{"SkippedCharactersJoin", "a!b c#d$e&f*g?h^i~j x\x7Fy", {"ab", "cdefghij", "xy"}},
        SplitCase{"SeparatorsEnd",
                  "one,two;(three)\"four\"%five+six/seven:eight<nine=ten>eleven"
                  "@twelve[x13]y\\z_w`v{u}t|s",
                  {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
                   "eleven", "twelve", "x13"}},
        SplitCase{"UpperHalf",
                  "caf\xE9 na\xEFve \xABquoted\xBB \xA0\xB5x",
                  {"caf\xE9", "na\xEFve", "quoted"}},
        SplitCase{"ControlCharacters", "\tword\r\n2nd\x01go", {"word", "2nd", "go"}},
        SplitCase{"OneLetterWordsGo", "a b c it's", {"it"}}, SplitCase{"Blank", "   ", {}},
        SplitCase{"Empty", "", {}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvik
