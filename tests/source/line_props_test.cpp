#include "source/line_props.h"

#include <gtest/gtest.h>

#include "source/find_word.h"

namespace sorvik {
namespace {

// A line and the fields that must differ from a fresh record; every other field stays 0.
struct PropsCase {
  std::string name;
  std::string text;
  TLineProps expected;
};

void PrintTo(const PropsCase& c, std::ostream* out) {
  *out << c.name;
}

TLineProps props(auto set) {
  TLineProps p;
  set(p);
  return p;
}

class LinePropsTest : public ::testing::TestWithParam<PropsCase> {};

TEST_P(LinePropsTest, AnalysesTheLine) {
  const PropsCase& c = GetParam();
  const TLineProps p(c.text, c.text);
  const TLineProps& e = c.expected;
  const auto fields = [](const TLineProps& x) {
    return std::vector<int>{
        x.HasAssign,         x.HasColon,      x.HasEqual,    x.HasString,  x.HasDot,
        x.EndsWithCall,      x.HasDigit,      x.HasParen,    x.HasPlus,    x.HasMinus,
        x.HasComma,          x.HasPercent,    x.HasLess,     x.HasGreater, x.IsEmpty,
        x.OnlyDigitIsOne,    x.HasStar,       x.HasSlash,    x.HasBracket, x.HasCaret,
        x.EndsWithSemicolon, x.StatementKind, x.AssignPos,   x.ColonPos,   x.EqualPos,
        x.StringEndPos,      x.DotPos,        x.PercentPos,  x.CommaPos,   x.AssignCount,
        x.ColonCount,        x.EqualCount,    x.StringCount, x.DotCount,   x.PercentCount,
        x.CommaCount,        x.CopyPos};
  };
  EXPECT_EQ(fields(p), fields(e));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LinePropsTest,
    ::testing::Values(
        PropsCase{"EndSemicolonHasNoCharacterFlags", "END;",
                  props([](TLineProps& p) { p.StatementKind = 3; })},
        PropsCase{"IfWithComparisons", "IF (A=1) AND (B<>2) THEN", props([](TLineProps& p) {
                    p.StatementKind = 105;
                    p.HasParen = p.HasEqual = p.HasLess = p.HasGreater = p.HasDigit = true;
                    p.EqualPos = 6;
                    p.EqualCount = 1;
                  })},
        PropsCase{"Assignment", "X:=Y+1;", props([](TLineProps& p) {
                    p.HasAssign = p.HasColon = p.HasEqual = p.HasPlus = p.HasDigit = true;
                    p.OnlyDigitIsOne = p.EndsWithSemicolon = true;
                    p.AssignPos = p.ColonPos = 2;
                    p.EqualPos = 3;
                    p.AssignCount = p.ColonCount = p.EqualCount = 1;
                  })},
        PropsCase{"CommaInsideALiteral", "S:='A,B';", props([](TLineProps& p) {
                    p.HasAssign = p.HasColon = p.HasEqual = p.HasString = true;
                    p.EndsWithSemicolon = true;
                    p.AssignPos = p.ColonPos = 2;
                    p.EqualPos = 3;
                    p.StringEndPos = 8;
                    p.AssignCount = p.ColonCount = p.EqualCount = p.StringCount = 1;
                  })},
        PropsCase{"ExceptionHandler", "ON E:EXCEPTION DO", props([](TLineProps& p) {
                    p.StatementKind = 125;
                    p.HasColon = true;
                    p.ColonPos = 5;
                    p.ColonCount = 1;
                  })},
        PropsCase{"LeadingWordIsTheWholeRunOfLetters", "ONCLICK:=NIL;", props([](TLineProps& p) {
                    p.HasAssign = p.HasColon = p.HasEqual = p.EndsWithSemicolon = true;
                    p.AssignPos = p.ColonPos = 8;
                    p.EqualPos = 9;
                    p.AssignCount = p.ColonCount = p.EqualCount = 1;
                  })},
        PropsCase{"CallWithCopy", "S:=COPY(X,1,2);", props([](TLineProps& p) {
                    p.HasAssign = p.HasColon = p.HasEqual = p.HasParen = p.HasComma = true;
                    p.HasDigit = p.EndsWithCall = p.EndsWithSemicolon = true;
                    p.AssignPos = p.ColonPos = 2;
                    p.EqualPos = 3;
                    p.CommaPos = 10;
                    p.AssignCount = p.ColonCount = p.EqualCount = 1;
                    p.CommaCount = 2;
                    p.CopyPos = 4;
                  })},
        PropsCase{"DoubledQuoteClosesAndReopens", "S:='IT''S';", props([](TLineProps& p) {
                    p.HasAssign = p.HasColon = p.HasEqual = p.HasString = true;
                    p.EndsWithSemicolon = true;
                    p.AssignPos = p.ColonPos = 2;
                    p.EqualPos = 3;
                    p.StringEndPos = 7;
                    p.AssignCount = p.ColonCount = p.EqualCount = 1;
                    p.StringCount = 2;
                  })},
        PropsCase{"Empty", "   ", props([](TLineProps& p) { p.IsEmpty = true; })},
        PropsCase{"IfGluedToAParenthesis", "IF(X)", props([](TLineProps& p) {
                    p.StatementKind = 105;
                    p.HasParen = true;
                  })},
        PropsCase{"NoKindForALongerWord", "IFX:=1;", props([](TLineProps& p) {
                    p.HasAssign = p.HasColon = p.HasEqual = p.HasDigit = true;
                    p.OnlyDigitIsOne = p.EndsWithSemicolon = true;
                    p.AssignPos = p.ColonPos = 4;
                    p.EqualPos = 5;
                    p.AssignCount = p.ColonCount = p.EqualCount = 1;
                  })},
        PropsCase{"FreeCall", "FREE();", props([](TLineProps& p) { p.StatementKind = 10; })}),
    [](const auto& info) { return info.param.name; });

TEST(LinePropsTest, PlaceholderRecordIsNotAnalysed) {
  const TLineProps p("", "<NOSCAN>");
  EXPECT_FALSE(p.IsEmpty);
  EXPECT_EQ(p.StatementKind, 0);
}

TEST(RoutineKindTest, ClassifiesHeadings) {
  EXPECT_EQ(RoutineKind("FUNCTION F:INTEGER;"), 0);
  EXPECT_EQ(RoutineKind("PROCEDURE TFOO.BAR;"), 1);
  EXPECT_EQ(RoutineKind("CONSTRUCTOR TFOO.CREATE;"), 2);
  EXPECT_EQ(RoutineKind("DESTRUCTOR TFOO.DESTROY;"), 3);
  EXPECT_EQ(RoutineKind("CLASS PROCEDURE TFOO.BAR;"), 5);
  EXPECT_EQ(RoutineKind("PROCEDURE"), 5);
  EXPECT_EQ(RoutineKind("PROCEDURE(X:INTEGER)"), 5);
}

struct FindCase {
  std::string word, text;
  bool caseSensitive, inStrings;
  int start, expected;
};

class FindWordTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindWordTest, FindsWholeWords) {
  const FindCase& c = GetParam();
  EXPECT_EQ(FindWord(c.word, c.text, c.caseSensitive, c.inStrings, c.start), c.expected)
      << c.word << " in " << c.text;
}

INSTANTIATE_TEST_SUITE_P(Words, FindWordTest,
                         ::testing::Values(FindCase{"USES", "USESX", true, false, 1, 0},
                                           FindCase{"COPY(", "S:=COPY(X,1,2);", true, false, 1, 4},
                                           FindCase{"FOR", " FORY", true, false, 1, 0},
                                           FindCase{"FOR", "FOR I:=1", true, false, 1, 1},
                                           FindCase{"X", "X", true, false, 1, 1},
                                           FindCase{"then", "IF A THEN B", false, false, 1, 6},
                                           FindCase{"then", "IF A THEN B", true, false, 1, 0},
                                           FindCase{"THEN", "S:='THEN';THEN", true, false, 1, 11},
                                           FindCase{"THEN", "S:='THEN';THEN", true, true, 1, 5},
                                           FindCase{"A", "A+A", true, false, 2, 3},
                                           FindCase{"A_B", "XA_B A_B", true, false, 1, 6},
                                           FindCase{"", "TEXT", true, false, 1, 0},
                                           FindCase{"LONGER", "LONG", true, false, 1, 0},
                                           FindCase{"X", "AB", true, false, 5, 0}));

}  // namespace
}  // namespace sorvik
