#include "generic/strings.h"

#include <gtest/gtest.h>

#include <climits>

namespace sorvik {
namespace {

struct CasePair {
  unsigned char upper, lower;
};

TEST(CaseTables, MapLetterPairsBothWays) {
  const std::vector<CasePair> pairs = {
      {'A', 'a'},   {'Z', 'z'},   {0xC0, 0xE0}, {0xC9, 0xE9}, {0xD6, 0xF6}, {0xD8, 0xF8},
      {0xDE, 0xFE}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF},
  };
  for (const CasePair& pair : pairs) {
    const char upper = static_cast<char>(pair.upper);
    const char lower = static_cast<char>(pair.lower);
    EXPECT_EQ(upperChar(lower), upper) << int(pair.lower);
    EXPECT_EQ(upperChar(upper), upper) << int(pair.upper);
    EXPECT_EQ(lowerChar(upper), lower) << int(pair.upper);
    EXPECT_EQ(lowerChar(lower), lower) << int(pair.lower);
  }
}

TEST(CaseTables, LeaveOtherBytesAlone) {
  // The multiplication and division signs, sharp s, micro sign, digits, punctuation and
  // the neighbours of the letter ranges.
  const std::string others(
      "\xD7\xF7\xDF\xB5\x00"
      "0@[`{\x80\xA0",
      12);
  for (char c : others) {
    EXPECT_EQ(upperChar(c), c) << int(c);
    EXPECT_EQ(lowerChar(c), c) << int(c);
  }
}

TEST(CaseTables, EveryMappedByteMapsBack) {
  for (int i = 0; i < 256; ++i) {
    const char c = static_cast<char>(i);
    if (upperChar(c) != c) {
      EXPECT_EQ(lowerChar(upperChar(c)), c) << i;
    }
    if (lowerChar(c) != c) {
      EXPECT_EQ(upperChar(lowerChar(c)), c) << i;
    }
  }
}

TEST(CaseTables, WholeTextsAndComparison) {
  EXPECT_EQ(upperCase("Caf\xE9 \xFF"), "CAF\xC9 \x9F");
  EXPECT_EQ(lowerCase("CAF\xC9 \x8A"), "caf\xE9 \x9A");
  EXPECT_TRUE(sameText("\xC4pfel", "\xE4PFEL"));
  EXPECT_FALSE(sameText("abc", "abcd"));
  EXPECT_EQ(compareText("abc", "ABC"), 0);
  EXPECT_LT(compareText("abc", "ABD"), 0);
  EXPECT_LT(compareText("ab", "ABC"), 0);
  EXPECT_GT(compareText("b", "A"), 0);
  // Bytes above 127 sort after ASCII, not before it as signed chars would.
  EXPECT_GT(compareText("\xE9", "z"), 0);
  EXPECT_TRUE(startsWithText("Unit1.PAS", "unit"));
  EXPECT_TRUE(endsWithText("Unit1.PAS", ".pas"));
  EXPECT_FALSE(endsWithText("as", ".pas"));
  EXPECT_FALSE(startsWith("Unit1", "unit"));
  EXPECT_TRUE(endsWith("Unit1", "t1"));
}

TEST(Trim, RemovesBytesBelow33AtTheEndsOnly) {
  struct Case {
    std::string text, both, left, right;
  };
  const std::vector<Case> cases = {
      {"", "", "", ""},
      {" \t\r\n", "", "", ""},
      {"\t a b \r\n", "a b", "a b \r\n", "\t a b"},
      {std::string("\0x\x1F", 3), "x", "x\x1F", std::string("\0x", 2)},
      // A no-break space and other upper-half bytes are text.
      {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(trim(c.text), c.both);
    EXPECT_EQ(trimView(c.text), c.both);
    EXPECT_EQ(trimLeft(c.text), c.left);
    EXPECT_EQ(trimRight(c.text), c.right);
  }
}

TEST(Numbers, ThousandsAndCountText) {
  struct Case {
    int64_t n;
    std::string grouped, files;
  };
  const std::vector<Case> cases = {
      {0, "0", "No files"},
      {1, "1", "1 file"},
      {2, "2", "2 files"},
      {999, "999", "999 files"},
      {1000, "1,000", "1,000 files"},
      {1234567, "1,234,567", "1,234,567 files"},
      {-1234, "-1,234", "-1,234 files"},
      {INT64_MIN, "-9,223,372,036,854,775,808", "-9,223,372,036,854,775,808 files"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(thousands(c.n), c.grouped);
    EXPECT_EQ(CountText(c.n, "file"), c.files);
  }
  EXPECT_EQ(CountText(0, "Applied Hint"), "No Applied Hints");
}

TEST(Numbers, ToIntTakesWholeNumbersOnly) {
  struct Case {
    std::string text;
    int expected;
  };
  const std::vector<Case> cases = {
      {"42", 42},
      {" -7\t", -7},
      {"+3", 3},
      {"007", 7},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", -1},
      {"-2147483649", -1},
      {"99999999999999999999999", -1},
      {"", -1},
      {"-", -1},
      {"+-1", -1},
      {"1x", -1},
      {"1 2", -1},
      {"0x10", -1},
      {"1.0", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(toInt(c.text, -1), c.expected) << c.text;
}

TEST(Lists, SplitJoinAndReplace) {
  const std::vector<std::string> parts = split("a,,b,", ',');
  EXPECT_EQ(parts, (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(join(parts, ","), "a,,b,");
  EXPECT_EQ(split("", ','), std::vector<std::string>{""});
  EXPECT_EQ(join({}, ","), "");

  EXPECT_EQ(replaceAll("aXbXX", "X", "--"), "a--b----");
  EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(replaceAllText("Begin begin BEGIN x", "begin", "end"), "end end end x");
  EXPECT_EQ(replaceAllText("\xC9t\xE9", "\xE9T\xC9", "summer"), "summer");
  EXPECT_EQ(replaceAllText("abc", "B", "B"), "aBc");
}

TEST(Identifiers, AsciiLettersDigitsAndUnderscore) {
  for (char c : std::string("azAZ09_")) EXPECT_TRUE(isIdentChar(c)) << c;
  for (char c : std::string(" .$\xE9\xC9\0", 6)) EXPECT_FALSE(isIdentChar(c)) << int(c);
}

}  // namespace
}  // namespace sorvik
