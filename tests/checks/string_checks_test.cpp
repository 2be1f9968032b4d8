#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kStrings = {"  S, T: string;", "  P: PChar;", "  N: Integer;"};

INSTANTIATE_TEST_SUITE_P(
    Strings, RoutineCaseTest,
    testing::Values(
        // AppendStr: both arguments in their declared spelling.
        RoutineCase{"AppendStrOfVariables",
                    kStrings,
                    {"  AppendStr(s, t);"},
                    18,
                    "AppendStr is for compatibility only",
                    {"  S:=S+T;"}},
        RoutineCase{"AppendStrOfLiteral",
                    kStrings,
                    {"  AppendStr(S, 'x, y');"},
                    18,
                    "AppendStr is for compatibility only",
                    {"  S:=S+'x, y';"}},
        RoutineCase{"AppendStrWithThreeArguments", kStrings, {"  AppendStr(S, T, N);"}, 18},
        // Delete of the last character.
        RoutineCase{"DeleteLastCharacter",
                    kStrings,
                    {"  Delete(S, Length(S), 1);"},
                    24,
                    "Use \"SetLength(S,Length(S)-1);\" instead of Delete",
                    {"  SetLength(S,Length(S)-1);"}},
        RoutineCase{"DeleteByOtherLength", kStrings, {"  Delete(S, Length(T), 1);"}, 24},
        RoutineCase{"DeleteTwoCharacters", kStrings, {"  Delete(S, Length(S), 2);"}, 24},
        // Concat: only the call's own commas join.
        RoutineCase{"ConcatOfTwo",
                    kStrings,
                    {"  S := Concat(S,T);"},
                    16,
                    "Use + instead of Concat",
                    {"  S := S+T;"}},
        RoutineCase{"ConcatKeepsLiteralAndNestedCommas",
                    kStrings,
                    {"  S := Concat('a,b', Format('%d', [N]), T);"},
                    16,
                    "Use + instead of Concat",
                    {"  S := 'a,b'+ Format('%d', [N])+ T;"}},
        RoutineCase{"ConcatAsAStatement", kStrings, {"  Concat(@S[1], @T[1], N);"}, 16},
        RoutineCase{"ConcatNested",
                    kStrings,
                    {"  S := Concat(Concat(S,T),S);"},
                    16,
                    "Use + instead of Concat",
                    {"  S := S+T+S;"}},
        RoutineCase{"ConcatSpreadOverLines", kStrings, {"  S := Concat(S,", "    T);"}, 16},
        RoutineCase{"StrConcatIsNoConcat", kStrings, {"  StrConcat(P, T);"}, 16},
        RoutineCase{"ConcatMethodIsNoConcat", kStrings, {"  List.Concat(S, T);"}, 16},
        RoutineCase{"ConcatOfOne", kStrings, {"  S := Concat(T);"}, 16},
        // StrLen: the first character tells only whether the length is zero.
        RoutineCase{"StrLenIsZero",
                    kStrings,
                    {"  if StrLen(P) = 0 then"},
                    30,
                    "Faster to use [0] than StrLen",
                    {"  if P[0] = #0 then"}},
        RoutineCase{"StrLenIsNotZero",
                    kStrings,
                    {"  Assert(StrLen(P^.Name)<>0, S);"},
                    30,
                    "Faster to use [0] than StrLen",
                    {"  Assert(P^.Name[0]<>#0, S);"}},
        RoutineCase{"StrLenAboveZero",
                    kStrings,
                    {"  B := StrLen(Names[N]) > 0;"},
                    30,
                    "Faster to use [0] than StrLen",
                    {"  B := Names[N][0] <> #0;"}},
        RoutineCase{"StrLenAsLength", kStrings, {"  N := StrLen(P);"}, 30},
        RoutineCase{"StrLenAboveFive", kStrings, {"  if StrLen(P) > 5 then"}, 30},
        RoutineCase{"StrLenIsOne", kStrings, {"  if StrLen(P) = 1 then"}, 30},
        RoutineCase{"StrLenAtLeastZero", kStrings, {"  if StrLen(P) >= 0 then"}, 30},
        RoutineCase{"StrLenInASum", kStrings, {"  if N + StrLen(P) = 0 then"}, 30},
        RoutineCase{"StrLenOfAnAddress", kStrings, {"  if StrLen(@Buffer) = 0 then"}, 30},
        RoutineCase{"StrLenOfCast", kStrings, {"  if StrLen(PChar(S)) = 0 then"}, 30},
        // UpperCase: the whole file line with "Ansi" before the call.
        RoutineCase{"UpperCase",
                    kStrings,
                    {"  S := UpperCase(T);"},
                    27,
                    "AnsiUppercase and AnsiLowercase are faster",
                    {"  S := AnsiUpperCase(T);"}},
        RoutineCase{"LowerCaseAfterIf",
                    kStrings,
                    {"  if N > 0 then S := LowerCase(T);"},
                    27,
                    "AnsiUppercase and AnsiLowercase are faster",
                    {"  if N > 0 then S := AnsiLowerCase(T);"}},
        RoutineCase{"AnsiUpperCaseAlready", kStrings, {"  S := AnsiUpperCase(T);"}, 27},
        // Both sides of a comparison, or neither.
        RoutineCase{"UpperCaseOnBothSides",
                    kStrings,
                    {"  if UpperCase(S) = uppercase(T) then"},
                    27,
                    "AnsiUppercase and AnsiLowercase are faster",
                    {"  if AnsiUpperCase(S) = Ansiuppercase(T) then"}},
        RoutineCase{"UpperCaseAndLowerCase",
                    kStrings,
                    {"  B := UpperCase(S) = LowerCase(T);"},
                    27,
                    "AnsiUppercase and AnsiLowercase are faster",
                    {"  B := AnsiUpperCase(S) = AnsiLowerCase(T);"}},
        RoutineCase{"UpperCaseMethod",
                    kStrings,
                    {"  B := UpperCase(S) = T.UpperCase;"},
                    27,
                    "AnsiUppercase and AnsiLowercase are faster"}),
    routineCaseName);

TEST(StringChecksIncludeTest, LinesOfAnIncludeFileGetNoSuggestion) {
  // Every line of an include is mapped to the directive's line, which a suggestion built
  // from one of them would overwrite.
  CheckFixture fixture;
  fixture.writeFile("upper.inc", {"  S := UpperCase(T);"});
  fixture.writeFile("concat.inc", {"  S := Concat(S, T);", "  N := 1;"});
  fixture.addUnit("Unit1.pas", routineUnit(kStrings, {"  {$I upper.inc}", "  {$I concat.inc}"}));
  const auto findings = fixture.scanFor({16, 27});
  ASSERT_EQ(findings.size(), 2u);
  for (size_t k = 0; k < findings.size(); ++k) {
    EXPECT_EQ(findings[k].line, routineBodyLine(kStrings, k));
    EXPECT_FALSE(findings[k].hasSuggestion);
  }
}

// AnsiUpperCase is declared in SysUtils: without it in the uses clause the rewritten line
// would not compile.
TEST(StringChecksUsesTest, AnsiCallsNeedSysUtils) {
  const struct {
    std::string uses;
    bool suggested;
  } cases[] = {{"", false}, {"uses Classes, SysUtils;", true}, {"uses System.SysUtils;", true}};
  for (const auto& usesCase : cases) {
    CheckFixture fixture;
    std::vector<std::string> unit = routineUnit(kStrings, {"  S := UpperCase(T);"});
    unit[3] = usesCase.uses;
    fixture.addUnit("Unit1.pas", unit);
    const std::vector<Finding> findings = fixture.scanFor({27});
    ASSERT_EQ(findings.size(), 1u) << usesCase.uses;
    EXPECT_EQ(findings[0].hasSuggestion, usesCase.suggested) << usesCase.uses;
  }
}

}  // namespace
}  // namespace sorvik::test
