// Routines: finding them, their declarations, and the body's normalised shape.
#include "source/routine_builder.h"

#include <gtest/gtest.h>

#include "source_fixture.h"

namespace sorvik {
namespace {

using test::RoutineSnapshot;
using test::SourceFixture;
using Lines = std::vector<std::string>;

std::vector<RoutineSnapshot> routinesOf(const Lines& implementation) {
  SourceFixture f;
  Lines lines = {"unit U;", "interface", "implementation"};
  lines.insert(lines.end(), implementation.begin(), implementation.end());
  lines.push_back("end.");
  return f.routines(f.addUnit("U.pas", lines));
}

std::vector<int> kinds(const RoutineSnapshot& routine) {
  std::vector<int> kinds;
  for (const TLineProps& props : routine.props) kinds.push_back(props.StatementKind);
  return kinds;
}

std::vector<int> headingBeginEnd(const RoutineSnapshot& routine) {
  return {routine.headingLine, routine.beginLine, routine.endLine};
}

TEST(RoutineBuilderTest, FindsHeadingsBeginsAndEnds) {
  const auto routines = routinesOf({
      "procedure X; forward;",              // 3
      "class procedure TFoo.Bar;",          // 4: a class method is a routine too
      "begin",                              // 5
      "end;",                               // 6
      "procedure TFoo.Outer(A: Integer);",  // 7
      "  procedure Inner;",                 // 8
      "  begin",                            // 9
      "    A := 1;",                        // 10
      "  end;",                             // 11
      "begin",                              // 12
      "  Inner;",                           // 13
      "end;",                               // 14
      "procedure X;",                       // 15
      "begin",                              // 16
      "end;",                               // 17
  });
  ASSERT_EQ(routines.size(), 4u);
  EXPECT_EQ(routines[0].name, "BAR");
  EXPECT_EQ(routines[0].className, "TFOO");
  EXPECT_EQ(routines[0].kind, 1);
  EXPECT_EQ(headingBeginEnd(routines[0]), std::vector<int>({4, 5, 6}));
  // A nested routine comes before the routine that holds it, which owns its own BEGIN.
  EXPECT_EQ(routines[1].name, "INNER");
  EXPECT_EQ(headingBeginEnd(routines[1]), std::vector<int>({8, 9, 11}));
  EXPECT_EQ(routines[2].name, "OUTER");
  EXPECT_EQ(routines[2].className, "TFOO");
  EXPECT_EQ(headingBeginEnd(routines[2]), std::vector<int>({7, 12, 14}));
  EXPECT_EQ(routines[2].body, Lines{"INNER;"});
  EXPECT_EQ(routines[3].name, "X");
  EXPECT_EQ(headingBeginEnd(routines[3]), std::vector<int>({15, 16, 17}));
}

// Each routine of a nest reads its own declarations, those after its nested routines too,
// and its body is its own.
TEST(RoutineBuilderTest, NestedRoutinesHaveTheirOwnDeclarationsAndBodies) {
  const auto routines = routinesOf({
      "procedure Scroll;",               // 3
      "var",                             // 4
      "  A: Integer;",                   // 5
      "  procedure One;",                // 6
      "  var",                           // 7
      "    B: string;",                  // 8
      "    function Deep: Integer;",     // 9
      "    begin",                       // 10
      "      Result := A;",              // 11
      "    end;",                        // 12
      "  begin",                         // 13
      "    case A of 1: B := ''; end;",  // 14
      "  end;",                          // 15
      "  procedure Two; forward;",       // 16
      "  procedure Three;",              // 17
      "  begin",                         // 18
      "    Two;",                        // 19
      "  end;",                          // 20
      "  procedure Two;",                // 21
      "  begin",                         // 22
      "  end;",                          // 23
      "var",                             // 24
      "  C: Real;",                      // 25
      "begin",                           // 26
      "  One;",                          // 27
      "end;",                            // 28
      "procedure Next;",                 // 29
      "begin",                           // 30
      "end;",                            // 31
  });
  std::vector<std::string> names;
  for (const auto& routine : routines) names.push_back(routine.name);
  EXPECT_EQ(names, (Lines{"DEEP", "ONE", "THREE", "TWO", "SCROLL", "NEXT"}));
  ASSERT_EQ(routines.size(), 6u);
  EXPECT_EQ(headingBeginEnd(routines[0]), std::vector<int>({9, 10, 12}));
  EXPECT_EQ(headingBeginEnd(routines[1]), std::vector<int>({6, 13, 15}));
  EXPECT_EQ(routines[1].locals, Lines{"B=STRING"});
  EXPECT_EQ(headingBeginEnd(routines[4]), std::vector<int>({3, 26, 28}));
  EXPECT_EQ(routines[4].locals, (Lines{"A=INTEGER", "C=FLOAT"}));
  EXPECT_EQ(routines[4].body, Lines{"ONE;"});
  EXPECT_EQ(headingBeginEnd(routines[5]), std::vector<int>({29, 30, 31}));
}

// Declarations end at the routine's BEGIN: a label section holds no variables, the fields
// of a record are none, and a procedural type's parameters stay with its variable.
TEST(RoutineBuilderTest, OnlyVariablesAreLocals) {
  const auto routines = routinesOf(
      {"procedure P;", "var", "  R: packed record", "    A, B: Integer;", "    case K: Byte of",
       "      0: (C: Integer);", "  end;", "  F: function(X: Integer; Y: Integer): Integer;",
       "  N: Integer;", "label", "  Done;", "begin", "  N := R.A;", "Done:", "end;"});
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].locals,
            (Lines{"R=packed record", "F=function(X:Integer;Y:Integer):Integer", "N=INTEGER"}));
  EXPECT_EQ(routines[0].body, (Lines{"N:=R.A;", "DONE:"}));
}

// A parameter or local hides the unit's constant of the same name: the body keeps the name.
TEST(RoutineBuilderTest, ConstantsHiddenByParametersAndLocalsStay) {
  const auto routines =
      routinesOf({"const", "  Key = 5;", "  Size = 2;", "procedure P(Size: Integer);", "var",
                  "  Key: Integer;", "begin", "  Key := Size;", "end;", "procedure Q;", "begin",
                  "  X := Key * Size;", "end;"});
  ASSERT_EQ(routines.size(), 2u);
  EXPECT_EQ(routines[0].body, Lines{"KEY:=SIZE;"});
  EXPECT_EQ(routines[1].body, Lines{"X:=5*2;"});
}

TEST(RoutineBuilderTest, ReadsParametersLocalsAndTheResult) {
  const auto routines =
      routinesOf({"function F(A: Integer; var B, C: string = 'x';", "  const D): string;", "var",
                  "  I: Integer; R: Real;", "  Flag: Boolean;", "  List: TStringList;", "begin",
                  "  Result := B;", "end;"});
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].returnType, "STRING");
  EXPECT_EQ(routines[0].params,
            (Lines{"A=INTEGER", "B=STRING", "C=STRING", "const D=", "F=STRING", "RESULT=STRING"}));
  EXPECT_EQ(routines[0].locals,
            (Lines{"I=INTEGER", "R=FLOAT", "Flag=BOOLEAN", "List=TStringList"}));
  EXPECT_EQ(routines[0].allVars.size(), 10u);
}

TEST(RoutineBuilderTest, AVarParameterOnAContinuedHeadingIsNotALocal) {
  const auto routines = routinesOf({"function F(A: Integer;", "  var B: Integer;",
                                    "  var C: string): Integer; cdecl;", "var", "  I: Integer;",
                                    "begin", "  Result := A;", "end;"});
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].params,
            (Lines{"A=INTEGER", "B=INTEGER", "C=STRING", "F=INTEGER", "RESULT=INTEGER"}));
  EXPECT_EQ(routines[0].locals, Lines{"I=INTEGER"});
}

struct BodyCase {
  std::string name;
  Lines body;
  Lines expected;
  std::vector<int> kinds;
};

void PrintTo(const BodyCase& c, std::ostream* out) {
  *out << c.name;
}

class BodyTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(BodyTest, NormalisesTheBody) {
  const BodyCase& c = GetParam();
  Lines lines = {"procedure P;", "const", "  MAX = 10;", "var", "  S: string; N: Integer;",
                 "begin"};
  lines.insert(lines.end(), c.body.begin(), c.body.end());
  lines.push_back("end;");
  const auto routines = routinesOf(lines);
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].body, c.expected);
  EXPECT_EQ(kinds(routines[0]), c.kinds);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, BodyTest,
    ::testing::Values(BodyCase{"IfThen", {"  if A then B := 1;"}, {"IF A THEN", "B:=1;"}, {105, 0}},
                      BodyCase{"IfThenElse",
                               {"  if A then B := 1 else B := 2;"},
                               {"IF A THEN", "B:=1 ELSE", "B:=2;"},
                               {105, 11, 0}},
                      BodyCase{"ThenOnItsOwnLine",
                               {"  if A", "  then Exit;"},
                               {"IF A", "THEN", "EXIT;"},
                               {105, 105, 12}},
                      BodyCase{"NestedIfs",
                               {"  if A then if B then C;"},
                               {"IF A THEN", "IF B THEN", "C;"},
                               {105, 105, 0}},
                      BodyCase{"TryFinallyOnOneLine",
                               {"  try X; finally Y; end;"},
                               {"TRY", "X;FINALLY", "Y;", "END;"},
                               {4, 5, 0, 3}},
                      BodyCase{"LocalConstantsSubstituted",
                               {"  if N > MAX then N := Max;"},
                               {"IF N>10 THEN", "N:=10;"},
                               {105, 0}},
                      BodyCase{"ConstantInALiteralStays", {"  S := 'MAX';"}, {"S:='MAX';"}, {0}},
                      BodyCase{"CaseLabels",
                               {"  case N of", "    1, 2: S := 'a';", "    3..4: begin",
                                "      S := 'b';", "    end;", "  end;", "  X: N := 1;"},
                               {"CASE N OF", "1,2:", "S:='a';", "3..4:", "BEGIN", "S:='b';", "END;",
                                "END;", "X:N:=1;"},
                               {114, 115, 0, 115, 1, 0, 3, 3, 0}}),
    [](const auto& info) { return info.param.name; });

TEST(RoutineBuilderTest, SplitLinesKeepTheirFileLineAndAreRecorded) {
  SourceFixture f;
  const std::string unit =
      f.addUnit("U.pas", {"unit U;", "interface", "implementation", "procedure P;", "begin",
                          "  if A then B;", "end;", "end."});
  auto handler = f.load(unit);
  const auto routines = f.routines(*handler);
  ASSERT_EQ(routines.size(), 1u);
  EXPECT_EQ(routines[0].fileLines, (std::vector<int>{5, 5}));
  EXPECT_EQ(handler->unit().RewrittenTexts, Lines{"  if A then B;"});
  EXPECT_EQ(handler->unit().RewrittenLineNumbers, std::vector<int>{5});
  EXPECT_EQ(handler->unit().Lines[5], "  if A then");
  EXPECT_EQ(handler->unit().Lines[6], "B;");
}

TEST(RoutineBuilderTest, DepthsAndCaseNumbers) {
  const auto routines =
      routinesOf({"procedure P;", "begin", "  if A then", "  begin", "    B;", "  end;",
                  "  case X of", "    1: Y;", "  end;", "  Z;", "end;"});
  ASSERT_EQ(routines.size(), 1u);
  std::vector<int> depths, cases;
  for (const TLineProps& props : routines[0].props) {
    depths.push_back(props.Depth);
    cases.push_back(props.CaseId);
  }
  // IF A THEN / BEGIN / B; / END; / CASE X OF / 1: / Y; / END; / Z;
  EXPECT_EQ(depths, (std::vector<int>{0, 1, 1, 0, 0, 1, 1, 0, 0}));
  EXPECT_EQ(cases, (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 1, 0}));
}

}  // namespace
}  // namespace sorvik
