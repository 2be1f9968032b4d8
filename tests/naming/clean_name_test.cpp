// Identifiers made of a prefix and a component's text.
#include "naming/clean_name.h"

#include <gtest/gtest.h>

namespace sorvik {
namespace {

struct CleanCase {
  const char* text;
  int words;
  const char* expected;
};

class CleanNameTest : public testing::TestWithParam<CleanCase> {};

TEST_P(CleanNameTest, KeepsLettersDigitsAndUnderscoresAndCapitalisesWords) {
  EXPECT_EQ(CleanName(GetParam().text, GetParam().words), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CleanNameTest,
    testing::Values(
        CleanCase{"btn&Save file", 3, "btnSaveFile"},
        // The first word keeps its case; only the words after a blank get a capital.
        CleanCase{"lblcustomer name:", 3, "lblcustomerName"}, CleanCase{"btnok", 3, "btnok"},
        CleanCase{"12 &go - now", 3, "goNow"}, CleanCase{"", 3, ""}, CleanCase{"&& 42", 3, ""},
        CleanCase{"btnA  &  b", 3, "btnAB"},
        // Longer than 30 characters with more words than the limit: cut before the limit's mark.
        CleanCase{"btnSave all the open customer files now", 3, "btnSaveAllThe"},
        CleanCase{"btnSave all the open customer files now", 4, "btnSaveAllTheOpen"},
        // Short texts keep every word whatever the limit.
        CleanCase{"btnOne two three four five", 3, "btnOneTwoThreeFourFive"}));

TEST(CleanNameLimits, AVeryLongNameIsCutTo250Characters) {
  EXPECT_EQ(CleanName("a" + std::string(400, 'b'), 3).size(), 250u);
}

}  // namespace
}  // namespace sorvik
