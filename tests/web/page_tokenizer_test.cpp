// The tokenizer: which objects a page's text reads into, where they stand, and the
// script elements it passes over.
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "web/html_tags.h"

namespace sorvik {
namespace {

using test::describeObjects;
using test::pageOf;

struct TokenCase {
  std::string page;
  std::vector<std::string> objects;
};

void PrintTo(const TokenCase& c, std::ostream* out) {
  *out << c.page;
}

class TokenizerTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenizerTest, PageReadsIntoObjects) {
  EXPECT_EQ(describeObjects(pageOf(GetParam().page)), GetParam().objects);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, TokenizerTest,
    ::testing::Values(TokenCase{"<p>Hello</p>\n", {"HTML 1056 p", "Text 0 Hello", "Closing 1056"}},
                      TokenCase{"<P>x", {"HTML 1056 P", "Text 0 x"}},
                      TokenCase{"<h1 class=x>", {"HTML 1028 h1 class=x"}},
                      TokenCase{"<Custom>x</Custom>\n",
                                {"Unknown 212 Custom", "Text 0 x", "Unknown 212 /Custom"}},
                      // An input type is no tag of its own.
                      TokenCase{"<checkbox>\n", {"Unknown 212 checkbox"}},
                      TokenCase{"<asp:Foo>\n", {"Control -1 asp:Foo"}},
                      TokenCase{"<borland:DBWebGrid>\n", {"Control 1206 borland:DBWebGrid"}},
                      TokenCase{"<borland:Label>\n", {"Control 201 borland:Label"}},
                      TokenCase{"<borland:DBWebFoo>\n", {"Control 0 borland:DBWebFoo"}},
                      TokenCase{"</asp:TextBox></borland:dbwebgrid></asp:Foo>\n",
                                {"Closing 202", "Closing 1206", "Closing -1"}},
                      TokenCase{"<%@ Page Language=\"C#\" %>\n",
                                {"Compiler 299 %@ Page Language=\"C#\" %"}},
                      TokenCase{"<% x = 1 %>\n", {"Unknown 212 % x = 1 %"}},
                      TokenCase{"<!DOCTYPE html><?xml version='1.0'?>\n",
                                {"Comment !DOCTYPE html", "Comment ?xml version='1.0'?"}}));

INSTANTIATE_TEST_SUITE_P(
    TextAndQuotes, TokenizerTest,
    ::testing::Values(
        TokenCase{"<b> \r\n\t <i>\n", {"HTML 1003 b", "HTML 1037 i"}},
        TokenCase{"a > b<br>\n", {"Text 0 a > b", "HTML 1009 br"}},
        TokenCase{"one\r\ntwo <b>\n", {"Text 0 one|two ", "HTML 1003 b"}},
        TokenCase{"a<>b<i>\n", {"Text 0 a", "Text 0 b", "HTML 1037 i"}},
        TokenCase{"<a title=\"x > y\">z", {"HTML 1000 a title=\"x > y\"", "Text 0 z"}},
        TokenCase{"<a title='say \"hi>\"'>z", {"HTML 1000 a title='say \"hi>\"'", "Text 0 z"}},
        TokenCase{"<a title=\"it's\">z", {"HTML 1000 a title=\"it's\"", "Text 0 z"}},
        // A "<" inside a tag starts it again; a tag that never ends is dropped.
        TokenCase{"<<<b>x", {"HTML 1003 b", "Text 0 x"}}, TokenCase{"x<a href", {"Text 0 x"}},
        TokenCase{"x<a href=\"y>z</a>\n", {"Text 0 x"}}, TokenCase{"x < y", {"Text 0 x "}}));

INSTANTIATE_TEST_SUITE_P(
    Scripts, TokenizerTest,
    ::testing::Values(
        TokenCase{"<script>if (a<b) x='</b>\"';</Script >after",
                  {"HTML 1062 script", "Closing 1062", "Text 0 after"}},
        TokenCase{"<SCRIPT language=javascript>\r\n<!--\r\nx();\r\n// -->\r\n< /script\r\n>",
                  {"HTML 1062 SCRIPT language=javascript", "Closing 1062"}},
        TokenCase{"<script>x<b>y</b>", {"HTML 1062 script"}},
        TokenCase{"<script src=a.js/><p>\n", {"HTML 1062 script src=a.js/"}}));

// Line and column of the first and last character: 1-based, the end column just after
// the ">"; text objects hold their line less 1 and start where their first character is,
// or at column 0 of the next line when they start with a line break.
TEST(TokenizerPositions, ObjectsKnowWhereTheyStandAndEnd) {
  const TAspxForm page = pageOf(
      "<html>\r\n"                             // 1
      "  <p class=\"a\r\nb\">Hi\r\n"           // 2, 3
      "there</p>\r\n"                          // 4
      "<script>\r\nx = 1;\r\n</script><br>");  // 5, 6, 7
  struct Place {
    int startLine, startCol, endLine, endCol;
  };
  const std::vector<Place> expected = {
      {1, 1, 1, 7},    // <html>
      {2, 3, 3, 4},    // <p class="a b">
      {2, 4, 3, 6},    // "Hi\r\nthere" (lines less 1)
      {4, 6, 4, 10},   // </p>
      {5, 1, 5, 9},    // <script>
      {7, 1, 7, 10},   // </script>
      {7, 10, 7, 14},  // <br>
  };
  ASSERT_EQ(page.Objects.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const TPageObject& object = *page.Objects[i].Object;
    SCOPED_TRACE(test::describe(object));
    EXPECT_EQ(object.StartLine, expected[i].startLine);
    EXPECT_EQ(object.StartCol, expected[i].startCol);
    EXPECT_EQ(object.EndLine, expected[i].endLine);
    EXPECT_EQ(object.EndCol, expected[i].endCol);
  }
  EXPECT_EQ(page.Objects[2].Text, "Hi\r\nthere");  // a text object's list string is its text
  EXPECT_EQ(page.Objects[0].Text, "");
}

TEST(TokenizerPositions, TextThatStartsWithALineBreakStartsOnTheNextLine) {
  const TAspxForm page = pageOf("<p>\r\n  Hello<br>");
  ASSERT_EQ(page.Objects.size(), 3u);
  const TPageObject& text = *page.Objects[1].Object;
  EXPECT_EQ(text.StartLine, 1);  // page line 2, less 1
  EXPECT_EQ(text.StartCol, 0);
  EXPECT_EQ(text.EndLine, 1);
  EXPECT_EQ(text.EndCol, 8);
}

TEST(TokenizerPositions, EveryLineEndCountsAsOneLine) {
  // Lines may end in LF or CR alone; the page holds them joined with CR LF.
  const TAspxForm page = pageOf("a\nb\rc\r\n<b>");
  EXPECT_EQ(page.Text, "a\r\nb\r\nc\r\n<b>");
  EXPECT_EQ(page.Lines, (std::vector<std::string>{"a", "b", "c", "<b>"}));
  EXPECT_EQ(page.Objects.back().Object->StartLine, 4);
}

struct ScriptCase {
  std::string body;
  std::string scriptText;
};

void PrintTo(const ScriptCase& c, std::ostream* out) {
  *out << c.body;
}

class ScriptTextTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptTextTest, BodyIsKeptWithoutCommentsAndHidingMarks) {
  const TAspxForm page = pageOf("<script>" + GetParam().body + "</script>\r\n");
  const auto& script = dynamic_cast<const TAspxObjHTML&>(*page.Objects.front().Object);
  EXPECT_EQ(script.ScriptText, GetParam().scriptText);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, ScriptTextTest,
    ::testing::Values(ScriptCase{"\r\n<!--\r\nalert('Hello');\r\n//-->\r\n", "alert('Hello');"},
                      ScriptCase{"x(); // note\r\n  y();  \r\n", "x();        \r\n  y();"},
                      ScriptCase{"alert('a // b'); /* one\r\ntwo */ z();",
                                 "alert('a // b');       \r\n       z();"},
                      ScriptCase{"alert('don''t'); /* x", "alert('don''t');     "},
                      ScriptCase{"\\\\ hidden\r\nshown", "shown"},
                      ScriptCase{"a(); <!-- b", "a(); <!-- b"}, ScriptCase{"  \r\n  ", ""}));

}  // namespace
}  // namespace sorvik
