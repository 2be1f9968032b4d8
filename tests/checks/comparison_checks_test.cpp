#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kVars = {"  S: string;", "  I: Integer;", "  L: TStringList;",
                                        "  P: TObject;"};

class ComparisonChecksTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(ComparisonChecksTest, ReportsAsExpected) {
  expectRoutineCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    RepeatedComparison, ComparisonChecksTest,
    testing::Values(
        RoutineCase{"IfSameTest",
                    kVars,
                    {"  if (S = '') and (S = 'x') then", "    I := 0;"},
                    33,
                    "If statement could be improved for variable s"},
        RoutineCase{"WhileQualifiedOperand",
                    kVars,
                    {"  while (L.Owner = nil) and (P <> nil) and (L.Owner=nil) do", "    I := 0;"},
                    33,
                    "While statement could be improved for variable l.owner"},
        RoutineCase{"UntilIndexedOperand",
                    kVars,
                    {"  repeat", "    I := I + 1;", "  until (L[I] < $10) and (L[I] < -2);"},
                    33,
                    "Until statement could be improved for variable l[i]",
                    {},
                    2},
        RoutineCase{
            "OtherOperators", kVars, {"  if (S = '') and (S > 'x') then", "    I := 0;"}, 33},
        RoutineCase{
            "OtherOperands", kVars, {"  if (S = '') and (P = nil) then", "    I := 0;"}, 33},
        RoutineCase{"NotEqualIsNoOperator",
                    kVars,
                    {"  if (P <> nil) and (P <> nil) then", "    I := 0;"},
                    33},
        RoutineCase{"ComparedWithName",
                    kVars,
                    {"  if (S = Caption) and (S = Hint) then", "    I := 0;"},
                    33},
        RoutineCase{
            "ComparedWithNumber", kVars, {"  if (I = 1) and (I = 2) then", "    S := '';"}, 33},
        RoutineCase{"JoinedWithOr", kVars, {"  if (S = '') or (S = 'x') then", "    I := 0;"}, 33},
        RoutineCase{"NestedParentheses",
                    kVars,
                    {"  if (S = '') and (Length(S) = 0) and (S = 'x') then", "    I := 0;"},
                    33},
        RoutineCase{
            "Negated", kVars, {"  if (not S = '') and (not S = '') then", "    I := 0;"}, 33},
        RoutineCase{"NoParenthesisFirst",
                    kVars,
                    {"  if Assigned(P) and (S = '') and (S = 'x') then", "    I := 0;"},
                    33}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    IndexOf, ComparisonChecksTest,
    testing::Values(
        RoutineCase{"AboveMinusOne",
                    kVars,
                    {"  if L.IndexOf(S)>-1 then", "    I := 0;"},
                    35,
                    "Faster to use >=0 than >-1",
                    {"  if L.IndexOf(S)>=0 then"}},
        RoutineCase{"NestedCall",
                    kVars,
                    {"  if L.IndexOf(Copy(S, 1, 2))>-1 then", "    I := 0;"},
                    35,
                    "Faster to use >=0 than >-1",
                    {"  if L.IndexOf(Copy(S, 1, 2))>=0 then"}},
        // Only the first call of the line is looked at.
        RoutineCase{"SecondCall",
                    kVars,
                    {"  if (L.IndexOf(S)=0) and (L.IndexOf('a')>-1) then", "    I := 0;"},
                    35},
        RoutineCase{"WithBlanks", kVars, {"  if L.IndexOf(S) > -1 then", "    I := 0;"}, 35},
        RoutineCase{"LongerNumber", kVars, {"  if L.IndexOf(S)>-10 then", "    I := 0;"}, 35},
        RoutineCase{"NoIndexOf", kVars, {"  if L.Find(S, I)>-1 then", "    I := 0;"}, 35}),
    routineCaseName);

// After a test of an integer variable in parentheses, the next call's comparison is turned.
INSTANTIATE_TEST_SUITE_P(
    Comparisons, ComparisonChecksTest,
    testing::Values(
        RoutineCase{"AboveMinusOne",
                    kVars,
                    {"  if (I>-1) and L.Find(S)>-1 then", "    S := '';"},
                    35,
                    "Faster to use >=0 than >-1",
                    {"  if (I>-1) and L.Find(S)>=0 then"}},
        RoutineCase{"BelowOne",
                    kVars,
                    {"  if (i<1) and L.Find(S, -1)<1 then", "    S := '';"},
                    35,
                    "Faster to use <=0 than <1",
                    {"  if (i<1) and L.Find(S, -1)<=0 then"}},
        RoutineCase{"NextGroupNotCompared",
                    kVars,
                    {"  if (I>-1) and (L.Find(S)>-1) then", "    S := '';"},
                    35},
        RoutineCase{
            "NotAnInteger", kVars, {"  if (S>-1) and L.Find(S)>-1 then", "    S := '';"}, 35},
        RoutineCase{
            "LongerNumber", kVars, {"  if (I<1) and L.Find(S, -1)<10 then", "    S := '';"}, 35}),
    routineCaseName);

}  // namespace
}  // namespace sorvik::test
