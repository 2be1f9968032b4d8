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

}  // namespace
}  // namespace sorvik::test
