// Preparing units: includes, directives, implementation types, errors, uses.
#include <gtest/gtest.h>

#include <fstream>

#include "project/run_report.h"
#include "source/code_loader.h"
#include "source/source_run_data.h"
#include "source_fixture.h"

namespace sorvik {
namespace {

using test::SourceFixture;
using Lines = std::vector<std::string>;

const Lines kIncludingUnit = {"unit U;",         "interface",      "implementation",
                              "{$I common.inc}", "{$i lower.inc}", "procedure P;",
                              "begin",           "end;",           "end."};

TEST(CodeLoaderTest, IncludeLinesTakeTheDirectivesFileLine) {
  SourceFixture f;
  f.write("common.inc", {"const A = 1; // note", "", "{$INCLUDE nested}"});
  f.write("nested.pas", {"B = 2;"});
  const std::string unit = f.addUnit("U.pas", kIncludingUnit);
  const auto handler = f.load(unit);
  const TCodeUnit& u = handler->unit();
  EXPECT_EQ(u.CompactLines.strings(),
            (Lines{"unit U;", "interface", "implementation", "const A=1;", "", "B=2;", "",
                   "procedure P;", "begin", "end;", "end."}));
  EXPECT_EQ(u.LineMap, (std::vector<int>{0, 1, 2, 3, 3, 3, 4, 5, 6, 7, 8}));
  // "{$i" in lower case is no include: its braces are blanked like any other.
  EXPECT_EQ(f.project().Errors, Lines{});
}

TEST(CodeLoaderTest, MissingIncludeIsReportedOncePerFile) {
  SourceFixture f;
  // "{$INLINE ON}" begins "{$IN" but names no file.
  const std::string unit =
      f.addUnit("U.pas", {"unit U;", "interface", "implementation", "{$I gone.inc}", "{$INLINE ON}",
                          "{$I gone.inc}", "end."});
  f.load(unit);
  EXPECT_EQ(f.project().Errors, Lines{"Could not find include file : gone.inc in file " + unit});
}

TEST(CodeLoaderTest, AUnitThatIncludesItselfIsExpandedOnce) {
  SourceFixture f;
  f.write("loop.inc", {"X := 1;", "{$I loop.inc}"});
  const std::string unit = f.addUnit("Self.pas", {"unit Self;", "interface", "implementation",
                                                  "{$I Self.pas}", "{$I loop.inc}", "end."});
  const auto handler = f.load(unit);
  EXPECT_EQ(handler->unit().CompactLines.strings(),
            (Lines{"unit Self;", "interface", "implementation", "", "X:=1;", "", "end."}));
  EXPECT_EQ(f.project().Errors,
            (Lines{"Error trying to perform an include on line:\r\r{$I Self.pas}\r\rthe file "
                   "includes itself: " +
                       unit,
                   "Error trying to perform an include on line:\r\r{$I loop.inc}\r\rthe file "
                   "includes itself: " +
                       f.folder() + "loop.inc"}));
}

// Three units include "shared.inc", found beside the first, nowhere near the second and
// beside the third: once the second has looked for the name in vain it is not looked for
// again, so the third goes without it too, however many workers prepare the units ahead of
// the walk. The second pass, which hands the kept units over and prepares a unit loaded a
// second time again, reports nothing more and reads the same lines.
TEST(CodeLoaderTest, AnIncludeLookedForInVainStaysMissingForTheLaterUnitsWhateverTheWorkers) {
  for (const unsigned jobs : {1U, 4U}) {
    SCOPED_TRACE(jobs);
    SourceFixture f;
    TProject& project = f.project();
    project.context().Jobs = jobs;
    const Lines shared = {"{ shared }", "procedure Shared;", "begin", "end;"};
    f.write("A/shared.inc", shared);
    f.write("C/shared.inc", shared);
    std::vector<std::string> paths;
    for (const char* name : {"A/UnitA.pas", "B/UnitB.pas", "C/UnitC.pas"})
      paths.push_back(
          f.addUnit(name, {"unit U;", "interface", "implementation", "{$I shared.inc}", "end."}));
    TCodeLoader& loader = sourceRunData(project).Loader;
    std::vector<Lines> firstPass;
    loader.PlanUnits(paths, project);
    for (const std::string& path : paths) {
      const TCodeUnitHeader* header = loader.LoadHeader(path, project);
      ASSERT_NE(header, nullptr);
      firstPass.push_back(header->CompactLines.strings());
    }
    EXPECT_EQ(firstPass[0], (Lines{"unit U;", "interface", "implementation", "",
                                   "procedure Shared;", "begin", "end;", "end."}));
    EXPECT_EQ(firstPass[2], (Lines{"unit U;", "interface", "implementation", "", "end."}));

    loader.PlanUnits(paths, project);
    for (size_t i = 0; i < paths.size(); ++i) {
      for (int load = 0; load < 2; ++load)
        EXPECT_EQ(TCodeUnit(paths[i], project).CompactLines.strings(), firstPass[i])
            << paths[i] << load;
    }
    loader.PlanUnits({}, project);
    EXPECT_EQ(project.Errors,
              (Lines{"Could not find include file : shared.inc in file " + paths[1],
                     "Could not find include file : shared.inc in file " + paths[2]}));
    EXPECT_EQ(project.report().Counts.Comments, 1);
  }
}

// Every declaration of an implementation type section is hidden, up to what begins something
// else: a routine heading outside a class, another section, code. A method heading inside a
// class declaration is one of its members.
TEST(CodeLoaderTest, ImplementationTypesAreHidden) {
  SourceFixture f;
  const Lines unit = {"unit U;",
                      "interface",
                      "type TA = class end;",
                      "implementation",
                      "type",
                      "  TR = record",
                      "    case K: Integer of 0: (A: Integer);",
                      "  end;",
                      "  TB = class(TObject)",
                      "    procedure X;",
                      "    class function Y: Integer;",
                      "  const C = 1;",
                      "  end;",
                      "  TC = class;",
                      "  TD = class(Exception);",
                      "  TE = procedure of object;",
                      "  TF = packed object A: Integer; end;",
                      "const K = 1;",
                      "type TG = Integer;",
                      "  TH = (hA, hB);",
                      "class procedure TB.Y;",
                      "type TI = record",
                      "  procedure TB.X;",  // a method's implementation: no member of a record
                      "procedure P;",
                      "type TL = record X: Integer; end;",
                      "var R: TL;",
                      "begin",
                      "end;",
                      "end."};
  const auto handler = f.load(f.addUnit("U.pas", unit));
  Lines expected(unit.size());
  for (const int shown : {0, 1, 2, 3, 17, 20, 22, 23, 25, 26, 27, 28})
    expected[static_cast<size_t>(shown)] = handler->unit().CompactLines[static_cast<size_t>(shown)];
  EXPECT_EQ(handler->unit().CompactLines.strings(), expected);
  EXPECT_EQ(expected[17], "const K=1;");
  EXPECT_EQ(expected[22], "procedure TB.X;");
}

// Directives stay for the conditional handler, whatever section they stand in.
TEST(CodeLoaderTest, DirectivesInAnImplementationTypeSectionStay) {
  SourceFixture f;
  f.settings().UseIfDefs = true;
  f.project().CurrentFile =
      f.addUnit("U.pas", {"unit U;", "interface", "implementation", "type", "{$IFDEF X}",
                          "  TA = record", "  end;", "{$ENDIF}", "  TB = class", "  end;",
                          "procedure P;", "begin", "end;", "end."});
  const TCodeUnitHeader* header =
      sourceRunData(f.project()).Loader.LoadHeader(f.project().CurrentFile, f.project());
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->CompactUpperLines.strings(),
            (Lines{"UNIT U;", "INTERFACE", "IMPLEMENTATION", "", "{$IFDEF X}", "", "", "{$ENDIF}",
                   "", "", "PROCEDURE P;", "BEGIN", "END;", "END."}));
}

TEST(CodeLoaderTest, FailuresGoToErrors) {
  SourceFixture f;
  const std::string empty = f.folder() + "Empty.pas";
  std::ofstream(empty, std::ios::binary).flush();
  const std::string noImpl = f.addUnit("NoImpl.pas", {"unit NoImpl;", "interface", "end."});
  f.project().CurrentFile = empty;
  EXPECT_EQ(sourceRunData(f.project()).Loader.LoadHeader(empty, f.project()), nullptr);
  f.project().CurrentFile = noImpl;
  EXPECT_EQ(sourceRunData(f.project()).Loader.LoadHeader(noImpl, f.project()), nullptr);
  f.project().CurrentFile = f.folder() + "Missing.pas";
  EXPECT_EQ(sourceRunData(f.project()).Loader.LoadHeader(f.folder() + "Missing.pas", f.project()),
            nullptr);
  // A second load of the same file neither reads it again nor repeats the errors.
  sourceRunData(f.project()).Loader.LoadHeader(noImpl, f.project());
  EXPECT_EQ(f.project().Errors,
            (Lines{"Error loading file " + empty, "Implementation section not found in " + noImpl,
                   "Problem opening file " + f.folder() + "Missing.pas",
                   "Error loading file " + f.folder() + "Missing.pas"}));
}

TEST(CodeLoaderTest, DirectivesStayOnlyWithConditionalCompilation) {
  for (const bool useIfDefs : {false, true}) {
    SourceFixture f;
    f.settings().UseIfDefs = useIfDefs;
    f.project().CurrentFile = f.addUnit(
        "U.pas", {"unit U;", "implementation", "{$IFDEF DEBUG} X; {$ELSE} Y; {$ENDIF}", "end."});
    const TCodeUnitHeader* header =
        sourceRunData(f.project()).Loader.LoadHeader(f.project().CurrentFile, f.project());
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->CompactLines[2], useIfDefs ? "{$IFDEF DEBUG}X;{$ELSE}Y;{$ENDIF}" : "X;Y;");
  }
}

TEST(CodeLoaderTest, ReadsTheUsesClauses) {
  SourceFixture f;
  const std::string unit =
      f.addUnit("U.pas", {"unit U;", "interface", "uses Forms, Dialogs,", "  SysUtils;",
                          "implementation", "uses Math;", "procedure P;", "begin", "end;", "end."});
  EXPECT_EQ(f.load(unit)->unit().UsesList, (Lines{"Forms", "Dialogs", "SysUtils", "Math"}));
}

TEST(CodeLoaderTest, UsedUnitsBesideTheUnitJoinTheProjectWithDoUses) {
  SourceFixture f;
  f.settings().DoUses = true;
  f.write("Other.pas", {"unit Other;", "interface", "implementation", "end."});
  f.write("Other.dfm", {"object Form1: TForm1", "end"});
  const std::string unit = f.addUnit(
      "U.pas", {"unit U;", "interface", "uses Other, Missing;", "implementation", "end."});
  f.load(unit);
  EXPECT_EQ(f.project().UnitFiles, (Lines{unit, f.folder() + "Other.pas"}));
  EXPECT_EQ(f.project().FormFiles, (Lines{f.folder() + "Other.dfm"}));
}

TEST(CodeLoaderTest, TextOfAnyLineEndAndMark) {
  SourceFixture f;
  const std::string crOnly = f.folder() + "Cr.pas";
  std::ofstream(crOnly, std::ios::binary)
      << "unit Cr;\rimplementation\rprocedure P;\rbegin\rend;\rend.";
  const std::string bom = f.folder() + "Bom.pas";
  std::ofstream(bom, std::ios::binary) << "\xEF\xBB\xBFunit Bom;\nimplementation\nend.\n";
  EXPECT_EQ(f.load(crOnly)->unit().ImplLine, 1);
  EXPECT_EQ(f.load(bom)->unit().CompactLines[0], "unit Bom;");
}

}  // namespace
}  // namespace sorvik
