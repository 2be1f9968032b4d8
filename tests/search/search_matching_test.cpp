#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "search/search_utils.h"

namespace sorvik::test {
namespace {

struct FindCase {
  std::string pattern, text;
  bool inLiterals, wholeWords;
  int expected;
};

TEST(SearchMatching, PlainAndWholeWords) {
  const FindCase cases[] = {
      {"X", "S:='X';", false, false, 0},  // inside quotes
      {"X", "S:='X';", true, false, 5},
      {"X", "S:='A'+X;", false, false, 8},
      {"'A'", "S:='A';", false, false, 0},  // a quote is never where a hit begins
      {"S:=", "S:='X';", false, false, 1},  // the text begins with it
      {"ABC", "ABC", false, true, 1},
      {"ABC", "ABD", false, false, 0},
      {"ABCD", "ABC", true, false, 0},
      {"FOR", "FORY", true, true, 0},
      {"FOR", "AFOR", true, true, 0},
      {"FOR", "FOR_1", true, true, 0},
      {"FOR", "FOR I:=1 TO 9 DO", true, true, 1},
      {"FOR", "X:=FORY+FOR;", true, true, 9},
      {"SELF.", "SELF.FREE", true, true, 1},
      {"SELF.", "MYSELF.FREE", true, true, 0},
      {".FREE", "LIST.FREE;", true, true, 5},
  };
  for (const FindCase& c : cases) {
    TSearchUtils matcher(c.pattern);
    matcher.Text = c.text;
    matcher.InLiterals = c.inLiterals;
    EXPECT_EQ(c.wholeWords ? matcher.FindWholeWords(1) : matcher.FindPlain(1), c.expected)
        << c.pattern << " in " << c.text;
  }
}

struct ExpressionCase {
  std::string expression, text;
  bool caseSensitive, wholeWords;
  ExpressionOutcome expected;
};

TEST(SearchMatching, RegularExpressions) {
  const auto match = ExpressionOutcome::Match, none = ExpressionOutcome::NoMatch;
  const ExpressionCase cases[] = {
      {"foo(bar|foo)", "X:=FOOFOO;", false, false, match},
      {"foo(bar|foo)", "X:=FOOFOO;", true, false, none},
      {"(\\+\\d *)?(\\(\\d+\\) *)?(\\d+(-\\d*)*)", "TEL:='+1 (555) 123-4567';", false, false,
       match},
      {"^(?i)M*(D?C{0,3}|C[DM])(L?X{0,3}|X[LC])(V?I{0,3}|I[VX])$", "MCMXCIV", true, false, match},
      {"A.B", "A\nB", true, false, match},  // "." takes line breaks
      {"^B", "A\nB", true, false, none},    // "^" only at the start of the text
      // Whole words: the first match joined to a word is passed over for a later one.
      {"FO+", "XFOO FOO", true, true, match},
      {"FO+", "XFOO", true, true, none},
      {"\\$A", "$A1", true, true, none},
  };
  for (const ExpressionCase& c : cases) {
    TSynSearchUtil matcher(c.expression, c.caseSensitive);
    ASSERT_EQ(matcher.compileError(), "") << c.expression;
    matcher.Text = c.text;
    EXPECT_EQ(matcher.MatchExpression(c.wholeWords), c.expected)
        << c.expression << " on " << c.text;
  }
}

TEST(SearchMatching, CatastrophicExpressionIsGivenUpQuickly) {
  TSynSearchUtil matcher("(A+)+$", true);
  const std::string text = std::string(5000, 'A') + "B";
  matcher.Text = text;
  const auto began = std::chrono::steady_clock::now();
  EXPECT_EQ(matcher.MatchExpression(false), ExpressionOutcome::TooComplex);
  EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(5));
}

TEST(SearchMatching, ExpressionThatDoesNotCompileSaysWhy) {
  EXPECT_NE(regularExpressionError("(A", false), "");
  EXPECT_EQ(regularExpressionError("(A)", false), "");
  TSynSearchUtil matcher("[", false);
  matcher.Text = "[";
  EXPECT_NE(matcher.compileError(), "");
  EXPECT_EQ(matcher.MatchExpression(false), ExpressionOutcome::NoMatch);
}

}  // namespace
}  // namespace sorvik::test
