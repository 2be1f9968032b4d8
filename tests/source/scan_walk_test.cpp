// A scan's walk over the units: what it counts, what it runs on every routine, and what it
// reports.
#include <gtest/gtest.h>

#include "project/results.h"
#include "project/scan_driver.h"
#include "source/routine_analysers.h"
#include "source/source_run_data.h"
#include "source_fixture.h"

namespace sorvik {
namespace {

using test::SourceFixture;
using Lines = std::vector<std::string>;

const Lines kUnit = {"unit Calc;",
                     "interface",
                     "implementation",
                     "{ helpers }",
                     "function Twice(N: Integer): Integer;",
                     "begin",
                     "  Result := N * 2;",
                     "end;",
                     "",
                     "procedure TForm1.Go(const S: string);",
                     "var",
                     "  I: Integer;",
                     "begin",
                     "  for I := 1 to 3 do",
                     "    if I > 1 then Exit;",
                     "end;",
                     "end."};

TEST(ScanWalkTest, WalksEveryRoutineOnceAndCountsIt) {
  SourceFixture f;
  f.addUnit("Calc.pas", kUnit);
  std::vector<std::string> seen;
  int classChecks = 0;
  auto& analysers = f.project().context().service<RoutineAnalysers>();
  analysers.onRoutine.push_back([&](TProject& project, TProcedureItem& routine) {
    seen.push_back(routine.Name);
    AddResult(project, 7, routine.EndLine, "Seen " + routine.Name, &routine);
  });
  analysers.classCheck = [&](TProject&, TCodeUnit&, TProcedureItem& first) {
    ++classChecks;
    EXPECT_EQ(first.Name, "TWICE");
  };
  Start(f.project());

  EXPECT_EQ(seen, (Lines{"TWICE", "GO"}));
  EXPECT_EQ(classChecks, 1);
  EXPECT_EQ(f.project().report().OutputLines,
            (Lines{"\"Calc.pas\"(8):[Hint] Seen TWICE", "\"Calc.pas\"(16):[Hint] Seen GO"}));
  EXPECT_EQ(f.project().Errors, Lines{});
  const TCounts& counts = f.project().report().Counts;
  EXPECT_EQ(counts.Functions, 1);
  EXPECT_EQ(counts.Procedures, 1);
  EXPECT_EQ(counts.Comments, 1);
  EXPECT_EQ(counts.CodeLines, 3);
  EXPECT_EQ(counts.IntegerVars, 4);  // N, TWICE, RESULT, I
  EXPECT_EQ(counts.StringVars, 1);
  EXPECT_EQ(counts.Statements[111], 1);  // FOR
  EXPECT_EQ(counts.Statements[105], 1);  // IF, split from its statement
  EXPECT_EQ(counts.Statements[12], 1);   // EXIT
  const auto& headers = sourceRunData(f.project()).RoutineHeaders;
  ASSERT_EQ(headers.size(), 2u);
  EXPECT_EQ(headers[1].UnitName, "Calc");
  EXPECT_EQ(headers[1].ClassName, "TFORM1");
  EXPECT_EQ(headers[1].RoutineName, "GO");
}

TEST(ScanWalkTest, UnitsThatCannotBePreparedAreSkipped) {
  SourceFixture f;
  const std::string broken = f.addUnit("Broken.pas", {"unit Broken;", "interface", "end."});
  f.addUnit("Calc.pas", kUnit);
  int routines = 0;
  f.project().context().service<RoutineAnalysers>().onRoutine.push_back(
      [&](TProject&, TProcedureItem&) { ++routines; });
  Start(f.project());
  EXPECT_EQ(routines, 2);
  EXPECT_EQ(f.project().Errors, Lines{"Implementation section not found in " + broken});
}

TEST(ScanWalkTest, StopEndsTheWalk) {
  SourceFixture f;
  f.addUnit("A.pas", kUnit);
  f.addUnit("B.pas", kUnit);
  int routines = 0;
  f.project().context().service<RoutineAnalysers>().onRoutine.push_back(
      [&](TProject& project, TProcedureItem&) {
        ++routines;
        project.StopRequested = true;
      });
  ScanProject(f.project());
  EXPECT_EQ(routines, 1);
}

}  // namespace
}  // namespace sorvik
