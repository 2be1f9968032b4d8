// Pages whose reading once lost or garbled what they hold: the last tag of a file, the
// markup after an apostrophe in a comment, unquoted values with dots or slashes,
// attributes on the lines after the tag name, boolean attributes, closing tags with a
// blank before ">", and a style sheet written on one line.
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "web/colour_names.h"
#include "web/style_sheet.h"

namespace sorvik {
namespace {

using test::describeObjects;
using test::pageOf;

using Attributes = std::vector<std::pair<std::string, std::string>>;

Attributes attributesOf(const TAspxForm& page, size_t index) {
  Attributes pairs;
  for (const TAspxAttribute& attribute :
       dynamic_cast<const TAspxObj&>(*page.Objects.at(index).Object).Attributes)
    pairs.emplace_back(attribute.Name, attribute.Value);
  return pairs;
}

TEST(MendedFaults, TagThatEndsTheFileIsKept) {
  EXPECT_EQ(
      describeObjects(pageOf("<html><p>Hi</html>")),
      (std::vector<std::string>{"HTML 1036 html", "HTML 1056 p", "Text 0 Hi", "Closing 1036"}));
  EXPECT_EQ(describeObjects(pageOf("<br>")), std::vector<std::string>{"HTML 1009 br"});
}

TEST(MendedFaults, CommentEndsAtItsCloseWhateverQuotesItHolds) {
  EXPECT_EQ(
      describeObjects(pageOf("<!-- don't --><b>x</b>\r\n<i>it's</i>\r\n")),
      (std::vector<std::string>{"Comment !-- don't --", "HTML 1003 b", "Text 0 x", "Closing 1003",
                                "HTML 1037 i", "Text 0 it's", "Closing 1037"}));
  // Markup inside a comment is the comment's text.
  EXPECT_EQ(describeObjects(pageOf("<!-- <a href=\"x\">old</a> > -->y<!---->z<!-->w")),
            (std::vector<std::string>{"Comment !-- <a href=\"x\">old</a> > --", "Text 0 y",
                                      "Comment !----", "Text 0 z", "Comment !--", "Text 0 w"}));
}

TEST(MendedFaults, UnquotedValueRunsToABlank) {
  const TAspxForm page = pageOf(
      "<img src=logo.gif width=50%><a href=../docs/index.htm#top title=Docs>"
      "<asp:Image ImageUrl=~/img/a.png runat=server/>\n");
  EXPECT_EQ(attributesOf(page, 0), (Attributes{{"src", "logo.gif"}, {"width", "50%"}}));
  EXPECT_EQ(attributesOf(page, 1),
            (Attributes{{"href", "../docs/index.htm#top"}, {"title", "Docs"}}));
  EXPECT_EQ(attributesOf(page, 2), (Attributes{{"ImageUrl", "~/img/a.png"}, {"runat", "server"}}));
}

TEST(MendedFaults, AttributesOnTheLinesAfterTheTagNameAreRead) {
  const TAspxForm page = pageOf(
      "<img\r\n  src=\"a.gif\"\r\n  alt=x>"
      "<asp:TextBox\r\n id=Name runat=server />\n");
  EXPECT_EQ(dynamic_cast<const TAspxObj&>(*page.Objects[0].Object).TagName, "img");
  EXPECT_EQ(attributesOf(page, 0), (Attributes{{"src", "\"a.gif\""}, {"alt", "x"}}));
  EXPECT_EQ(describeObjects(page)[1], "Control 202 asp:TextBox| id=Name runat=server /");
  EXPECT_EQ(attributesOf(page, 1), (Attributes{{"id", "Name"}, {"runat", "server"}}));
}

TEST(MendedFaults, NameWithoutValueIsDroppedNotJoinedToTheNext) {
  const TAspxForm page = pageOf("<input type=checkbox checked name=agree disabled>\n");
  EXPECT_EQ(attributesOf(page, 0), (Attributes{{"type", "checkbox"}, {"name", "agree"}}));
}

TEST(MendedFaults, BlanksInsideDoubleQuotesAreKept) {
  const TAspxForm page = pageOf("<img src=\"my logo - 2.gif\" alt=\"Save , exit\">\n");
  EXPECT_EQ(attributesOf(page, 0),
            (Attributes{{"src", "\"my logo - 2.gif\""}, {"alt", "\"Save , exit\""}}));
}

TEST(MendedFaults, ClosingTagWithBlanksBeforeItsEndIsKnown) {
  EXPECT_EQ(describeObjects(pageOf("<td>x</td >\r\n</TR\r\n>\n")),
            (std::vector<std::string>{"HTML 1071 td", "Text 0 x", "Closing 1071", "Closing 1077"}));
}

TEST(MendedFaults, ColourNamesAreSpelledAsBrowsersKnowThem) {
  for (const char* name : {"palegoldenrod", "lightgray", "lightgrey", "grey", "darkslategrey",
                           "dimgrey", "slategrey", "lightslategrey", "darkgrey"})
    EXPECT_TRUE(IsColourName(name)) << name;
  EXPECT_FALSE(IsColourName("palgoldenrod"));
}

TEST(MendedFaults, DeclarationBlockEndsTheSelectorsBeforeIt) {
  EXPECT_EQ(styleSheetSelectors("/* c */ .a, .b { color: red } p.x {}"),
            (std::vector<std::string>{"a", "b", "p.x"}));
}

}  // namespace
}  // namespace sorvik
