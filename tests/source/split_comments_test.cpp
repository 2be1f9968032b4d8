#include "source/split_comments.h"

#include <gtest/gtest.h>

#include "source/comment_blanker.h"

namespace sorvik {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitCommentsTest, SeparatesCommentsFromCode) {
  const SplitText text =
      SplitComments({"X := 1; // one", "{$I x.inc} {$R+}(* three", "*)Y"}, false);
  EXPECT_EQ(text.code, "X := 1;       \r\n{$I x.inc}              \r\n  Y");
  EXPECT_EQ(text.comments, "        // one\r\n           {$R+}(* three\r\n*) ");
}

// The comment that opens first holds whatever another kind would open or close inside it.
TEST(SplitCommentsTest, FirstOpeningWins) {
  const SplitText text =
      SplitComments({"A; { see http://x.org }", "B; // { no brace", "(* } *)C;"}, false);
  EXPECT_EQ(text.code, "A;                     \r\nB;              \r\n       C;");
  EXPECT_EQ(text.comments, "   { see http://x.org }\r\n   // { no brace\r\n(* } *)  ");
}

TEST(SplitCommentsTest, KeepsConditionalDirectivesElseIncludedWithIfDefs) {
  const Lines lines = {"{$IFDEF A}X{$ELSE}Y{$ENDIF}{c}"};
  EXPECT_EQ(SplitComments(lines, true).code, "{$IFDEF A}X{$ELSE}Y{$ENDIF}   ");
  EXPECT_EQ(SplitComments(lines, false).code, "{$IFDEF A}X       Y           ");
}

TEST(SplitCommentsTest, TextHoldingEveryMarkerIsLeftWhole) {
  const Lines lines = {"\xA3$^`&~\xA6?! // c"};
  const SplitText text = SplitComments(lines, false);
  EXPECT_EQ(text.code, lines[0]);
  EXPECT_EQ(text.comments, std::string(lines[0].size(), ' '));
}

// With conditional compilation the blanker keeps "{$ELSE}" beside "{$IFDEF}" and "{$ENDIF}",
// so that the conditional handler sees the else branch; it is no comment.
TEST(SplitCommentsTest, BlankerKeepsElseWithIfDefs) {
  Lines lines = {"{$IFDEF DEBUG} A; {$ELSE} B; {$ENDIF}"};
  EXPECT_EQ(BlankPascalComments(lines, false, true), 0);
  EXPECT_EQ(lines[0], "{$IFDEF DEBUG} A; {$ELSE} B; {$ENDIF}");
}

}  // namespace
}  // namespace sorvik
