// Unit constants: their values, and who sees them.
#include "source/global_vars.h"

#include <gtest/gtest.h>

#include "source/routine_analysers.h"
#include "source_fixture.h"

namespace sorvik {
namespace {

using test::SourceFixture;
using Lines = std::vector<std::string>;

struct ConstantCase {
  std::string name;
  std::string declaration;  // in the implementation's const section
  Lines names, values;
};

void PrintTo(const ConstantCase& c, std::ostream* out) {
  *out << c.name;
}

class ConstantValueTest : public ::testing::TestWithParam<ConstantCase> {};

TEST_P(ConstantValueTest, ParsesTheDeclaration) {
  const ConstantCase& c = GetParam();
  LineForms lines;
  for (const char* text : {"unit U;", "interface", "implementation", "", "const"})
    lines.append(text, 0);
  lines.append(c.declaration, 0);
  lines.append("end.", 0);
  const TGlobalVars globals(lines, 2, false);
  EXPECT_EQ(globals.Constants.Names, c.names);
  EXPECT_EQ(globals.Constants.Values, c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Declarations, ConstantValueTest,
    ::testing::Values(ConstantCase{"Plain", "Max = 10;", {"MAX"}, {"10"}},
                      ConstantCase{"TypedBoolean", "Done: Boolean = True;", {"DONE"}, {"1"}},
                      ConstantCase{"False", "Off = False;", {"OFF"}, {"0"}},
                      ConstantCase{"JoinedLiterals", "S = 'ab' + 'cd';", {"S"}, {"'abcd'"}},
                      ConstantCase{"LiteralWithSeparators", "Sep = ', ;';", {"SEP"}, {"', ;'"}},
                      ConstantCase{"Expression", "N = Max * 2;", {"N"}, {"(MAX*2)"}},
                      ConstantCase{"Negative", "M = -5;", {"M"}, {"-5"}},
                      ConstantCase{"Chr", "C = Chr(13);", {"C"}, {"(CHR(13))"}},
                      ConstantCase{"CharPrintable", "C = CHAR(65);", {"C"}, {"'A'"}},
                      ConstantCase{"CharControl", "T = CHAR(9);", {"T"}, {"#9"}},
                      ConstantCase{"CharQuote", "Q = CHAR(39);", {"Q"}, {"''''"}},
                      ConstantCase{"Array", "A: array[0..1] of Integer = (1, 2);", {}, {}},
                      ConstantCase{"Pointer", "P: ^Integer = nil;", {}, {}},
                      ConstantCase{"Set", "Digits = ['0'..'9'];", {}, {}},
                      ConstantCase{"Several", "A = 1; B = 'x';", {"A", "B"}, {"1", "'x'"}}),
    [](const auto& info) { return info.param.name; });

TEST(GlobalVarsTest, InterfaceTypeBlocksAndUsesContributeNothing) {
  LineForms lines;
  for (const char* text : {"unit U;", "interface", "uses Consts;", "const A = 1;", "type",
                           "  TFoo = class", "  const Inner = 2;", "  end;", "resourcestring",
                           "  Msg = 'Hello';", "function F: Integer;", "implementation", "end."})
    lines.append(text, 0);
  const TGlobalVars globals(lines, 11, true);
  EXPECT_EQ(globals.Constants.Names, (Lines{"A", "MSG"}));
  EXPECT_EQ(globals.Constants.Values, (Lines{"1", "'Hello'"}));
  EXPECT_EQ(globals.constantLines(lines, {1}), std::vector<int>{9});
}

// A constant whose declaration line (by its place among the declarations) does not hold
// its value is found on the one line that does; on none or several it has no line.
TEST(GlobalVarsTest, AConstantIsFoundOnTheOneLineThatHoldsIt) {
  LineForms lines;
  for (const char* text : {"unit U;", "interface", "const A = 'x'; B = 'y';", "  C = 'z';",
                           "  D = 'x';", "  E = 'w' + 'v';", "implementation", "end."})
    lines.append(text, 0);
  const TGlobalVars globals(lines, 6, true);
  EXPECT_EQ(globals.Constants.Names, (Lines{"A", "B", "C", "D", "E"}));
  EXPECT_EQ(globals.constantLines(lines, {0, 1, 2, 3, 4}), (std::vector<int>{2, 2, 3, -1, -1}));
}

const Lines kShared = {"unit Shared;",   "interface",         "const Limit = 100;",
                       "implementation", "const Hidden = 7;", "end."};
const Lines kUser = {
    "unit User;",     "interface",    "uses Shared;", "implementation",
    "const Own = 3;", "procedure P;", "begin",        "  X := Limit + Hidden + Own;",
    "end;",           "end."};

// Pass 1 fills the project's per-unit lists, which the routines of the unit and of the
// units using it read; the pass-2 collector adds the unit's own implementation constants.
TEST(GlobalVarsTest, RoutinesSeeTheConstantsOfTheUnitsTheyUse) {
  SourceFixture f;
  f.addUnit("Shared.pas", kShared);
  const std::string user = f.addUnit("User.pas", kUser);
  const auto routines = f.routines(user);
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].constNames, (Lines{"OWN", "LIMIT", "HIDDEN", "OWN"}));
  EXPECT_EQ(routines[0].body, (Lines{"X:=100+7+3;"}));
}

TEST(GlobalVarsTest, OnePassRunsReadOnlyTheUnitsOwnImplementation) {
  SourceFixture f;
  f.settings().CheckStringConst = false;
  f.addUnit("Shared.pas", kShared);
  const std::string user = f.addUnit("User.pas", kUser);
  const auto routines = f.routines(user);
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].constNames, Lines{});
  EXPECT_EQ(routines[0].body, (Lines{"X:=LIMIT+HIDDEN+OWN;"}));
}

TEST(GlobalVarsTest, PassOneSpellsStringConstantsInSpellingRuns) {
  SourceFixture f;
  std::vector<std::pair<std::string, int>> spelled;
  f.project().context().service<RoutineAnalysers>().spellConstant =
      [&](TProject&, const std::string& value, int line) { spelled.emplace_back(value, line); };
  const std::string unit =
      f.addUnit("U.pas", {"unit U;", "interface", "const Msg = 'Helo';", "implementation", "end."});
  f.project().SpellMode = true;
  f.load(unit);
  EXPECT_EQ(spelled, (std::vector<std::pair<std::string, int>>{{"'Helo'", 2}}));
}

}  // namespace
}  // namespace sorvik
