#include "project/results.h"

#include <gtest/gtest.h>

#include "project/project.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

// A unit or routine over a few processed lines with their file lines.
class FakeOwner : public ResultOwner {
 public:
  FakeOwner(Kind kind, std::vector<int> lineMap, std::vector<std::string> scanLines = {})
      : kind_(kind), lineMap_(std::move(lineMap)), scanLines_(std::move(scanLines)) {}
  Kind ownerKind() const override { return kind_; }
  int mapLine(int line) const override {
    return line < static_cast<int>(lineMap_.size()) ? lineMap_[line] : line;
  }
  bool isIncludeLine(int line) const override {
    return line < static_cast<int>(scanLines_.size()) && scanLines_[line].rfind("{$I", 0) == 0;
  }
  PendingHints* pendingHints() override { return kind_ == Kind::Unit ? nullptr : &pending; }
  ReportedLineSet* reportedLines() override { return kind_ == Kind::Unit ? &reported : nullptr; }

  PendingHints pending;
  ReportedLineSet reported;

 private:
  Kind kind_;
  std::vector<int> lineMap_;
  std::vector<std::string> scanLines_;
};

class AddResultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context = test::makeContext(home, &prompter, &observer);
    project = std::make_unique<TProject>(*context);
    project->CurrentFile = "/src/Unit1.pas";
  }
  std::vector<std::string> output() const { return project->report().OutputLines; }

  test::TempFolder home;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
};

TEST_F(AddResultTest, DisabledHintKindsAreDroppedExceptTheUnusedVariable) {
  context->settings.HintEnabled.fill(false);
  AddResult(*project, 17, 1, "Use SinCos instead", nullptr, false, std::vector<std::string>{"x"});
  AddResult(*project, 36, 2, "Variable declared but never used", nullptr);
  AddResult(*project, 101, 3, "Object was created but not freed", nullptr);
  EXPECT_EQ(output(),
            (std::vector<std::string>{"\"Unit1.pas\"(3):[Hint] Variable declared but never used",
                                      "\"Unit1.pas\"(4):[Warn] Object was created but not freed"}));
}

TEST_F(AddResultTest, RoutineResultIsMappedThroughTheLineMapPlusOne) {
  FakeOwner routine(ResultOwner::Kind::Routine, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 41});
  AddResult(*project, 17, 10, "Use SinCos instead", &routine);
  FlushPendingHints(*project, routine.pending);
  ASSERT_EQ(project->report().Results.size(), 1u);
  EXPECT_EQ(project->report().Results[0]->Line, 42);
  EXPECT_EQ(output()[0], "\"Unit1.pas\"(42):[Hint] Use SinCos instead");
}

TEST_F(AddResultTest, WebResultKeepsItsLineAndHasNoLineField) {
  project->CurrentFile = "/site/page.htm";
  AddResult(*project, 237, 42, "No alternative description for image", nullptr);
  EXPECT_EQ(output()[0], "\"page.htm\"(42):[Hint] No alternative description for image");
}

TEST_F(AddResultTest, OnlyTheFirstResultOnALineIsKept) {
  FakeOwner routine(ResultOwner::Kind::Routine, {5, 6});
  AddResult(*project, 17, 0, "first", &routine, false, std::vector<std::string>{"a"});
  AddResult(*project, 28, 0, "second", &routine, false, std::vector<std::string>{"b"});
  AddResult(*project, 28, 1, "other line", &routine);
  FlushPendingHints(*project, routine.pending);
  EXPECT_EQ(output(), (std::vector<std::string>{"\"Unit1.pas\"(6):[Hint] first",
                                                "\"Unit1.pas\"(7):[Hint] other line"}));
  EXPECT_EQ(*project->report().Results[0]->Suggestions, std::vector<std::string>{"a"});
}

TEST_F(AddResultTest, UnitResultsUseTheUnitsOwnLineSet) {
  FakeOwner unit(ResultOwner::Kind::Unit, {0, 1, 2});
  FakeOwner routine(ResultOwner::Kind::Routine, {0, 1, 2});
  AddResult(*project, 36, 2, "Variable declared but never used", &unit);
  AddResult(*project, 36, 2, "again", &unit);
  AddResult(*project, 17, 2, "routine result on the same line", &routine);
  FlushPendingHints(*project, routine.pending);
  EXPECT_EQ(output(),
            (std::vector<std::string>{"\"Unit1.pas\"(3):[Hint] Variable declared but never used",
                                      "\"Unit1.pas\"(3):[Hint] routine result on the same line"}));
}

TEST_F(AddResultTest, SpellingAndSearchRunsFilterNothingAndDisplayNothing) {
  project->SpellMode = true;
  AddResult(*project, 101, 3, "one", nullptr);
  AddResult(*project, 101, 3, "two", nullptr);
  EXPECT_TRUE(output().empty());
  ASSERT_EQ(project->report().Results.size(), 2u);
  EXPECT_EQ(project->report().Results[1]->OutputIndex, -1);
}

TEST_F(AddResultTest, PendingResultsAreReleasedByCountThenLineThenTag) {
  FakeOwner routine(ResultOwner::Kind::Routine, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  // Each on its own line of the shared set, reported out of order.
  AddResult(*project, 101, 9, "warning late", &routine);
  AddResult(*project, 17, 8, "two lines", &routine, false, std::vector<std::string>{"x"}, 2);
  AddResult(*project, 17, 1, "twelve lines", &routine, false, std::vector<std::string>{"y"}, 12);
  AddResult(*project, 28, 7, "hint late", &routine);
  AddResult(*project, 28, 2, "hint early", &routine);
  FlushPendingHints(*project, routine.pending);
  EXPECT_TRUE(routine.pending.empty());
  EXPECT_EQ(output(),
            (std::vector<std::string>{
                "\"Unit1.pas\"(3):[Hint] hint early", "\"Unit1.pas\"(8):[Hint] hint late",
                "\"Unit1.pas\"(10):[Warn] warning late", "\"Unit1.pas\"(2):[Hint] twelve lines",
                "\"Unit1.pas\"(9):[Hint] two lines"}));
  const auto& results = project->report().Results;
  EXPECT_EQ(results[3]->LineCount, 12);
  EXPECT_EQ(results[3]->Line, 2);
  EXPECT_EQ(results[4]->LineCount, 2);
  EXPECT_EQ(results[4]->Kind, 17);
}

TEST(PendingKeyTest, SplitsWhatMakePendingKeyJoined) {
  struct Case {
    int lineCount;
    std::string lineField;
    int line;
  };
  for (const Case& c : {Case{1, "0000000123", 123}, Case{12, "0000000007", 7}, Case{1, "", -1}}) {
    const auto parts =
        splitPendingKey(makePendingKey(c.lineCount, c.lineField, "):[Hint] A|B", 17));
    EXPECT_EQ(parts.lineCount, c.lineCount);
    EXPECT_EQ(parts.line, c.line);
    EXPECT_EQ(parts.text, "):[Hint] A|B");
    EXPECT_EQ(parts.kind, 17);
  }
}

TEST_F(AddResultTest, IncludeDirectiveLinesLoseTheirSuggestions) {
  FakeOwner routine(ResultOwner::Kind::Routine, {0, 0}, {"{$IDEFS.INC}", "X:=1;"});
  AddResult(*project, 17, 0, "on include", &routine, false, std::vector<std::string>{"a"});
  AddResult(*project, 28, 1, "on code", &routine, false, std::vector<std::string>{"b"});
  FlushPendingHints(*project, routine.pending);
  // Both map to file line 0: the second is a repeat of the line and dropped.
  ASSERT_EQ(project->report().Results.size(), 1u);
  EXPECT_FALSE(project->report().Results[0]->Suggestions.has_value());
}

TEST_F(AddResultTest, SpanDefaults) {
  AddResult(*project, 101, 11, "span to column 7", nullptr, false, {}, 1, {3, 7, 0});
  AddResult(*project, 102, 20, "no span", nullptr);
  const auto& results = project->report().Results;
  EXPECT_EQ(results[0]->StartCol, 3);
  EXPECT_EQ(results[0]->EndLine, 12);
  EXPECT_EQ(results[0]->EndCol, 7);
  EXPECT_EQ(results[1]->EndLine, 21);
  EXPECT_EQ(results[1]->EndCol, 0);
}

TEST_F(AddResultTest, TagsFollowTheModeAndTheVariant) {
  project->NamingMode = true;
  AddResult(*project, 300, 1, "Button1 -> btnOk", nullptr);
  project->NamingMode = false;
  context->settings.UseIfDefs = true;
  project->VariantCounter = 3;
  AddResult(*project, 101, 2, "Object was created but not freed", nullptr);
  EXPECT_EQ(output(),
            (std::vector<std::string>{"\"Unit1.pas\"(2):Button1 -> btnOk",
                                      "\"Unit1.pas\"(3):[Warn] Under specific defines, Object was "
                                      "created but not freed"}));
}

}  // namespace
}  // namespace sorvik
