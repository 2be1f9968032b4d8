// Finding a text inside a page object: the page line and column where it stands.
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "web/locate_in_object.h"

namespace sorvik {
namespace {

struct LocateCase {
  std::string text;
  bool found;
  int line, column;
};

void PrintTo(const LocateCase& c, std::ostream* out) {
  *out << c.text;
}

class LocateTest : public ::testing::TestWithParam<LocateCase> {};

// The tag starts at line 2, column 3; its attributes run over three lines.
TEST_P(LocateTest, TextIsFoundWhereItStandsInThePage) {
  const TAspxForm page = test::pageOf(
      "<html>\r\n"
      "  <img src=\"a.gif\"\r\n"
      "width=\"10\"\r\n"
      "\t HEIGHT=20>\r\n");
  const auto& tag = dynamic_cast<const TAspxObj&>(*page.Objects[1].Object);
  const PagePlace place = LocateInObject(tag, GetParam().text);
  EXPECT_EQ(place.found, GetParam().found);
  EXPECT_EQ(place.line, GetParam().line);
  EXPECT_EQ(place.column, GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LocateTest,
    ::testing::Values(LocateCase{"img", true, 2, 4}, LocateCase{"SRC=\"A", true, 2, 8},
                      LocateCase{"width=\"10", true, 3, 1}, LocateCase{"height=20", true, 4, 3},
                      LocateCase{"\"\r\nwidth", true, 2, 18}, LocateCase{"alt", false, 2, 3},
                      LocateCase{"height=200", false, 2, 3}));

TEST(LocateInText, RunsOfTextCountFromTheirFirstCharacter) {
  const TAspxForm page = test::pageOf("<p>Say\r\n  &amp x<br>\r\n<p>\r\nnext &c<br>");
  const auto& first = dynamic_cast<const TAspxObj&>(*page.Objects[1].Object);
  const PagePlace amp = LocateInObject(first, "&amp");
  EXPECT_TRUE(amp.found);
  EXPECT_EQ(amp.line, 2);
  EXPECT_EQ(amp.column, 3);
  // A text that starts with a line break.
  const auto& second = dynamic_cast<const TAspxObj&>(*page.Objects[4].Object);
  const PagePlace code = LocateInObject(second, "&c");
  EXPECT_EQ(code.line, 4);
  EXPECT_EQ(code.column, 6);
}

}  // namespace
}  // namespace sorvik
