#include "source/line_forms.h"

#include <gtest/gtest.h>

namespace sorvik {
namespace {

struct FormsCase {
  std::string line, upper, compact, compactUpper, scan;
};

class LineFormsTest : public ::testing::TestWithParam<FormsCase> {};

TEST_P(LineFormsTest, MakesTheFiveForms) {
  const FormsCase& c = GetParam();
  const ProcessedLine p = processLine(c.line, 7);
  EXPECT_EQ(p.Line, c.line);
  EXPECT_EQ(p.UpperLine, c.upper);
  EXPECT_EQ(p.CompactLine, c.compact);
  EXPECT_EQ(p.CompactUpperLine, c.compactUpper);
  EXPECT_EQ(p.ScanLine, c.scan);
  EXPECT_EQ(p.FileLine, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineFormsTest,
    ::testing::Values(FormsCase{"  Caption := 'A   B';", "  CAPTION := 'A   B';",
                                "Caption:='A   B';", "CAPTION:='A   B';", "CAPTION:='A   B';"},
                      FormsCase{"X  :=  Y", "X  :=  Y", "X:=Y", "X:=Y", "X:=Y"},
                      FormsCase{"\tif  a \t and b then", "\tIF  A \t AND B THEN", "if a and b then",
                                "IF A AND B THEN", "IFAANDBTHEN"},
                      FormsCase{"s := 'it''s' + x ;", "S := 'it''s' + X ;", "s:='it''s'+x;",
                                "S:='it''s'+X;", "S:='it''s'+X;"},
                      FormsCase{"w := 'open", "W := 'open", "w:='open", "W:='open", "W:='open"},
                      FormsCase{"", "", "", "", ""}));

TEST(RawPositionTest, MapsCompactPositionsBackToTheLine) {
  const std::string raw = "  if  A then   B := 1;";
  // compact: "if A then B:=1;"
  EXPECT_EQ(rawPosition(raw, 0), 2u);
  EXPECT_EQ(rawPosition(raw, 3), 6u);   // A
  EXPECT_EQ(rawPosition(raw, 9), 12u);  // the blank kept before B: the run's first blank
  EXPECT_EQ(rawPosition(raw, 10), 15u);
  EXPECT_EQ(rawPosition(raw, 99), raw.size());
}

TEST(SplitOutsideLiteralsTest, KeepsSeparatorsInLiterals) {
  EXPECT_EQ(splitOutsideLiterals("A='x;y';B=2", ';'), (std::vector<std::string>{"A='x;y'", "B=2"}));
}

}  // namespace
}  // namespace sorvik
