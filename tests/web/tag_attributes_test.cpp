// Tag names and attributes read from a tag's text.
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "web/tag_attributes.h"

namespace sorvik {
namespace {

struct AttributeCase {
  std::string text;
  std::string tagName;
  std::vector<std::pair<std::string, std::string>> attributes;
};

void PrintTo(const AttributeCase& c, std::ostream* out) {
  *out << c.text;
}

class AttributeTest : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(AttributeTest, TagTextGivesNameAndPairs) {
  const TagParts parts = readTag(GetParam().text);
  EXPECT_EQ(parts.name, GetParam().tagName);
  std::vector<std::pair<std::string, std::string>> attributes;
  for (const TAspxAttribute& attribute : parts.attributes)
    attributes.emplace_back(attribute.Name, attribute.Value);
  EXPECT_EQ(attributes, GetParam().attributes);
}

INSTANTIATE_TEST_SUITE_P(
    Written, AttributeTest,
    ::testing::Values(
        AttributeCase{"asp:TextBox id=Name runat=server/",
                      "asp:TextBox",
                      {{"id", "Name"}, {"runat", "server"}}},
        AttributeCase{"%@ Page Language=\"C#\" %", "%@Page", {{"Language", "\"C#\""}}},
        AttributeCase{
            "font  color = 'red'  SIZE=\"2\"", "font", {{"color", "'red'"}, {"SIZE", "\"2\""}}},
        AttributeCase{"a href=\"x\"title='y'", "a", {{"href", "\"x\""}, {"title", "'y'"}}},
        AttributeCase{
            "p title='it\"s' alt=\"it's\"", "p", {{"title", "'it\"s'"}, {"alt", "\"it's\""}}},
        AttributeCase{"br/", "br/", {}},
        AttributeCase{"img src=\"a.gif\" /", "img", {{"src", "\"a.gif\""}}},
        AttributeCase{"  p  class=x", "p", {{"class", "x"}}}));

INSTANTIATE_TEST_SUITE_P(
    Dropped, AttributeTest,
    ::testing::Values(AttributeCase{"p class=", "p", {}},
                      AttributeCase{
                          "p =x class=\"\" id=''", "p=x", {{"class", "\"\""}, {"id", "''"}}},
                      AttributeCase{"p title=\"\t\"", "p", {{"title", "\"\""}}},
                      AttributeCase{"p a=\"open to the end", "p", {{"a", "\"open to the end"}}}));

// Values as written: blanks inside quotes stay, characters below 32 go.
INSTANTIATE_TEST_SUITE_P(
    Values, AttributeTest,
    ::testing::Values(AttributeCase{"img alt=\"Save , exit\"", "img", {{"alt", "\"Save , exit\""}}},
                      AttributeCase{"p title=\"a\r\n  b\"", "p", {{"title", "\"a  b\""}}},
                      AttributeCase{"a href=x\"y\"", "a", {{"href", "x\"y\""}}},
                      AttributeCase{"a href=/", "a", {{"href", "/"}}}));

TEST(AttributeLookup, NamesAreFoundIgnoringCaseAndValuesLoseTheirQuotes) {
  const TAspxForm page = test::pageOf("<img SRC='a.gif' Width=10 width=20>\n");
  const auto& tag = dynamic_cast<const TAspxObj&>(*page.Objects.front().Object);
  EXPECT_EQ(tag.attribute("src"), "'a.gif'");
  EXPECT_EQ(tag.attribute("WIDTH"), "10");  // the first of that name
  EXPECT_EQ(tag.attribute("alt"), std::nullopt);
  EXPECT_EQ(withoutQuotes("'a.gif'"), "a.gif");
  EXPECT_EQ(withoutQuotes("\"x"), "x");
  EXPECT_EQ(withoutQuotes("\""), "");
  EXPECT_EQ(withoutQuotes("a\"b"), "a\"b");
}

TEST(AttributeLookup, TextsCommentsAndClosingsHaveNoAttributes) {
  const TAspxForm page = test::pageOf("<!-- a=b --><p a=b>x=y</p a=b>\n");
  ASSERT_EQ(page.Objects.size(), 4u);
  EXPECT_EQ(dynamic_cast<const TAspxObj&>(*page.Objects[1].Object).Attributes.size(), 1u);
  const auto& text = dynamic_cast<const TAspxObjText&>(*page.Objects[2].Object);
  EXPECT_TRUE(text.Attributes.empty());
  EXPECT_TRUE(text.TagName.empty());
  // "/p a=b" names no known tag: an unknown tag, which keeps its attributes.
  const auto& closing = dynamic_cast<const TAspxObjUnknown&>(*page.Objects[3].Object);
  EXPECT_EQ(closing.attribute("a"), "b");
}

}  // namespace
}  // namespace sorvik
