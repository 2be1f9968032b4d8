// Applying one suggestion to its file and undoing it: the file's bytes, the results that
// follow the change, the questions, and the files that are left alone.
#include "changes/apply_suggestion.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <filesystem>

#include "generic/text_file.h"
#include "project/project.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

class ApplySuggestionTest : public testing::Test {
 protected:
  ApplySuggestionTest()
      : context(test::makeContext(home, &prompter, &observer)),
        project(std::make_unique<TProject>(*context, home.path() + "P.svk")) {}

  // A file of `count` lines "line 1" ... with CR LF ends, except line 3 ends with LF.
  std::string writeUnit(int count, const std::string& name = "U.pas") {
    std::string bytes;
    for (int i = 1; i <= count; ++i)
      bytes += "line " + std::to_string(i) + (i == 3 ? "\n" : "\r\n");
    return home.write(name, bytes);
  }
  size_t addResult(const std::string& file, int line, int lineCount, Lines suggestions,
                   int kind = 17) {
    auto record = std::make_unique<TFrontOutput>();
    record->FilePath = file;
    record->Line = line;
    record->LineCount = lineCount;
    record->Kind = kind;
    if (!suggestions.empty()) record->Suggestions = std::move(suggestions);
    record->OutputIndex = static_cast<int>(project->report().OutputLines.size());
    const std::string display = "\"U.pas\"(" + std::to_string(line) + "):[Hint] x";
    project->report().appendResult(std::move(record), &display);
    return project->report().Results.size() - 1;
  }
  int lineOf(size_t i) { return project->report().Results[i]->Line; }
  std::string bytesOf(const std::string& path) { return readFileBytes(path).value_or("?"); }

  test::TempFolder home;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
};

struct EditCase {
  const char* name;
  int line, lineCount;
  Lines suggestions;
  Lines expected;
  int sameLine, nextLine, lastLine;  // where the results on lines 5, 6 and 20 end up
};

class ApplyAndUndo : public ApplySuggestionTest, public testing::WithParamInterface<EditCase> {};

// A later result moves with the change and back with its undo, which gives back the file's
// bytes (the LF of line 3 among CR LF included).
TEST_P(ApplyAndUndo, MovesLaterResultsAndUndoGivesTheFileBack) {
  const EditCase& c = GetParam();
  const std::string path = writeUnit(20);
  const std::string before = bytesOf(path);
  const size_t applied = addResult(path, c.line, c.lineCount, c.suggestions);
  const size_t same = addResult(path, 5, 1, {});
  const size_t next = addResult(path, 6, 1, {});
  const size_t last = addResult(path, 20, 1, {});
  const size_t otherFile = addResult(home.path() + "V.pas", 20, 1, {});

  ASSERT_TRUE(ApplySuggestion(*project, applied));
  Lines lines = readLines(path).value();
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 3 + static_cast<long>(c.expected.size())),
            c.expected);
  EXPECT_EQ(lines.size(), static_cast<size_t>(c.lastLine));
  EXPECT_EQ(lineOf(same), c.sameLine);
  EXPECT_EQ(lineOf(next), c.nextLine);
  EXPECT_EQ(lineOf(last), c.lastLine);
  EXPECT_EQ(lineOf(otherFile), 20);
  EXPECT_TRUE(project->report().Results[applied]->Applied);
  EXPECT_TRUE(project->report().OutputLines[0].ends_with(" (Applied)"));
  EXPECT_NE(bytesOf(path).find("line 2\r\nline 3\nline 4\r\n"), std::string::npos);

  ASSERT_TRUE(UndoSuggestion(*project));
  EXPECT_EQ(bytesOf(path), before);
  EXPECT_EQ(lineOf(same), 5);
  EXPECT_EQ(lineOf(next), 6);
  EXPECT_EQ(lineOf(last), 20);
  EXPECT_FALSE(project->report().Results[applied]->Applied);
  EXPECT_FALSE(project->report().OutputLines[0].ends_with(" (Applied)"));
  EXPECT_FALSE(UndoSuggestion(*project));
  EXPECT_EQ(prompter.messages.back(), "error: Suggestion could not be undone");
}

// Lines 4-6 of the file after the change (three lines shown from line 4 on).
INSTANTIATE_TEST_SUITE_P(
    Edits, ApplyAndUndo,
    testing::Values(
        EditCase{"ReplaceTwoByThree", 5, 2, {"a", "b", "c"}, {"line 4", "a", "b"}, 5, 7, 21},
        EditCase{"InsertTwo", 5, 1, {"{Insert:}", "a", "b"}, {"line 4", "a", "b"}, 7, 8, 22},
        EditCase{"RemoveOne", 5, 1, {"{Remove line}"}, {"line 4", "line 6", "line 7"}, 5, 5, 19}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

struct CorrectionCase {
  const char* name;
  std::string line;
  std::string word, replacement;
  std::string corrected;  // "" when the correction is refused
};

class SpellingCorrection : public ApplySuggestionTest,
                           public testing::WithParamInterface<CorrectionCase> {};

// Every whole-word hit of the word on the result's line, in strings too and in any case,
// becomes the replacement; the undo gives the line back and takes the mark off.
TEST_P(SpellingCorrection, ReplacesEveryWholeWordOnTheLineAndUndoes) {
  const CorrectionCase& c = GetParam();
  const std::string path = home.write("U.pas", "first\r\n" + c.line + "\r\nlast\r\n");
  const std::string before = bytesOf(path);
  const size_t other = addResult(path, 3, 1, {"{Remove line}"});
  const size_t spelled = addResult(path, 2, 1, {}, 400);
  project->report().Results[spelled]->Text = c.word;

  const bool applied = ApplySpellingCorrection(*project, spelled, c.replacement);
  EXPECT_EQ(applied, !c.corrected.empty());
  EXPECT_EQ(project->report().Results[spelled]->Applied, applied);
  if (!applied) {
    EXPECT_EQ(bytesOf(path), before);
    return;
  }
  EXPECT_EQ(bytesOf(path), "first\r\n" + c.corrected + "\r\nlast\r\n");
  EXPECT_EQ(lineOf(other), 3);
  EXPECT_FALSE(project->report().OutputLines[1].ends_with(" (Applied)"));
  ASSERT_TRUE(UndoSuggestion(*project));
  EXPECT_EQ(bytesOf(path), before);
  EXPECT_FALSE(project->report().Results[spelled]->Applied);
  EXPECT_FALSE(project->report().Results[other]->Applied);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SpellingCorrection,
    testing::Values(CorrectionCase{"EveryHitInAnyCase", "Teh dog and teh cat", "teh", "the",
                                   "the dog and the cat"},
                    CorrectionCase{"InStringsAndNotInsideWords", "s := 'teh' + Teh2 + tehx; // teh",
                                   "teh", "the", "s := 'the' + Teh2 + tehx; // the"},
                    CorrectionCase{"AReplacementHoldingTheWord", "cat and cat", "cat", "cat cat",
                                   "cat cat and cat cat"},
                    CorrectionCase{"TheWordIsGoneFromTheLine", "nothing here", "teh", "the", ""}),
    [](const testing::TestParamInfo<CorrectionCase>& info) {
      return std::string(info.param.name);
    });

TEST_F(ApplySuggestionTest, TheChangeWarningIsAskedUntilTheUserSaysNotTo) {
  const std::string path = writeUnit(3);
  const std::string before = bytesOf(path);
  const size_t first = addResult(path, 1, 1, {"x"});
  prompter.acceptChange = false;
  EXPECT_FALSE(ApplySuggestion(*project, first));
  EXPECT_EQ(bytesOf(path), before);
  EXPECT_FALSE(project->ChangesApplied);

  prompter.acceptChange = true;
  prompter.dontAskAgain = true;
  EXPECT_TRUE(ApplySuggestion(*project, first));
  EXPECT_TRUE(project->ChangesApplied);
  EXPECT_FALSE(context->config.readBool("General", "Applychange", true));
  EXPECT_EQ(project->report().Counts.AppliedHints, 1);
}

// The file-size limit stands in for a full disk: the write fails half way, and the file
// stays as it was, with no temporary file beside it and the result not applied.
TEST_F(ApplySuggestionTest, AWriteThatFailsHalfWayLeavesTheFileAsItWas) {
  context->config.writeBool("General", "MakeBackups", false);
  const std::string path = writeUnit(20);
  const std::string before = bytesOf(path);
  const size_t index = addResult(path, 1, 1, {std::string(400, 'x')});
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 100;
  std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool applied = ApplySuggestion(*project, index);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, SIG_DFL);

  EXPECT_FALSE(applied);
  EXPECT_EQ(bytesOf(path), before);
  EXPECT_FALSE(project->report().Results[index]->Applied);
  EXPECT_FALSE(project->UndoLines);
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(home.path()))
    files += entry.path().extension() == ".tmp" ? 1 : 0;
  EXPECT_EQ(files, 0U);
  ASSERT_EQ(prompter.messages.size(), 3U);
  EXPECT_TRUE(prompter.messages[1].starts_with(
      "error: An error occurred updating the following file:\r" + path + "\r\r"));
  EXPECT_EQ(prompter.messages[2],
            "warning: Error saving the file after applying the suggestion\r\rThis suggestion "
            "may not have been applied properly");
}

// A read-only file, a binary form, a suggestion whose lines are gone and a file that is
// gone are reported and left as they are.
TEST_F(ApplySuggestionTest, FilesThatCannotTakeTheChangeAreLeftAlone) {
  const std::string readOnly = writeUnit(3, "R.pas");
  ::chmod(readOnly.c_str(), 0444);
  const std::string binary = home.write("B.dfm", std::string("\xFF\x0A\x00TPF0x\r\n", 10));
  const std::string shortFile = writeUnit(3, "S.pas");
  const std::string before[] = {bytesOf(readOnly), bytesOf(binary), bytesOf(shortFile)};
  EXPECT_FALSE(ApplySuggestion(*project, addResult(readOnly, 1, 1, {"x"})));
  EXPECT_FALSE(ApplySuggestion(*project, addResult(binary, 1, 1, {"x"})));
  EXPECT_FALSE(ApplySuggestion(*project, addResult(shortFile, 3, 2, {"x"})));
  EXPECT_FALSE(ApplySuggestion(*project, addResult(home.path() + "Gone.pas", 1, 1, {"x"})));
  EXPECT_EQ(bytesOf(readOnly), before[0]);
  EXPECT_EQ(bytesOf(binary), before[1]);
  EXPECT_EQ(bytesOf(shortFile), before[2]);
  EXPECT_EQ(
      prompter.messages,
      (Lines{"change warning",
             "error: The following file cannot be updated as it is set to read only:\r" + readOnly,
             "change warning",
             "error: The following file is a binary form and is not changed as text:\r" + binary,
             "change warning",
             "error: The lines of this suggestion are no longer in the file:\r" + shortFile,
             "change warning",
             "error: The following file could not be read:\r" + home.path() + "Gone.pas"}));
  EXPECT_EQ(project->report().Counts.AppliedHints, 0);
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

}  // namespace
}  // namespace sorvik
