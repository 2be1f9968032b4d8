#include "source/comment_blanker.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "source/line_forms.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

struct BlankCase {
  std::string name;
  Lines lines;
  Lines expected;
  int count;
  bool useIfDefs = false;
  bool cStyle = false;
};

void PrintTo(const BlankCase& c, std::ostream* out) {
  *out << c.name;
}

class BlankPascalCommentsTest : public ::testing::TestWithParam<BlankCase> {};

TEST_P(BlankPascalCommentsTest, BlanksCommentsInPlace) {
  const BlankCase& c = GetParam();
  Lines lines = c.lines;
  EXPECT_EQ(BlankPascalComments(lines, c.cStyle, c.useIfDefs), c.count);
  EXPECT_EQ(lines, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Comments, BlankPascalCommentsTest,
    ::testing::Values(
        BlankCase{
            "LineCommentAfterALiteral", {"S := 'a//b'; // note"}, {"S := 'a//b';        "}, 0},
        BlankCase{"Brace", {"{ a }X"}, {"     X"}, 1},
        BlankCase{
            "BlockOverLines", {"A (* b", "c *)D", "(*)x*)"}, {"A     ", "    D", "      "}, 2},
        // Only the brace pass still finds a comment after an unterminated block.
        BlankCase{"UnterminatedBlockLeavesTheRest",
                  {"X (* open", "Y := 1; (* z", "{c}"},
                  {"X (* open", "Y := 1; (* z", "   "},
                  1},
        BlankCase{"UnterminatedBraceLeavesTheRest", {"{a} {b", "c"}, {"    {b", "c"}, 1},
        BlankCase{"BraceOverLines", {"A {b", "c} D"}, {"A   ", "   D"}, 1},
        // Whichever comment opens first wins: what another kind would open or close inside
        // it is its text.
        BlankCase{"BraceHoldingALineComment",
                  {"S := Copy(S, 0, 3); { see http://x.org }", "A := 1;", "B := 2; {c}"},
                  {"S := Copy(S, 0, 3);                     ", "A := 1;", "B := 2;    "},
                  2},
        BlankCase{"LineCommentHoldingABrace",
                  {"X; // text { not a comment start", "Y;", "} Z;"},
                  {"X;                              ", "Y;", "} Z;"},
                  0},
        BlankCase{"BlockHoldingABraceAndALineComment",
                  {"(* { *) X; (* // *) Y;", "Z; }"},
                  {"        X;          Y;", "Z; }"},
                  2},
        BlankCase{"QuoteInsideACommentOpensNoLiteral",
                  {"X; { don't } // note", "(* it's *) Y; {c}"},
                  {"X;                  ", "           Y;    "},
                  3},
        BlankCase{"LiteralHoldingABrace",
                  {"C := '{'; // }", "D := '(*'; {*)}"},
                  {"C := '{';     ", "D := '(*';     "},
                  1},
        BlankCase{"LiteralsHideOpenings", {"S := '{x}(*'; {c}"}, {"S := '{x}(*';    "}, 1},
        BlankCase{
            "LiteralStateRestartsOnEveryLine", {"S := 'abc", "{c}X"}, {"S := 'abc", "   X"}, 1},
        BlankCase{"IncludeDirectivesStay",
                  {"{$I common.inc}", "{$i lower.inc}", "{$INCLUDE 'x.inc'}", "{$IF X}{$R *.res}"},
                  {"{$I common.inc}", "{$i lower.inc}", "{$INCLUDE 'x.inc'}", "                 "},
                  2},
        BlankCase{"ConditionalsBlankedWithoutIfDefs",
                  {"{$IFDEF X}", "{$ELSE}", "{$ENDIF}"},
                  {"          ", "       ", "        "},
                  3},
        BlankCase{"ConditionalsKeptWithIfDefs",
                  {"{$IFDEF X}", "{$ifndef Y}{$ELSE}", "{$IFEND}{$ENDIF}", "{$IFOPT R+}", "{c}"},
                  {"{$IFDEF X}", "{$ifndef Y}{$ELSE}", "{$IFEND}{$ENDIF}", "           ", "   "},
                  2,
                  true},
        BlankCase{"CStyle",
                  {"a /* {b} */ c {d}", "e /* f", "*/ g // h"},
                  {"a           c {d}", "e     ", "   g     "},
                  2,
                  false,
                  true},
        BlankCase{"CStyleFirstOpeningWins",
                  {"a /* // */ b // /* c", "d */ e"},
                  {"a          b        ", "d */ e"},
                  1,
                  false,
                  true}),
    [](const auto& info) { return info.param.name; });

TEST(BlankBracesTest, BlanksEveryBraceGroupOutsideLiterals) {
  const Lines lines = {"{$IFDEF X}A", "'{'{b", "}c", "{open"};
  const Lines blanked = {"          A", "'{'  ", " c", "{open"};
  // The lines stay as they are; each line's blanked text is handed out, and a line
  // holding a line break of its own keeps its place.
  LineForms forms;
  forms.append("x{\r\n}y", 0);
  for (const std::string& line : lines) forms.append(line, static_cast<int>(forms.size()));
  std::string room;
  Lines handed;
  BlankBraces(forms.Lines, room, [&](size_t i, std::string_view text) {
    EXPECT_EQ(i, handed.size());
    handed.emplace_back(text);
  });
  Lines expected = {"x \r\n y"};
  expected.insert(expected.end(), blanked.begin(), blanked.end());
  EXPECT_EQ(handed, expected);
}

// Groups over many lines, openings after the last closing, literals cut off at a line's end.
TEST(BlankBracesTest, GroupsRunOverLinesAndLiteralsEndWithTheirLine) {
  const std::vector<std::pair<Lines, Lines>> cases = {
      {{"a { b", "c", "d } e { f", "g } h"}, {"a    ", " ", "    e    ", "    h"}},
      {{"x := 'it''s {", "{ y }", "z } {", "w"}, {"x := 'it''s {", "     ", "z } {", "w"}},
      {{"{a}{b", "c}d{e", "f"}, {"     ", "  d{e", "f"}},
      {{"'open", "{ closed }", "}"}, {"'open", "          ", "}"}},
      {{"}", "{", "{}"}, {"}", " ", "  "}},
      {{}, {}},
  };
  for (const auto& [lines, blanked] : cases) {
    LineForms forms;
    for (const std::string& line : lines) forms.append(line, 0);
    std::string room;
    Lines handed;
    BlankBraces(forms.Lines, room,
                [&](size_t, std::string_view text) { handed.emplace_back(text); });
    EXPECT_EQ(handed, blanked) << ::testing::PrintToString(lines);
  }
}

}  // namespace
}  // namespace sorvik
