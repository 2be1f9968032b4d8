#include "source/line_forms.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

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
  // The lists make the same forms, some of them shared.
  LineForms lists;
  lists.append(c.line, 7);
  EXPECT_EQ(lists.take(0).Line, p.Line);
  EXPECT_EQ(lists.UpperLines[0], c.upper);
  EXPECT_EQ(lists.CompactLines[0], c.compact);
  EXPECT_EQ(lists.CompactUpperLines[0], c.compactUpper);
  EXPECT_EQ(lists.ScanLines[0], c.scan);
  EXPECT_EQ(lists.LineMap[0], 7);
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

// Lines taken from other lists keep their text however those lists change or go, and a
// line set in one list leaves the list it came from as it was.
TEST(LineFormsTest, LinesTakenFromOtherListsOutliveThem) {
  LineForms copy;
  {
    auto from = std::make_unique<LineForms>();
    from->append("a := 1;", 0);
    from->append("  B  :=  2;", 1);
    copy.copyFrom(*from, 1);
    LineForms range;
    range.append("c := 3;", 2);
    copy.replaceRange(0, 0, range);
    from->set(1, "changed;");
    EXPECT_EQ(from->Lines[1], "changed;");
    copy.set(0, "d := 4;");
    EXPECT_EQ(range.Lines[0], "c := 3;");
    from->clear();
  }
  ASSERT_EQ(copy.size(), 2u);
  EXPECT_EQ(copy.Lines[0], "d := 4;");
  EXPECT_EQ(copy.ScanLines[0], "D:=4;");
  EXPECT_EQ(copy.Lines[1], "  B  :=  2;");
  EXPECT_EQ(copy.CompactUpperLines[1], "B:=2;");
  EXPECT_EQ(copy.LineMap, (std::vector<int>{2, 1}));
  copy.erase(0);
  EXPECT_EQ(copy.CompactLines[0], "B:=2;");
}

// A large unit's lists span many chunks: lines erased, replaced, inserted and cut off across
// chunk boundaries keep every other line in its place, as a plain list of the texts does.
TEST(LineFormsTest, ChangesAcrossChunksKeepTheOtherLines) {
  constexpr size_t kLines = 40000;  // more than two chunks
  LineForms forms;
  forms.reserve(100);  // room for a file's lines, before its includes add many more
  std::vector<std::string> model;
  for (size_t i = 0; i < kLines; ++i) {
    model.push_back("x" + std::to_string(i) + " := " + std::to_string(i % 7) + ";");
    forms.append(model.back(), static_cast<int>(i));
  }
  const auto replace = [&](size_t first, size_t count, std::vector<std::string> with) {
    LineForms lines;
    for (const std::string& text : with) lines.append(text, -1);
    forms.replaceRange(first, count, lines);
    model.erase(model.begin() + static_cast<std::ptrdiff_t>(first),
                model.begin() + static_cast<std::ptrdiff_t>(first + count));
    model.insert(model.begin() + static_cast<std::ptrdiff_t>(first), with.begin(), with.end());
  };
  forms.erase(16383);  // the last line of the first chunk
  model.erase(model.begin() + 16383);
  replace(16380, 0, {"a;", "b;", "c;", "d;", "e;"});  // over the boundary
  replace(32760, 20, {"f;"});
  replace(100, 2, {"g;", "h;"});
  ASSERT_EQ(forms.size(), model.size());
  EXPECT_EQ(forms.Lines.strings(), model);
  EXPECT_EQ(forms.ScanLines[16383], "D;");
  EXPECT_EQ(forms.LineMap[16384], -1);
  EXPECT_EQ(forms.LineMap[16385], 16380);
  forms.resize(16384);
  model.resize(16384);
  EXPECT_EQ(forms.Lines.strings(), model);
  EXPECT_EQ(forms.Lines.back(), model.back());
  forms.resize(0);
  EXPECT_TRUE(forms.Lines.empty());
}

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
  EXPECT_EQ(splitOutsideLiterals("A='x;y';B=2", ';'),
            (std::vector<std::string_view>{"A='x;y'", "B=2"}));
}

}  // namespace
}  // namespace sorvik
