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

std::vector<std::string> walkedNames(SourceFixture& f, const std::string& unit) {
  std::vector<std::string> names;
  for (const auto& routine : f.routines(unit)) names.push_back(routine.name);
  return names;
}

// Types of the implementation, a local record with a variant part, a local type section and
// a heading commented out between braces leave every routine to the walk.
TEST(ScanWalkTest, DeclarationsOfRealUnitsDoNotEndTheWalk) {
  SourceFixture f;
  const std::string unit = f.addUnit("U.pas", {"unit U;",
                                               "interface",
                                               "implementation",
                                               "type",
                                               "  TA = record",
                                               "    X: Integer;",
                                               "  end;",
                                               "  TB = class",
                                               "    procedure M;",
                                               "  end;",
                                               "procedure TB.M;",
                                               "var",
                                               "  R: record",
                                               "    case K: Integer of",
                                               "      0: (A: Integer);",
                                               "  end;",
                                               "begin",
                                               "  R.A := 1;",
                                               "end;",
                                               "{// procedure Hidden;}",
                                               "function F: Integer;",
                                               "type { local }",
                                               "  TR = record",
                                               "    B: Integer;",
                                               "  end;",
                                               "var",
                                               "  T: TR;",
                                               "begin",
                                               "  Result := T.B;",
                                               "end;",
                                               "procedure Last; { see http://x.org }",
                                               "var",
                                               "  P: packed record",
                                               "    C: Byte;",
                                               "  end;",
                                               "begin",
                                               "  P.C := 0;",
                                               "end;",
                                               "{$ifdef DEFAULTS}",
                                               "procedure TB.N(X: Integer = 0);",
                                               "{$else}",
                                               "procedure TB.N(X: Integer);",
                                               "{$endif}",
                                               "begin",
                                               "end;",
                                               "end."});
  EXPECT_EQ(walkedNames(f, unit), (Lines{"M", "F", "LAST", "N"}));
  EXPECT_EQ(f.project().Errors, Lines{});
}

// A routine whose BEGIN or final END cannot be found, or whose body stands on its heading's
// line, is named in Errors with the file line of its heading, and the walk goes on with the
// next heading.
TEST(ScanWalkTest, ARoutineWithoutBeginOrEndIsReportedAndPassedOver) {
  SourceFixture f;
  const std::string unit =
      f.addUnit("U.pas", {"unit U;", "interface", "implementation", "procedure NoEnd;", "begin",
                          "  X := 1;", "end", "procedure Next;", "begin", "end;",
                          "function OneLine: Integer; begin Result := 1; end;",
                          "procedure NoBegin;", "var", "  I: Integer;", "end."});
  EXPECT_EQ(walkedNames(f, unit), Lines{"NEXT"});
  EXPECT_EQ(f.project().Errors, (Lines{"Routine without begin or end in " + unit + " at line 4",
                                       "Routine on one line not walked in " + unit + " at line 11",
                                       "Routine without begin or end in " + unit + " at line 12"}));
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
