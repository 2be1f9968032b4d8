#include <gtest/gtest.h>

#include "generic/strings.h"
#include "project/project_files.h"
#include "project_files_fixture.h"

namespace sorvik::test {
namespace {

using namespace std::string_literals;

struct FileSpec {
  std::string name;
  std::string content = "x";
};

struct ReaderCase {
  std::string name;
  std::string projectFile;  // relative to the work folder
  std::string content;      // "WORK" stands for the work folder
  std::vector<FileSpec> disk;
  std::vector<std::string> expected;
  int64_t comments = 0;
};

void PrintTo(const ReaderCase& c, std::ostream* out) {
  *out << c.name;
}

class ReaderTest : public ProjectFilesTest, public ::testing::WithParamInterface<ReaderCase> {};

TEST_P(ReaderTest, OpensTheFilesTheProjectNames) {
  const ReaderCase& c = GetParam();
  for (const FileSpec& file : c.disk) write(file.name, file.content);
  EXPECT_EQ(open(write(c.projectFile, replaceAll(c.content, "WORK", work.path()))), c.expected);
  EXPECT_EQ(project->report().Counts.Comments, c.comments);
  EXPECT_TRUE(prompter.messages.empty());
}

const std::string kUnit1Program =
    "program P;\r\nuses\r\n  Forms,\r\n  Unit1 in 'Unit1.pas' {Form1};\r\nbegin\r\nend.\r\n";

INSTANTIATE_TEST_SUITE_P(
    Formats, ReaderTest,
    ::testing::Values(
        ReaderCase{"UsesOnTheProgramLineYieldsNothing",
                   "P.dpr",
                   "program P;\r\nuses Forms,\r\n  Unit1 in 'Unit1.pas' {Form1};\r\nbegin\r\nend.",
                   {{"Unit1.pas"}},
                   {},
                   1},
        ReaderCase{"UnitWithItsForm",
                   "P.dpr",
                   kUnit1Program,
                   {{"Unit1.pas"}, {"Unit1.dfm"}},
                   {"unit Unit1.pas", "form Unit1.dfm"},
                   1},
        ReaderCase{"WindowsPathsInAnotherCase",
                   "proj/P.dpr",
                   "uses\n  Unit1 in 'Unit1.pas',\n  Util in '..\\Common\\Util.pas',\n"
                   "  Helper in 'SUB\\Helper.PAS';\nbegin\nend.\n",
                   {{"proj/Unit1.pas"},
                    {"Common/util.pas"},
                    {"proj/sub/helper.pas"},
                    {"proj/sub/HELPER.DFM"}},
                   {"unit proj/../Common/util.pas", "unit proj/sub/helper.pas",
                    "unit proj/Unit1.pas", "form proj/sub/HELPER.DFM"}},
        ReaderCase{"CommentedEntriesAndTheBodyNameNothing",
                   "P.dpr",
                   "program P;\nuses\n  Kept in 'Kept.pas',\n  // Old in 'Old.pas',\n"
                   "  { Gone in 'Gone.pas', }\n  (* Dead in 'Dead.pas', *)\n  Forms;\n"
                   "{$R *.res}\nbegin\n  Late in 'Late.pas'\nend.\n",
                   {{"Kept.pas"}, {"Old.pas"}, {"Gone.pas"}, {"Dead.pas"}, {"Late.pas"}},
                   {"unit Kept.pas"},
                   3},
        ReaderCase{"PackageContains",
                   "Pack.dpk",
                   "package Pack;\r\n\r\nrequires\r\n  rtl,\r\n  vcl;\r\n\r\ncontains\r\n"
                   "  PackUnit in 'PackUnit.pas',\r\n  Other in 'lib\\Other.pas';\r\n\r\nend.\r\n",
                   {{"PackUnit.pas"}, {"lib/Other.pas"}, {"lib/Other.nfm"}},
                   {"unit lib/Other.pas", "unit PackUnit.pas", "form lib/Other.nfm"}},
        ReaderCase{"GroupReadsItsFirstProgram",
                   "G.bpg",
                   "PROJECTS = P1.exe P2.exe\r\ndefault: $(PROJECTS)\r\n\r\n"
                   "P1.exe: P1.dpr\r\n  $(DCC)\r\n\r\nP2.exe: sub\\P2.dpr\r\n  $(DCC)\r\n",
                   {{"P1.dpr", kUnit1Program},
                    {"sub/P2.dpr", "uses\n  B in 'B.pas';\nbegin\nend."},
                    {"Unit1.pas"},
                    {"sub/B.pas"}},
                   {"unit Unit1.pas"},
                   1},
        ReaderCase{"GroupWithAMissingProgram", "G.bpg", "Gone.exe: Gone.dpr\r\n", {}, {}},
        ReaderCase{
            "CppBuilderProjectYieldsItsForms",
            "P.bpr",
            "<?xml version='1.0' encoding='utf-8' ?>\r\n<PROJECT>\r\n  <MACROS>\r\n"
            "  </MACROS>\r\n  <FILELIST>\r\n"
            "      <FILE FILENAME=\"P.res\" FORMNAME=\"\" UNITNAME=\"P.res\"/>\r\n"
            "      <FILE FILENAME=\"P.cpp\" FORMNAME=\"\" UNITNAME=\"P\"/>\r\n"
            "      <file filename=\"Unit1.cpp\" FORMNAME=\"Form1\" UNITNAME=\"Unit1\"/>\r\n"
            "      <FILE FILENAME=\"Gone.cpp\" FORMNAME=\"\" UNITNAME=\"Gone\"/>\r\n"
            "  </FILELIST>\r\n"
            "  <FILE FILENAME=\"After.cpp\" FORMNAME=\"\" UNITNAME=\"After\"/>\r\n"
            "</PROJECT>\r\n",
            {{"P.res"}, {"P.cpp"}, {"Unit1.cpp"}, {"Unit1.dfm"}, {"After.cpp"}, {"After.dfm"}},
            {"form Unit1.dfm"}},
        ReaderCase{"CppBuilderProjectEndingBeforeItsFileList",
                   "P.bpr",
                   "<PROJECT>\r\n</PROJECT>\r\n<FILELIST>\r\n<FILE FILENAME=\"Unit1.cpp\"/>\r\n",
                   {{"Unit1.cpp"}, {"Unit1.dfm"}},
                   {}},
        ReaderCase{"OwnProjectStopsAtTheFirstGap",
                   "P.svk",
                   "[Files]\r\nFile0=WORKunit1.PAS\r\nFile1=WORKsub\\Form2.dfm\r\n"
                   "File3=WORKAfterGap.pas\r\n",
                   {{"Unit1.pas"}, {"sub/Form2.dfm"}, {"AfterGap.pas"}},
                   {"unit Unit1.pas", "form sub/Form2.dfm"}},
        ReaderCase{"SinglePage", "Page.HTM", "<html></html>", {}, {"web Page.HTM"}},
        ReaderCase{"StyleSheetAlone", "page.css", "p {}", {}, {}},
        ReaderCase{"ScriptAlone", "script.js", "var x;", {}, {}},
        ReaderCase{"ClassicPageAlone", "page.asp", "<% %>", {}, {}}),
    [](const auto& info) { return info.param.name; });

class OwnProjectTest : public ProjectFilesTest {};

TEST_F(OwnProjectTest, WritingReplacesTheSectionAndKeepsTheOthers) {
  const std::string svk =
      write("P.svk", "[Files]\r\nFile0=a\r\nFile1=b\r\nFile2=c\r\n[Other]\r\nK=1\r\n");
  const std::vector<std::string> written = {work.path() + "x.pas", work.path() + "y.dfm"};
  ASSERT_TRUE(WriteOwnProject(svk, written));
  std::vector<std::string> files;
  ASSERT_TRUE(ReadOwnProject(svk, files));
  EXPECT_EQ(files, written);
  EXPECT_NE(readAll(svk).find("[Other]\r\nK=1"), std::string::npos);
}

TEST_F(OwnProjectTest, ManyEntriesAreReadInFull) {
  std::string text = "[Files]\r\n";
  for (int n = 0; n < 100000; ++n) {
    text += "File" + std::to_string(n) + "=" + work.path() + "u" + std::to_string(n) + ".pas\r\n";
  }
  std::vector<std::string> files;
  ASSERT_TRUE(ReadOwnProject(write("Big.svk", text), files));
  ASSERT_EQ(files.size(), 100000u);
  EXPECT_EQ(files.back(), work.path() + "u99999.pas");
}

class GroupProgramFilesTest : public ProjectFilesTest {};

TEST_F(GroupProgramFilesTest, SearchRunsAddEveryProgramOfTheGroupOnce) {
  write("grp/P1.dpr", kUnit1Program);
  write("grp/Unit1.pas");
  write("other/p2.DPR");
  const std::string group = write(
      "grp/G.bpg",
      "P1.exe: P1.dpr\r\nP2.exe: ..\\Other\\P2.dpr\r\nP3.exe: Gone.dpr\r\nP1.exe: p1.dpr\r\n");
  EXPECT_EQ(open(group), std::vector<std::string>{"unit grp/Unit1.pas"});
  GroupProgramFiles(*project);
  EXPECT_EQ(lists(*project), (std::vector<std::string>{"unit grp/Unit1.pas", "unit grp/P1.dpr",
                                                       "unit other/p2.DPR", "unit grp/gone.dpr"}));
  EXPECT_EQ(project->UnitCount, 1);
}

TEST_F(GroupProgramFilesTest, AProgramAddsItself) {
  const std::string program = write("P.dpr", "program P;\r\nbegin\r\nend.\r\n");
  open(program);
  GroupProgramFiles(*project);
  GroupProgramFiles(*project);
  EXPECT_EQ(lists(*project), std::vector<std::string>{"unit P.dpr"});
}

struct IdeCase {
  std::string name;
  std::string content;
  std::vector<std::string> expected;
  bool error;
};

void PrintTo(const IdeCase& c, std::ostream* out) {
  *out << c.name;
}

class IdeProjectTest : public ProjectFilesTest, public ::testing::WithParamInterface<IdeCase> {};

TEST_P(IdeProjectTest, ReadsTheMainProgram) {
  const IdeCase& c = GetParam();
  write("src/Prog.dpr", "uses\r\n  Unit1 in 'Unit1.pas';\r\nbegin\r\nend.\r\n");
  write("src/Unit1.pas");
  write("src/Other.dpk", "contains\r\n  Unit1 in 'Unit1.pas';\r\nend.\r\n");
  EXPECT_EQ(open(write("src/P.dproj", c.content)), c.expected);
  const std::vector<std::string> error = {
      "error: An error occurred opening the bdsproj file.\r\nThe Project File was not "
      "found.\r\rTry opening the dpr project file instead."};
  EXPECT_EQ(prompter.messages, c.error ? error : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Forms, IdeProjectTest,
    ::testing::Values(
        IdeCase{"BdsprojSource",
                "<BorlandProject>\r\n  <Delphi.Personality>\r\n    <Source>\r\n"
                "      <Source Name=\"MainSource\">Prog.dpr</Source>\r\n    </Source>\r\n",
                {"unit src/Unit1.pas"},
                false},
        IdeCase{"TypedSource",
                "\t<Source Name=\"MainSource\" Type=\"String\"> PROG.DPR </Source>",
                {"unit src/Unit1.pas"},
                false},
        IdeCase{"MainSourceElement",
                "<Project>\r\n  <PropertyGroup>\r\n    <MainSource>Prog.dpr</MainSource>\r\n",
                {"unit src/Unit1.pas"},
                false},
        IdeCase{"FirstProgramEndsTheSearch",
                "<MainSource>Gone.dpr</MainSource>\r\n<MainSource>Prog.dpr</MainSource>\r\n",
                {},
                true},
        IdeCase{"OtherSourcesAreSkipped",
                "<MainSource>Other.dpk</MainSource>\r\n<MainSource>Prog.dpr</MainSource>\r\n",
                {"unit src/Unit1.pas"},
                false},
        IdeCase{"ElementNotAtTheLineStart",
                "<PropertyGroup><MainSource>Prog.dpr</MainSource></PropertyGroup>",
                {},
                true},
        IdeCase{"NoProgram", "<Project>\r\n</Project>\r\n", {}, true}),
    [](const auto& info) { return info.param.name; });

// Garbage in any project format reads as nothing (or as the format's error), never as a
// crash or a hang.
TEST_F(ProjectFilesTest, HostileProjectFilesOpenEmpty) {
  const std::string garbage =
      "uses\r\n'\0{(*\xff\xfe<source name=\"mainsource\">\0\x01 in '..\\..\\..\\x.pas\r\n"
      "<FILE FILENAME=\"\r\nProject(\"{x}\") = \"a\", \"..\\..\\..\\b.csproj\"\r\n"s;
  for (const char* extension : {".dpr", ".dpk", ".bpg", ".bpr", ".dproj", ".sln", ".svk"}) {
    open(write(std::string("G") + extension, garbage), std::string(extension) != ".sln");
    EXPECT_EQ(lists(*project), std::vector<std::string>{}) << extension;
  }
  EXPECT_EQ(prompter.messages.size(), 2u);  // the IDE project's and the solution's
}

}  // namespace
}  // namespace sorvik::test
