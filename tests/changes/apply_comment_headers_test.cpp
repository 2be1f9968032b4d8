// Putting a comment header on top of a unit: where each mode puts it, what it leaves alone,
// the bytes it keeps, and the walk that writes the project's units with its backups, its
// refusals and its warning.
#include "changes/apply_comment_headers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "generic/ini_file.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

const Lines kHeader = {"{ H }"};

constexpr auto kMode0 = CommentMode::WhenNoComments;
constexpr auto kMode1 = CommentMode::AllFiles;
constexpr auto kMode2 = CommentMode::ReplaceComments;

struct PlacementCase {
  std::string name;
  std::string path;
  CommentMode mode;
  std::string before;
  std::string after;  // "" when the file is left alone
  CommentLanguage language = CommentLanguage::Delphi;
};

void PrintTo(const PlacementCase& placement, std::ostream* out) {
  *out << placement.name;
}

class PlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, PutsTheHeaderWhereTheModeSays) {
  const PlacementCase& placement = GetParam();
  const std::optional<TextFile> changed =
      withCommentHeader(splitText(placement.before), placement.path, kHeader, placement.mode,
                        placement.language, false);
  if (placement.after.empty()) {
    EXPECT_FALSE(changed) << joinText(*changed);
  } else {
    ASSERT_TRUE(changed);
    EXPECT_EQ(joinText(*changed), placement.after);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Delphi, PlacementTest,
    testing::Values(
        // The heading first: every mode puts the header on top, the file's bytes kept.
        PlacementCase{"HeadingFirstMode0CrLf", "/p/Main.pas", kMode0, "unit Main;\r\nend.\r\n",
                      "{ H }\r\nunit Main;\r\nend.\r\n"},
        PlacementCase{"HeadingFirstMode1Lf", "/p/Main.pas", kMode1, "unit Main;\nend.\n",
                      "{ H }\nunit Main;\nend.\n"},
        PlacementCase{"HeadingFirstMode2NoFinalEnd", "/p/Main.pas", kMode2, "unit Main;\r\nend.",
                      "{ H }\r\nunit Main;\r\nend."},
        PlacementCase{"HeadingFirstWithBom", "/p/Main.pas", kMode0,
                      "\xEF\xBB\xBFunit MAIN;\nend.\n", "\xEF\xBB\xBF{ H }\nunit MAIN;\nend.\n"},
        PlacementCase{"OneLineWithoutEnd", "/p/Main.pas", kMode0, "unit Main;",
                      "{ H }\r\nunit Main;"},
        PlacementCase{"EmptyMode0", "/p/Main.pas", kMode0, "", ""},
        PlacementCase{"EmptyMode1", "/p/Main.pas", kMode1, "", ""},
        PlacementCase{"BomOnly", "/p/Main.pas", kMode2, "\xEF\xBB\xBF", ""},
        // A heading with a comment after it is still the heading.
        PlacementCase{"TrailingComment", "/p/Main.pas", kMode0, "unit Main; // note\nend.\n",
                      "{ H }\nunit Main; // note\nend.\n"},
        PlacementCase{"SpacedHeading", "/p/Main.pas", kMode2, "\r\n  unit   Main ;\r\nend.\r\n",
                      "{ H }\r\n\r\n  unit   Main ;\r\nend.\r\n"},
        // An old header: left alone, kept below, or removed.
        PlacementCase{"OldHeaderMode0", "/p/Main.pas", kMode0, "{ old header }\n\nunit Main;\n",
                      ""},
        PlacementCase{"OldHeaderMode1", "/p/Main.pas", kMode1, "{ old header }\n\nunit Main;\n",
                      "{ H }\n{ old header }\n\nunit Main;\n"},
        PlacementCase{"OldHeaderMode2", "/p/Main.pas", kMode2, "{ old header }\n\nunit Main;\n",
                      "{ H }\n\nunit Main;\n"},
        // Lines of blanks inside a comment belong to it: a second run leaves none behind.
        PlacementCase{"BlankLinesInsideAComment", "/p/Main.pas", kMode2,
                      "(* one\r\n     \r\n two *)\r\nunit Main;\r\n", "{ H }\r\nunit Main;\r\n"},
        // Code beside a comment stays, with the comment blanked.
        PlacementCase{"CodeBesideAComment", "/p/Main.pas", kMode2,
                      "{ old } {$R *.res}\nunit Main;\n",
                      "{ H }\n        {$R *.res}\nunit Main;\n"},
        // A compiler directive is code: removing comments keeps it.
        PlacementCase{"DirectiveBeforeHeadingMode2", "/p/Main.pas", kMode2,
                      "{$mode delphi}\n{ Main }\nunit Main;\n",
                      "{ H }\n{$mode delphi}\nunit Main;\n"},
        PlacementCase{"DirectiveBeforeHeadingMode0", "/p/Main.pas", kMode0,
                      "{$mode delphi}\nunit Main;\n", ""},
        PlacementCase{"IncludeBeforeHeadingMode0", "/p/Main.pas", kMode0,
                      "{$I defines.inc}\nunit Main;\n", "{ H }\n{$I defines.inc}\nunit Main;\n"},
        // The heading is found by the file's name.
        PlacementCase{"OtherUnitNameMode0", "/p/Main.pas", kMode0, "unit Other;\n", ""},
        PlacementCase{"OtherUnitNameMode2", "/p/Main.pas", kMode2, "// x\nunit Other;\n", ""},
        PlacementCase{"OtherUnitNameMode1", "/p/Main.pas", kMode1, "unit Other;\n",
                      "{ H }\nunit Other;\n"},
        PlacementCase{"LongerUnitName", "/p/Main.pas", kMode0, "unit MainForm;\n", ""},
        PlacementCase{"HeadingInsideAComment", "/p/Main.pas", kMode2,
                      "(* unit Main; *)\nunit Main;\n", "{ H }\nunit Main;\n"},
        // Only the extension goes: a ".pas" inside the name stays part of it.
        PlacementCase{"PasInsideTheName", "/p/Data.Pascal.pas", kMode0, "unit Data.Pascal;\n",
                      "{ H }\nunit Data.Pascal;\n"},
        PlacementCase{"PasInsideTheNameMode2", "/p/Data.Pascal.pas", kMode2,
                      "// data\nunit Data.Pascal;\n", "{ H }\nunit Data.Pascal;\n"}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Cpp, PlacementTest,
    testing::Values(PlacementCase{"Mode1", "/p/main.cpp", kMode1, "// old\n#include <vcl.h>\n",
                                  "{ H }\n// old\n#include <vcl.h>\n", CommentLanguage::Cpp},
                    // The separators of a C++Builder file are no comments.
                    PlacementCase{"SeparatorsMode0", "/p/main.cpp", kMode0,
                                  "//------\r\n#include <vcl.h>\r\n",
                                  "{ H }\r\n//------\r\n#include <vcl.h>\r\n",
                                  CommentLanguage::Cpp},
                    PlacementCase{"CommentMode0", "/p/main.cpp", kMode0,
                                  "/* old */\n#include <vcl.h>\n", "", CommentLanguage::Cpp},
                    PlacementCase{"CommentMode2", "/p/main.cpp", kMode2,
                                  "/* old\n   header */\n//---\n// note\n#include <vcl.h>\n",
                                  "{ H }\n//---\n#include <vcl.h>\n", CommentLanguage::Cpp},
                    PlacementCase{"OnlyCommentsMode2", "/p/main.cpp", kMode2, "// nothing else\n",
                                  "", CommentLanguage::Cpp}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

// The header is written in the file's encoding: UTF-8 into a UTF-8 file, single bytes into
// a single-byte one, whichever way the header came.
TEST(CommentHeaderTest, HeaderTakesTheFileEncoding) {
  const Lines single = {"(c) \xA9"};
  const Lines utf8 = {"(c) \xC2\xA9"};
  const struct {
    std::string before;
    Lines header;
    std::string after;
  } cases[] = {
      {"\xEF\xBB\xBFunit Main;\n", single, "\xEF\xBB\xBF(c) \xC2\xA9\nunit Main;\n"},
      {"unit Main; // caf\xC3\xA9\n", single, "(c) \xC2\xA9\nunit Main; // caf\xC3\xA9\n"},
      {"unit Main; // caf\xE9\n", utf8, "(c) \xA9\nunit Main; // caf\xE9\n"},
      {"unit Main;\n", single, "(c) \xA9\nunit Main;\n"},
  };
  for (const auto& encoding : cases) {
    const auto changed = withCommentHeader(splitText(encoding.before), "/p/Main.pas",
                                           encoding.header, kMode1, CommentLanguage::Delphi, false);
    ASSERT_TRUE(changed);
    EXPECT_EQ(joinText(*changed), encoding.after);
  }
}

TEST(CommentHeaderTest, UnitHeadingRemovesOnlyTheExtension) {
  EXPECT_EQ(unitHeading("C:\\Src\\Main.PAS"), "unit main;");
  EXPECT_EQ(unitHeading("/src/Data.Pascal.pas"), "unit data.pascal;");
  EXPECT_EQ(unitHeading("/src/pas.pas"), "unit pas;");
}

TEST(CommentHeaderTest, ResultsLabelAndWarning) {
  EXPECT_EQ(commentResultsLabel(0, 0), "No comment headers applied, 0 not applied");
  EXPECT_EQ(commentResultsLabel(1, 2), "1 comment header applied, 2 not applied");
  EXPECT_EQ(commentResultsLabel(1234, 5), "1,234 comment headers applied, 5 not applied");
  EXPECT_EQ(notAppliedWarning({}), "");
  Lines files;
  for (int i = 1; i <= 20; ++i) files.push_back("f" + std::to_string(i));
  EXPECT_EQ(notAppliedWarning({"a", "b"}),
            "Changes have not been applied to the following files:\r\ra\rb");
  EXPECT_TRUE(notAppliedWarning(files).ends_with("\rf19\rf20"));
  for (int i = 21; i <= 25; ++i) files.push_back("f" + std::to_string(i));
  std::string listed;
  for (int i = 6; i <= 25; ++i) listed += "f" + std::to_string(i) + "\r";
  EXPECT_EQ(notAppliedWarning(files),
            "Changes have not been applied to over 20 files:\r\r" + listed + "...");
}

class ApplyCommentHeadersTest : public testing::Test {
 protected:
  ApplyCommentHeadersTest() : context(test::makeContext(home, &prompter, &observer)) {}

  std::unique_ptr<TProject> projectOf(const Lines& units) {
    auto project = std::make_unique<TProject>(*context, home.path() + "app/P.svk");
    project->UnitFiles = units;
    project->UnitCount = static_cast<int>(units.size());
    return project;
  }
  static CommentRequest delphi(CommentMode mode) {
    CommentRequest request;
    request.delphiHeader = kHeader;
    request.delphiMode = mode;
    return request;
  }

  test::TempFolder home;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  std::unique_ptr<AppContext> context;
};

TEST_F(ApplyCommentHeadersTest, WritesEachUnitWithABackupAndListsTheOthers) {
  const std::string main = home.write("app/Main.pas", "unit Main;\r\n");
  const std::string notes = home.write("app/Notes.pas", "unit Notes; // n\r\n");
  const std::string old = home.write("app/Old.pas", "{ old }\r\nunit Old;\r\n");
  const std::string empty = home.write("app/Empty.pas", "");
  const std::string missing = home.path() + "app/Missing.pas";
  const std::string script = home.write("app/Page.htm", "<p>");
  const auto project = projectOf({main, notes, old, empty, missing, script});
  const CommentOutcome outcome = ApplyCommentHeaders(*project, delphi(kMode0));
  EXPECT_FALSE(outcome.declined);
  EXPECT_EQ(outcome.applied, 2);
  EXPECT_EQ(outcome.notApplied, (Lines{old, empty, missing}));
  EXPECT_EQ(outcome.resultsLabel, "2 comment headers applied, 3 not applied");
  EXPECT_EQ(outcome.warning, "Changes have not been applied to the following files:\r\r" + old +
                                 "\r" + empty + "\r" + missing);
  EXPECT_EQ(readFileBytes(main), "{ H }\r\nunit Main;\r\n");
  EXPECT_EQ(readFileBytes(old), "{ old }\r\nunit Old;\r\n");
  EXPECT_EQ(readFileBytes(script), "<p>");
  EXPECT_EQ(prompter.messages, Lines{"change warning"});
  EXPECT_TRUE(project->ChangesApplied);
  // The first copy of every changed file, with its original in the log, whichever way the
  // heading was found.
  ASSERT_TRUE(project->BackupFolder.starts_with(home.path() + "backup/back"));
  EXPECT_EQ(readFileBytes(project->BackupFolder + "/Main.pas"), "unit Main;\r\n");
  EXPECT_EQ(readFileBytes(project->BackupFolder + "/Notes.pas"), "unit Notes; // n\r\n");
  EXPECT_EQ(IniFile(project->BackupFolder + "/log.ini").readString("Paths", "Main.pas", ""), main);
  EXPECT_FALSE(std::filesystem::exists(project->BackupFolder + "/Old.pas"));
}

TEST_F(ApplyCommentHeadersTest, DecliningTheWarningWritesNothing) {
  const std::string main = home.write("app/Main.pas", "unit Main;\n");
  const auto project = projectOf({main});
  prompter.acceptChange = false;
  const CommentOutcome outcome = ApplyCommentHeaders(*project, delphi(kMode1));
  EXPECT_TRUE(outcome.declined);
  EXPECT_FALSE(project->ChangesApplied);
  EXPECT_EQ(readFileBytes(main), "unit Main;\n");
  EXPECT_FALSE(std::filesystem::exists(home.path() + "backup"));
}

TEST_F(ApplyCommentHeadersTest, TheWarningCanBeSwitchedOff) {
  const std::string main = home.write("app/Main.pas", "unit Main;\n");
  prompter.dontAskAgain = true;
  EXPECT_EQ(ApplyCommentHeaders(*projectOf({main}), delphi(kMode1)).applied, 1);
  EXPECT_FALSE(context->config.readBool("General", "Applychange", true));
  EXPECT_EQ(ApplyCommentHeaders(*projectOf({main}), delphi(kMode1)).applied, 1);
  EXPECT_EQ(prompter.messages, Lines{"change warning"});
  EXPECT_EQ(readFileBytes(main), "{ H }\n{ H }\nunit Main;\n");
}

// Links, files outside the project's folder and read-only files are left alone with a
// message, counted neither as applied nor as not applied.
TEST_F(ApplyCommentHeadersTest, FilesItMayNotWriteAreLeftAlone) {
  const std::string outside = home.write("elsewhere/Out.pas", "unit Out;\n");
  const std::string link = home.path() + "app/Link.pas";
  const std::string locked = home.write("app/Locked.pas", "unit Locked;\n");
  std::filesystem::create_symlink(outside, link);
  ::chmod(locked.c_str(), 0444);
  const auto project = projectOf({outside, link, locked});
  const CommentOutcome outcome = ApplyCommentHeaders(*project, delphi(kMode1));
  EXPECT_EQ(outcome.applied, 0);
  EXPECT_TRUE(outcome.notApplied.empty());
  EXPECT_EQ(readFileBytes(outside), "unit Out;\n");
  EXPECT_EQ(readFileBytes(locked), "unit Locked;\n");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(
      prompter.messages,
      (Lines{"change warning",
             "warning: The following file is outside the project's folder and was left "
             "alone:\r" +
                 outside,
             "warning: The following file is a symbolic link and was left alone:\r" + link,
             "error: The following file cannot be updated as it is set to read only:\r" + locked}));

  const auto allowed = projectOf({outside});
  allowed->Outside = TProject::OutsideFiles::Allow;
  EXPECT_EQ(ApplyCommentHeaders(*allowed, delphi(kMode1)).applied, 1);
  EXPECT_EQ(readFileBytes(outside), "{ H }\nunit Out;\n");
}

// A language without a mode is not touched; each language gets its own header.
TEST_F(ApplyCommentHeadersTest, EachLanguageByItsOwnMode) {
  const std::string unit = home.write("app/Main.pas", "unit Main;\n");
  const std::string source = home.write("app/main.CPP", "#include <vcl.h>\n");
  CommentRequest request = delphi(kMode0);
  EXPECT_EQ(ApplyCommentHeaders(*projectOf({unit, source}), request).applied, 1);
  EXPECT_EQ(readFileBytes(source), "#include <vcl.h>\n");
  request.delphiMode.reset();
  request.cppHeader = {"/* C */"};
  request.cppMode = kMode0;
  EXPECT_EQ(ApplyCommentHeaders(*projectOf({unit, source}), request).applied, 1);
  EXPECT_EQ(readFileBytes(source), "/* C */\n#include <vcl.h>\n");
  EXPECT_EQ(readFileBytes(unit), "{ H }\nunit Main;\n");
  const SourceLanguages languages = sourceLanguages(*projectOf({unit, source}));
  EXPECT_TRUE(languages.delphi && languages.cpp);
  EXPECT_FALSE(sourceLanguages(*projectOf({home.path() + "x.dfm"})).delphi);
}

}  // namespace
}  // namespace sorvik
