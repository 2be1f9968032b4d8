// The printed report: its date, the kinds it shows and its rich-text lines.
#include "report/rich_text_report.h"

#include <gtest/gtest.h>

#include "project/project.h"
#include "project/results.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

using namespace std::chrono;

TEST(ReportDateTest, OrdinalSuffixes) {
  const std::pair<int, const char*> cases[] = {
      {1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},  {8, "th"},  {11, "th"}, {12, "th"},
      {13, "th"}, {21, "st"}, {22, "nd"}, {23, "rd"}, {24, "th"}, {30, "th"}, {31, "st"}};
  for (const auto& [day, suffix] : cases) EXPECT_EQ(ordinalSuffix(day), suffix) << day;
}

TEST(ReportDateTest, WeekdayDayMonthAndYear) {
  const std::pair<const char*, const char*> cases[] = {
      {"2026-12-08", "Tuesday 8th, Dec 2026"},   {"2024-02-29", "Thursday 29th, Feb 2024"},
      {"2025-01-01", "Wednesday 1st, Jan 2025"}, {"2023-07-23", "Sunday 23rd, Jul 2023"},
      {"2030-03-31", "Sunday 31st, Mar 2030"},   {"2021-05-12", "Wednesday 12th, May 2021"}};
  for (const auto& [text, expected] : cases) {
    const auto date = parseReportDate(text);
    ASSERT_TRUE(date) << text;
    EXPECT_EQ(reportDateText(*date), expected);
  }
  for (const char* bad : {"", "2026-13-01", "2025-02-29", "2026-1-08", "2026/12/08", "20x6-12-08",
                          "2026-12-08 ", "+026-12-08"})
    EXPECT_FALSE(parseReportDate(bad)) << bad;
}

TEST(ReportTextTest, ShortPathAndDescription) {
  const std::string path25(25, 'a');
  const std::string path26 = "b" + path25;
  EXPECT_EQ(shortReportPath(path25), path25);
  EXPECT_EQ(shortReportPath(path26), "..." + path26);
  EXPECT_EQ(shortReportPath("x" + path26), "..." + path26);
  EXPECT_EQ(reportDescription("):[Hint] Use SinCos"), "Use SinCos");
  EXPECT_EQ(reportDescription("):[Warn] "), "");
  EXPECT_EQ(reportDescription("):"), "");
  EXPECT_EQ(reportDescription("plain"), "plain");
}

class RichTextReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context = test::makeContext(home, nullptr, nullptr);
    project = std::make_unique<TProject>(*context, "/p/Shop.dpr");
    project->Report->Reset();
  }
  void add(const std::string& file, int kind, int line, const std::string& text) {
    project->CurrentFile = file;
    AddResult(*project, kind, line, text, nullptr);
  }
  test::TempFolder home;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
};

TEST_F(RichTextReportTest, SwitchesComeFromConfigAndDefaultToOn) {
  ASSERT_TRUE(context->config.addOverride("RepHints.3=0"));
  ASSERT_TRUE(context->config.addOverride("RepWarn.116=0"));
  ASSERT_TRUE(context->config.addOverride("RepAspHints.230=0"));
  const ReportSwitches switches = readReportSwitches(context->config);
  for (int kind : {0, 37, 100, 115, 231, 248}) EXPECT_TRUE(switches.shows(kind)) << kind;
  for (int kind : {3, 116, 230, 200, 201, 300, 301, 400, 1000, 38, 99})
    EXPECT_FALSE(switches.shows(kind)) << kind;
}

TEST_F(RichTextReportTest, LinesOfTheWholeReport) {
  ASSERT_TRUE(context->config.addOverride("RepHints.3=0"));
  project->UnitFiles = {"/p/Main.pas", "/p/Sub/Tools.pas"};
  project->FormFiles = {"/p/Main.dfm"};
  auto& counts = project->Report->Counts;
  counts.CodeLines = 12345;
  counts.Procedures = 1000;
  counts.Functions = 3;
  counts.Constructors = 1;
  counts.Comments = 42;
  counts.StringVars = 3;
  counts.BooleanVars = 1;
  counts.FloatVars = 2;

  add("/p/page.htm", 240, 7, "Target \"_top\" is not valid");
  add("/p/Main.pas", 101, 8, "Object was created but not freed");
  add("/p/Main.pas", 17, 4, "Use SinCos instead of both Sin and Cos");
  add("/p/Main.dfm", 3, 20, "Table (tbl) is active on startup");  // switched off
  add("/p/Sub/Tools.pas", 17, 9, "{Sin} and \\Cos in caf\xE9");
  add("/p/Main.pas", 1003, 30, "template result");  // never in the report

  const auto report =
      buildPrintedReport(*project, readReportSwitches(context->config), "Tuesday 8th, Dec 2026");
  ASSERT_EQ(report.groups.size(), 3u);
  EXPECT_EQ(report.groups[0].details[1].filePath, "/p/Sub/Tools.pas");
  EXPECT_EQ(richTextLines(report),
            (std::vector<std::string>{
                "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang2057{\\fonttbl{\\f0\\fswiss\\fcharset0 "
                "Arial;}}",
                "{\\colortbl ;\\red0\\green0\\blue0;}",
                "{\\*\\generator Msftedit 5.41.15.1503;}\\viewkind4\\uc1\\pard\\b\\f0\\fs36 "
                "/p/Shop.dpr\\par",
                "\\b0\\fs20 Tuesday 8th, Dec 2026\\par",
                "\\par",
                "Code files scanned : 2\\par",
                "Actual lines of code :12,345\\par",
                "Number of procedures :1,000\\par",
                "Number of constructors :1\\par",
                "Local variables :6 (3 strings, No integers, 1 boolean, 2 floats)\\par",
                "Form files scanned :1\\par",
                "Number of comments :42\\par",
                "Number of functions :3\\par",
                "Number of destructors :0\\par",
                "\\par",
                "\\cf1\\fs28 Use SinCos instead of both Sin and Cos\\par",
                "\\cf0\\fs20 Line :\\tab\\tab 5\\par",
                "File :\\tab\\tab /p/Main.pas\\par",
                "Description :\\tab Use SinCos instead of both Sin and Cos\\par\\par",
                "\\cf0\\fs20 Line :\\tab\\tab 10\\par",
                "File :\\tab\\tab /p/Sub/Tools.pas\\par",
                "Description :\\tab \\{Sin\\} and \\\\Cos in caf\\u233?\\par\\par",
                "\\par",
                "\\cf1\\fs28 Object was created but not freed\\par",
                "\\cf0\\fs20 Line :\\tab\\tab 9\\par",
                "File :\\tab\\tab /p/Main.pas\\par",
                "Description :\\tab Object was created but not freed\\par\\par",
                "\\par",
                "\\cf1\\fs28 Invalid Target value\\par",
                "\\cf0\\fs20 Line :\\tab\\tab 7\\par",
                "File :\\tab\\tab /p/page.htm\\par",
                "Description :\\tab Target \"_top\" is not valid\\par\\par",
                "\\par",
                "\\par",
                "}"}));
  EXPECT_EQ(richTextDocument({"{\\rtf1", "}"}), "{\\rtf1\r\n}\r\n");
}

TEST_F(RichTextReportTest, WindowsPathsAreDoubledAndControlsEscaped) {
  add("C:\\Work\\Unit1.pas", 101, 0, "tab\there");
  const auto lines =
      richTextLines(buildPrintedReport(*project, readReportSwitches(context->config), "d"));
  EXPECT_EQ(lines[17], "File :\\tab\\tab C:\\\\Work\\\\Unit1.pas\\par");
  EXPECT_EQ(lines[18], "Description :\\tab tab\\'09here\\par\\par");
}

}  // namespace
}  // namespace sorvik
