// The comment header box: the styles, the width choices, the alignments, the borders
// brought to the width, and the answers filled into the placeholders.
#include "changes/comment_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

TCommentBox style(std::string_view name, CommentLanguage language = CommentLanguage::Delphi) {
  std::optional<TCommentBox> box = BuildCommentStyle(name, language);
  EXPECT_TRUE(box) << name;
  return box.value_or(TCommentBox{});
}

// A small box whose parts the cases below can count.
TCommentBox smallBox() {
  TCommentBox box;
  box.TopBorder = "{ ****** }";
  box.BottomBorder = "{ ****** }";
  box.LeftEdge = "{ ";
  box.RightEdge = " }";
  box.AddLine("abc");
  return box;
}

TEST(CommentBoxTest, BorlandStyleDrawnLeftAtTheDefaultWidth) {
  TCommentBox box = style("Borland style");
  const Lines lines = Render(box, {}, nullptr);
  const std::string border = "{ " + std::string(76, '*') + " }";
  const std::string blank = "{ " + std::string(76, ' ') + " }";
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], border);
  EXPECT_EQ(lines[1], blank);
  EXPECT_EQ(lines[2], "{ <Project Name>" + std::string(62, ' ') + " }");
  EXPECT_EQ(lines[3], blank);
  EXPECT_EQ(lines[4], "{ Copyright (c) <Year> <Company>" + std::string(46, ' ') + " }");
  EXPECT_EQ(lines[7], border);
  EXPECT_EQ(box.Width, 80);
}

// Each style in each language: its questions, and a box whose every line but the
// over-long ones is exactly as wide as the box.
TEST(CommentBoxTest, EveryStyleBuildsForBothLanguages) {
  const std::pair<std::string_view, Lines> questions[] = {
      {"Borland style", {"Project Name", "Year", "Company"}},
      {"Mozilla Public License 1", {"Date Released"}},
      {"Mozilla Public License 2", {"Company", "Product", "Year"}},
      {"JavaDoc style", {"Author", "Version"}}};
  for (const auto& [name, asked] : questions) {
    for (const CommentLanguage language : {CommentLanguage::Delphi, CommentLanguage::Cpp}) {
      TCommentBox box = style(name, language);
      EXPECT_EQ(box.Questions, asked) << name;
      EXPECT_LE(neededWidth(box), 80) << name;
      const Lines lines = Render(box, {}, nullptr);
      for (size_t i = 1; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), 80u) << name << " line " << i << ": " << lines[i];
    }
  }
  EXPECT_EQ(style("Mozilla Public License 1").Lines.size(), 20u);
  EXPECT_EQ(style("Mozilla Public License 2").Lines.size(), 20u);
  EXPECT_FALSE(BuildCommentStyle("Blank / Custom", CommentLanguage::Delphi));
  EXPECT_FALSE(BuildCommentStyle("borland style", CommentLanguage::Delphi));
}

TEST(CommentBoxTest, BordersOfEachLanguage) {
  struct Borders {
    std::string_view style;
    CommentLanguage language;
    std::string top, bottom;
  };
  const Borders cases[] = {
      {"Borland style", CommentLanguage::Cpp, "/" + std::string(78, '*') + "/",
       "/" + std::string(78, '*') + "/"},
      {"Mozilla Public License 1", CommentLanguage::Delphi, "{" + std::string(79, '-'),
       std::string(79, '-') + "}"},
      {"Mozilla Public License 1", CommentLanguage::Cpp, "/*" + std::string(78, '-'),
       std::string(78, '-') + "*/"},
      {"Mozilla Public License 2", CommentLanguage::Cpp, "/* ***** BEGIN LICENSE BLOCK *****",
       " * *****  END LICENSE BLOCK  *****/"},
      {"JavaDoc style", CommentLanguage::Delphi, "(**", " *)"},
      {"JavaDoc style", CommentLanguage::Cpp, "/**", " */"}};
  for (const Borders& borders : cases) {
    TCommentBox box = style(borders.style, borders.language);
    const Lines lines = Render(box, {}, nullptr);
    EXPECT_EQ(lines.front(), borders.top) << borders.style;
    EXPECT_EQ(lines.back(), borders.bottom) << borders.style;
  }
}

TEST(CommentBoxTest, WidthChoices) {
  struct WidthCase {
    BoxWidth width;
    int position;
    int expected;
  };
  // Borland style needs 2 + 30 + 2 columns for its notice line.
  const WidthCase cases[] = {{BoxWidth::Default, 20, 80},
                             {BoxWidth::Reduced, 80, 34},
                             {BoxWidth::Specific, 50, 50},
                             {BoxWidth::Specific, 20, 34},
                             {BoxWidth::Specific, 99, 80}};
  for (const WidthCase& widthCase : cases) {
    TCommentBox box = style("Borland style");
    const Lines lines =
        Render(box, {TextAlignment::Left, widthCase.width, widthCase.position}, nullptr);
    EXPECT_EQ(box.Width, widthCase.expected) << widthCase.position;
    EXPECT_EQ(lines.front().size(), static_cast<size_t>(widthCase.expected));
  }
  TCommentBox box = style("Borland style");
  EXPECT_EQ(specificWidthCaption(neededWidth(box)), "Specific (between 34 and 80)");
  EXPECT_EQ(widthCaption(34), "Width (currently 34)");
  // Borders that are not stretched count towards the width, and no box is narrower than 15.
  EXPECT_EQ(neededWidth(style("Mozilla Public License 2")), 80);
  TCommentBox tiny;
  tiny.AddLine("x");
  EXPECT_EQ(neededWidth(tiny), 15);
}

TEST(CommentBoxTest, Alignments) {
  struct AlignCase {
    TextAlignment alignment;
    std::string text;
    std::string expected;
  };
  const AlignCase cases[] = {{TextAlignment::Left, "abc", "{ abc" + std::string(13, ' ') + " }"},
                             // Centred: the text starts after 20 / 2 - 3 / 2 = 9 characters.
                             {TextAlignment::Centered, "abc",
                              "{" + std::string(8, ' ') + "abc" + std::string(6, ' ') + " }"},
                             {TextAlignment::Right, "abc", "{" + std::string(14, ' ') + "abc }"},
                             // An answer too long for the box runs past the right margin.
                             {TextAlignment::Left, "<Q>", "{ " + std::string(20, 'x') + " }"},
                             {TextAlignment::Centered, "<Q>", "{ " + std::string(20, 'x') + " }"},
                             {TextAlignment::Right, "<Q>", "{ " + std::string(20, 'x') + " }"}};
  const CommentAnswers answers{{"Q"}, {std::string(20, 'x')}};
  for (const AlignCase& align : cases) {
    TCommentBox box = smallBox();
    box.Lines = {align.text};
    const Lines lines = Render(box, {align.alignment, BoxWidth::Specific, 20}, &answers);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], align.expected) << align.text;
  }
}

TEST(CommentBoxTest, BordersStretchAndShrinkAtTheirFifthCharacter) {
  TCommentBox box = smallBox();
  box.TopBorder = "{ *#* }";
  box.BottomBorder = "(***)";  // five characters: left as it is
  box.Lines = {"<TOPBORDER>", "", "<BOTTOMBORDER>"};
  Lines lines = Render(box, {TextAlignment::Left, BoxWidth::Specific, 20}, nullptr);
  EXPECT_EQ(lines,
            (Lines{"{ *#" + std::string(14, '*') + " }", "{ *#" + std::string(14, '*') + " }",
                   "{ " + std::string(16, ' ') + " }", "(***)", "(***)"}));
  box.TopBorder = "{ *#" + std::string(40, '=') + " }";
  lines = Render(box, {TextAlignment::Left, BoxWidth::Specific, 20}, nullptr);
  EXPECT_EQ(lines.front(), "{ *#" + std::string(14, '=') + " }");
  box.StretchBorders = false;
  box.TopBorder = "{ *# }";
  EXPECT_EQ(Render(box, {}, nullptr).front(), "{ *# }");
}

TEST(CommentBoxTest, AnswersFillTheirPlaceholdersOnly) {
  const CommentAnswers answers{{"Project Name", "Year", "Date Released"},
                               {"Shop", "2024", "5/1/2024"}};
  EXPECT_EQ(FillAnswers("<Project Name> (<project NAME>) <Year>", answers), "Shop (Shop) 2024");
  EXPECT_EQ(FillAnswers("The Original Code is: <Filename>, released <Date Released>.", answers),
            "The Original Code is: <Filename>, released 5/1/2024.");
  // An answer that holds its own placeholder is not filled again.
  EXPECT_EQ(FillAnswers("<Year>", {{"Year"}, {"<Year><Year>"}}), "<Year><Year>");
  EXPECT_EQ(FillAnswers("<Year>", {{"Year"}, {}}), "<Year>");

  TCommentBox box = style("Borland style");
  box.Lines = {"<Project Name>"};
  const Lines lines = Render(box, {TextAlignment::Left, BoxWidth::Reduced, 0}, &answers);
  EXPECT_EQ(lines[2], "{ Shop" + std::string(10, ' ') + " }");
}

TEST(CommentBoxTest, QuestionsStartWithTheirInitialAnswers) {
  EXPECT_TRUE(isDateQuestion("Date Released"));
  EXPECT_FALSE(isDateQuestion("Dated"));
  EXPECT_EQ(initialAnswer("Year", 2031), "2031");
  EXPECT_EQ(initialAnswer("Company", 2031), "");
}

}  // namespace
}  // namespace sorvik
