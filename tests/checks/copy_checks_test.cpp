#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kVars = {"  S, T: string;", "  N: Integer;", "  C: Char;"};

INSTANTIATE_TEST_SUITE_P(
    Copy, RoutineCaseTest,
    testing::Values(
        // 104: a zero start, whatever the copied string.
        RoutineCase{"ZeroStart",
                    kVars,
                    {"  T := Copy(Edit1.Text, 0, 5);"},
                    104,
                    "Start of string is 1, not zero",
                    {"  T := Copy(Edit1.Text, 1, 5);"}},
        RoutineCase{"ZeroStartTwiceOnLine",
                    kVars,
                    {"  T := Copy(S, 0, 0);"},
                    104,
                    "Start of string is 1, not zero"},
        // 24: the end cut off.
        RoutineCase{"CutEnd",
                    kVars,
                    {"  s := Copy(s, 1, Length(s) - 2);"},
                    24,
                    "Use \"SetLength(S,Length(S)-2);\" instead of Copy",
                    {"  SetLength(S,Length(S)-2);"}},
        RoutineCase{"CutEndOfOtherString", kVars, {"  S := Copy(T, 1, Length(T) - 2);"}, 24},
        RoutineCase{"CutEndByVariable", kVars, {"  S := Copy(S, 1, Length(S) - N);"}, 24},
        // 25: one character.
        RoutineCase{"OneCharacter",
                    kVars,
                    {"  t := Copy(s, 3, 1);"},
                    25,
                    "No need for Copy for only one character",
                    {"  if Length(S)<3 then", "    T:=''", "  else", "    T:=S[3];"}},
        RoutineCase{"OneCharacterInParentheses",
                    kVars,
                    {"  T := (Copy(S, 2, 1));"},
                    25,
                    "No need for Copy for only one character",
                    {"  if Length(S)<2 then", "    T:=''", "  else", "    T:=S[2];"}},
        RoutineCase{"OneCharacterInExpression", kVars, {"  T := Copy(S, 2, 1) + 'x';"}, 25},
        RoutineCase{"OneCharacterOnSharedLine",
                    kVars,
                    {"  if N > 0 then T := Copy(S, 2, 1);"},
                    25,
                    "No need for Copy for only one character"},
        // 105: the count against the compared literal.
        RoutineCase{"CountAgainstLiteral",
                    kVars,
                    {"  if Copy(S, 1, 3) = 'ab' then N := 1;"},
                    105,
                    "Last parameter of Copy should be 2,not 3",
                    {"  if Copy(S, 1, 2) = 'ab' then N := 1;"}},
        RoutineCase{"CountAgainstDoubledQuote",
                    kVars,
                    {"  if Copy(S, 1, 3) = 'it''s' then N := 1;"},
                    105,
                    "Last parameter of Copy should be 4,not 3",
                    {"  if Copy(S, 1, 4) = 'it''s' then N := 1;"}},
        RoutineCase{"CountMatchesLiteral", kVars, {"  if Copy(S, 1, 2) = 'ab' then N := 1;"}, 105},
        RoutineCase{"CountOfRestAgainstLiteral",
                    kVars,
                    {"  if Copy(S, Length(S) - 1, Length(S)) = '.r' then N := 1;"},
                    105},
        RoutineCase{"LiteralContinued", kVars, {"  if Copy(S, 1, 3) = 'ab'+T then N := 1;"}, 105},
        // 15: the start removed.
        RoutineCase{"KeepEnd",
                    kVars,
                    {"  s := Copy(s, 4, Length(s));"},
                    15,
                    "Use \"Delete(S,1,3);\" instead of Copy",
                    {"  Delete(S,1,3);"}},
        RoutineCase{"KeepEndShortCount",
                    kVars,
                    {"  S := Copy(S, 4, Length(S) - 3);"},
                    15,
                    "Use \"Delete(S,1,3);\" instead of Copy",
                    {"  Delete(S,1,3);"}},
        RoutineCase{"KeepEndCountTooShort", kVars, {"  S := Copy(S, 4, Length(S) - 4);"}, 15},
        RoutineCase{"KeepEndFromFirst", kVars, {"  S := Copy(S, 1, Length(S));"}, 15},
        // 14: Length of the copied string as the count.
        RoutineCase{"LengthAsCount",
                    kVars,
                    {"  T := Copy(S, 3, Length(S));"},
                    14,
                    "Use constant MaxInt instead of call to Length",
                    {"  T := Copy(S, 3, MaxInt);"}},
        RoutineCase{"LengthOfOtherString", kVars, {"  T := Copy(S, 3, Length(T));"}, 14},
        RoutineCase{"LengthOfNoStringVariable",
                    kVars,
                    {"  T := Copy(Edit1.Text, 3, Length(Edit1.Text));"},
                    14}),
    routineCaseName);

}  // namespace
}  // namespace sorvik::test
