// The project overview: which advice paragraphs a project's forms, routines and project
// file call for, in which order, and the document they make.
#include "checks/project_discuss.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check_fixture.h"
#include "generic/strings.h"
#include "project/scan_driver.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kOpenSource = "Open Source software";
constexpr const char* kNoBreaks = "Make use of Continue, Break or Exit";
constexpr const char* kScanLine = "Use ScanLine instead of Pixels";
constexpr const char* kBeginUpdate = "Make use of BeginUpdate and EndUpdate";
constexpr const char* kLargeBitmaps = "Large Bitmap Images";

// The titles of the document's paragraphs, in order.
Lines titlesOf(const Lines& html) {
  Lines titles;
  for (const std::string& line : html) {
    if (line.starts_with("<h2>") && line.ends_with("</h2>"))
      titles.push_back(line.substr(4, line.size() - 9));
  }
  return titles;
}

const Lines& runOverview(test::CheckFixture& fixture) {
  setModeFlags(fixture.project(), StartCommand::Overview);
  Start(fixture.project());
  return projectDiscussion(fixture.project()).Html;
}

// A form of one component of `type`, whose declaration spans `dataLines` lines of picture
// data besides its object and end lines.
Lines formWith(const std::string& type, int dataLines = 0) {
  Lines form = {"object Form1: TForm1", "  object Thing1: " + type};
  if (dataLines > 0) {
    form.push_back("    Glyph.Data = {");
    for (int i = 0; i < dataLines; ++i) form.push_back("      00000000");
    form.back() += "}";
  }
  form.insert(form.end(), {"  end", "end"});
  return form;
}

struct DiscussionCase {
  std::string name;
  Lines body;    // the statements of one routine
  Lines form;    // the unit's form (none: no form)
  Lines titles;  // the paragraphs expected
};

void PrintTo(const DiscussionCase& discussionCase, std::ostream* out) {
  *out << discussionCase.name;
}

class DiscussionCaseTest : public testing::TestWithParam<DiscussionCase> {};

TEST_P(DiscussionCaseTest, GivesTheParagraphsItsFactsCallFor) {
  const DiscussionCase& discussion = GetParam();
  test::CheckFixture fixture;
  fixture.addUnit("Unit1.pas", test::routineUnit({"X, Y: Integer;"}, discussion.body),
                  discussion.form);
  EXPECT_EQ(titlesOf(runOverview(fixture)), discussion.titles);
}

INSTANTIATE_TEST_SUITE_P(
    Facts, DiscussionCaseTest,
    testing::Values(
        DiscussionCase{"NothingSeen", {"X := 1;"}, {}, {kNoBreaks, kOpenSource}},
        DiscussionCase{"BareContinue", {"while X > 0 do", "Continue"}, {}, {kOpenSource}},
        // "Continue;" has no statement kind of its own; it is a Continue all the same.
        DiscussionCase{
            "ContinueWithSemicolon", {"while X > 0 do", "  Continue;"}, {}, {kOpenSource}},
        DiscussionCase{"ContinueAfterThen", {"if X > 0 then Continue;"}, {}, {kOpenSource}},
        DiscussionCase{"ContinueInBlock", {"if X > 0 then begin Continue end;"}, {}, {kOpenSource}},
        DiscussionCase{"ContinueAsMember", {"Thread.Continue;"}, {}, {kNoBreaks, kOpenSource}},
        DiscussionCase{
            "ContinueInText", {"ShowMessage('Continue');"}, {}, {kNoBreaks, kOpenSource}},
        DiscussionCase{"ExitAfterThen", {"if X > 0 then Exit;"}, {}, {kOpenSource}},
        DiscussionCase{"Break", {"while X > 0 do", "  Break;"}, {}, {kOpenSource}},
        // Pixels counts only on a plain statement that holds a parenthesis.
        DiscussionCase{"PixelsWithoutParenthesis",
                       {"Exit;", "Canvas.Pixels[X,Y] := clRed;"},
                       {},
                       {kOpenSource}},
        DiscussionCase{"PixelsWithParenthesis",
                       {"Exit;", "Canvas.Pixels[X,Y] := RGB(X,Y,0);"},
                       {},
                       {kScanLine, kOpenSource}},
        DiscussionCase{
            "PixelsThenScanLine",
            {"Exit;", "Canvas.Pixels[X,Y] := RGB(X,Y,0);", "P := Bmp.ScanLine[Y] + Ord(X);"},
            {},
            {kOpenSource}},
        DiscussionCase{
            "ScanLineThenPixels",
            {"Exit;", "P := Bmp.ScanLine[Y] + Ord(X);", "Canvas.Pixels[X,Y] := RGB(X,Y,0);"},
            {},
            {kOpenSource}},
        DiscussionCase{"TreeViewFilledWithoutBeginUpdate",
                       {"Exit;"},
                       formWith("TTreeView"),
                       {kBeginUpdate, kOpenSource}},
        DiscussionCase{"ListViewFilledWithoutBeginUpdate",
                       {"Exit;"},
                       formWith("TListView"),
                       {kBeginUpdate, kOpenSource}},
        DiscussionCase{"TreeViewFilledWithBeginUpdate",
                       {"Exit;", "TreeView1.Items.BeginUpdate();"},
                       formWith("TTreeView"),
                       {kOpenSource}},
        DiscussionCase{
            "GlyphOf201Lines", {"Exit;"}, formWith("TBitBtn", 199), {kLargeBitmaps, kOpenSource}},
        DiscussionCase{"GlyphOf200Lines", {"Exit;"}, formWith("TBitBtn", 198), {kOpenSource}},
        DiscussionCase{
            "LargeImage", {"Exit;"}, formWith("TImage", 300), {kLargeBitmaps, kOpenSource}},
        DiscussionCase{"LargePanel", {"Exit;"}, formWith("TPanel", 300), {kOpenSource}}),
    [](const testing::TestParamInfo<DiscussionCase>& info) { return info.param.name; });

// The paragraphs come in a fixed order, the first without a break before it, and the
// document is wrapped once.
TEST(ProjectDiscussTest, WritesEveryParagraphInOrder) {
  test::CheckFixture fixture;
  fixture.addUnit("Unit1.pas",
                  test::routineUnit({"X, Y: Integer;"}, {"Canvas.Pixels[X,Y] := RGB(X,Y,0);"}),
                  formWith("TBitBtn", 250));
  const Lines& html = runOverview(fixture);
  EXPECT_EQ(titlesOf(html), (Lines{kLargeBitmaps, kScanLine, kNoBreaks, kOpenSource}));
  ASSERT_GE(html.size(), 4u);
  EXPECT_EQ(html[0], "<HTML><BODY style=\"font-family:  arial,sans-serif;\">");
  EXPECT_EQ(html[1], "<h2>Large Bitmap Images</h2>");
  EXPECT_EQ(html[3], "<br><br>");
  EXPECT_EQ(html.back(), "</BODY></HTML>");
  EXPECT_EQ(html[html.size() - 2],
            "<p>Consider integrating the following open source software with your project:<br>"
            "<a href=\"http://fastcode.sourceforge.net/\">Fastcode</a> provides faster versions "
            "of Delphi functions.<br></p>");
}

// A project that uses the recommended library, and exits somewhere, gets the one-line
// document that says so.
TEST(ProjectDiscussTest, NoAdviceGivesTheNoItemsDocument) {
  test::CheckFixture fixture;
  Lines unit = test::routineUnit({}, {"Exit;"});
  unit[3] = "uses SysUtils, FastCode;";
  fixture.addUnit("Unit1.pas", unit);
  EXPECT_EQ(runOverview(fixture),
            (Lines{"<HTML><BODY style=\"font-family:  arial,sans-serif;\"><h2>There were no items "
                   "to consider with this project</h2></BODY></HTML>"}));
}

TEST(ProjectDiscussTest, ProjectUsesComparesTheUnitNameOnly) {
  test::CheckFixture fixture;
  Lines unit = test::routineUnit({}, {"Exit;"});
  unit[3] = "uses SysUtils, FASTCODE;";
  fixture.addUnit("Unit1.pas", unit);
  runOverview(fixture);
  EXPECT_TRUE(ProjectUses(fixture.project(), "Fastcode"));
  EXPECT_TRUE(ProjectUses(fixture.project(), "lib/FastCode.pas"));
  EXPECT_FALSE(ProjectUses(fixture.project(), "FastCodeX"));
}

// How many forms the project file creates at start-up, against how many it has.
struct AutoCreateCase {
  std::string name;
  int forms;
  Lines program;      // the lines of the project file
  std::string title;  // "" when no autocreation paragraph is expected
};

void PrintTo(const AutoCreateCase& autoCreate, std::ostream* out) {
  *out << autoCreate.name;
}

Lines programCreating(int created, const Lines& extra = {}) {
  Lines program = {"program Shop;", "uses", "  Forms;", "begin", "  Application.Initialize;"};
  for (int i = 1; i <= created; ++i)
    program.push_back("  Application.CreateForm(TForm" + std::to_string(i) + ", Form" +
                      std::to_string(i) + ");");
  program.insert(program.end(), extra.begin(), extra.end());
  program.insert(program.end(), {"  Application.Run;", "end."});
  return program;
}

class AutoCreateTest : public testing::TestWithParam<AutoCreateCase> {};

TEST_P(AutoCreateTest, CountsTheFormsTheProjectFileCreates) {
  const AutoCreateCase& autoCreate = GetParam();
  test::CheckFixture fixture;
  for (int i = 1; i <= autoCreate.forms; ++i) {
    const std::string name = "Unit" + std::to_string(i);
    fixture.addUnit(name + ".pas", test::routineUnit({}, {"Exit;"}), formWith("TButton"));
  }
  fixture.project().ProjectPath = fixture.writeFile("Shop.dpr", autoCreate.program);
  const Lines titles = titlesOf(runOverview(fixture));
  if (autoCreate.title.empty()) {
    EXPECT_EQ(titles, Lines{kOpenSource});
  } else {
    EXPECT_EQ(titles, (Lines{autoCreate.title, kOpenSource}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    ProjectFile, AutoCreateTest,
    testing::Values(
        AutoCreateCase{"AllButOne", 6, programCreating(5), "All forms are autocreated"},
        AutoCreateCase{"AsManyAsForms", 6, programCreating(6), "Many autocreated forms"},
        AutoCreateCase{"FewerThanFive", 6, programCreating(4), ""},
        AutoCreateCase{"ThreeForms", 3, programCreating(2), ""},
        AutoCreateCase{"FourForms", 4, programCreating(3), "All forms are autocreated"},
        // Commented lines create nothing.
        AutoCreateCase{"CommentedOut", 6,
                       programCreating(4, {"  // Application.CreateForm(TForm5, Form5);",
                                           "  { Application.CreateForm(TForm6, Form6); }"}),
                       ""},
        AutoCreateCase{"UsesOnTheUnitsLine",
                       6,
                       {"program Shop;", "uses Forms;", "begin",
                        "  Application.CreateForm(TForm1, Form1);", "end."},
                       ""},
        AutoCreateCase{"NoBegin", 6, {"program Shop;", "uses", "  Forms;", "end."}, ""}),
    [](const testing::TestParamInfo<AutoCreateCase>& info) { return info.param.name; });

TEST(ProjectDiscussTest, MissingProjectFileGivesNoAutocreationParagraph) {
  test::CheckFixture fixture;
  for (int i = 1; i <= 6; ++i)
    fixture.addUnit("Unit" + std::to_string(i) + ".pas", test::routineUnit({}, {"Exit;"}),
                    formWith("TButton"));
  fixture.project().ProjectPath += ".missing";
  EXPECT_EQ(titlesOf(runOverview(fixture)), Lines{kOpenSource});
}

}  // namespace
}  // namespace sorvik
