#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

TEST(StatementChecksTest, AnEmptyRoutineReportsNothing) {
  CheckFixture fixture;
  fixture.addUnit("Unit1.pas", unitWith({"procedure A;", "begin", "end;"}));
  EXPECT_TRUE(fixture.scan().empty());
  EXPECT_TRUE(fixture.errors().empty());
}

// A switched-off kind is neither looked for nor reported; the others of the same check
// still are.
TEST(StatementChecksTest, ASwitchedOffKindIsNotReported) {
  CheckFixture fixture;
  fixture.settings().HintEnabled[16] = false;
  fixture.addUnit("Unit1.pas", routineUnit({"  S, T: string;"},
                                           {"  S := Concat(S, T);", "  S := Copy(S, 0, 2);"}));
  const auto findings = fixture.scanFor({16, 104});
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].kind, 104);
}

// A line on which a constant's value stands for its name keeps its result, but a
// suggestion made from that line would write the value into the file.
TEST(StatementChecksTest, NoSuggestionFromALineShowingAConstantsValue) {
  CheckFixture fixture;
  fixture.addUnit("Unit1.pas",
                  unitWith({"procedure A(var S: string; T: string);", "const", "  Sep = ';';",
                            "begin", "  S := Concat(T, Sep);", "  S := Concat(S, T);", "end;"}));
  const auto findings = fixture.scanFor({16});
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_FALSE(findings[0].hasSuggestion);
  EXPECT_EQ(findings[1].suggestions, std::vector<std::string>{"  S := S+ T;"});
}

// Empty lines at the start of a body are not statements: a call that follows them is
// still the routine's first statement.
TEST(StatementChecksTest, LeadingEmptyLinesAreNotStatements) {
  CheckFixture fixture;
  fixture.addUnit("Unit1.pas", unitWith({"procedure A(I: Integer);", "begin", "", "",
                                         "  Format('%d', [I]);", "end;"}));
  const auto findings = fixture.scanFor({7});
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].text, "The result of Format is ignored");
  EXPECT_EQ(findings[0].line, 11);
}

// A suggestion is made from the processed text, whose comments are blanks; what it changes
// is carried over to the stored line, whose comments and directives stay. A change that
// would take one away leaves the result without a suggestion.
INSTANTIATE_TEST_SUITE_P(
    StoredLine, RoutineCaseTest,
    testing::Values(RoutineCase{"CommentAfterTheStatement",
                                {"  S, T: string;"},
                                {"  S := Concat(S, T); // both"},
                                16,
                                "Use + instead of Concat",
                                {"  S := S+ T; // both"}},
                    RoutineCase{"StatementRewrittenWhole",
                                {"  Options: TOptions;"},
                                {"  Options := Options + [opFast]; { faster } (* twice *)"},
                                29,
                                "Include is faster for set 'Options' if it is not a property",
                                {"  Include(Options,opFast); { faster } (* twice *)"}},
                    RoutineCase{"DirectivesAroundTheStatement",
                                {"  S, T: string;"},
                                {"  {$IFDEF DEBUG}S := Concat(S, T);{$ENDIF}"},
                                16,
                                "Use + instead of Concat",
                                {"  {$IFDEF DEBUG}S := S+ T;{$ENDIF}"}},
                    RoutineCase{"CommentInsideTheChange",
                                {"  Options: TOptions;"},
                                {"  Options := Options + { one } [opFast];"},
                                29,
                                "Include is faster for set 'Options' if it is not a property"},
                    // A search of the stored line passes over its comments.
                    RoutineCase{"OccurrenceInAComment",
                                {"  S: string;"},
                                {"  S := Copy(S, 0, 2); // was Copy(S, 0, 2)"},
                                104,
                                "Start of string is 1, not zero",
                                {"  S := Copy(S, 1, 2); // was Copy(S, 0, 2)"}}),
    routineCaseName);

// Lines that replace two file lines cannot keep the comment of either.
TEST(StatementChecksTest, NoSuggestionOverLinesWithComments) {
  CheckFixture fixture;
  std::vector<std::string> unit =
      routineUnit({"  A, X, Y: Double;"}, {"  X := Sin(A);", "  Y := Cos(A); // cosine"});
  unit[3] = "uses Math;";
  fixture.addUnit("Unit1.pas", unit);
  const auto findings = fixture.scanFor({17});
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_FALSE(findings[0].hasSuggestion);
}

// A line that holds a directive beginning "{$I" is not from an include file unless the
// directive named one and was expanded: a conditional one, blanked without conditional
// compilation, keeps the suggestion whether include files are expanded or not.
TEST(StatementChecksTest, AConditionalDirectiveIsNoIncludeFile) {
  for (const bool expand : {true, false}) {
    CheckFixture fixture;
    fixture.settings().DoIncludes = expand;
    fixture.addUnit("Unit1.pas", routineUnit({"  S, T: string;"},
                                             {"  {$IFDEF DEBUG} S := UpperCase(T); {$ENDIF}"}));
    const auto findings = fixture.scanFor({27});
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].suggestions,
              std::vector<std::string>{"  {$IFDEF DEBUG} S := AnsiUpperCase(T); {$ENDIF}"});
  }
}

}  // namespace
}  // namespace sorvik::test
