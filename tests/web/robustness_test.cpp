// Pages of any bytes read into objects whose places lie inside the page, and every pass
// over them ends; large pathological pages show that no pass rescans what it has read
// (a pass that did would not finish on these).
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "web/locate_in_object.h"

namespace sorvik {
namespace {

using test::repeat;

std::string allBytes() {
  std::string bytes;
  for (int round = 0; round < 4; ++round)
    for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  return bytes;
}

// Reads the page and goes over it as the checks will: outline, style sheets, and a look
// for an attribute inside its tag.
void readAndWalk(const std::string& text) {
  TAspxForm page = test::pageOf(text);
  const int lastLine = static_cast<int>(page.Lines.size()) + 1;
  for (const PageObjectEntry& entry : page.Objects) {
    const TPageObject& object = *entry.Object;
    ASSERT_LE(object.StartLine, object.EndLine) << test::describe(object);
    ASSERT_GE(object.StartLine, 0);
    ASSERT_LE(object.EndLine, lastLine);
    const auto* tag = dynamic_cast<const TAspxObj*>(&object);
    if (tag && !tag->Attributes.empty()) {
      ASSERT_TRUE(LocateInObject(*tag, tag->Attributes.back().Name).found);
    }
  }
  page.Outline();
  page.GetStyleSheets();
}

struct BadPage {
  std::string name;
  std::string text;
};

void PrintTo(const BadPage& c, std::ostream* out) {
  *out << c.name;
}

class BadPageTest : public ::testing::TestWithParam<BadPage> {};

TEST_P(BadPageTest, ReadsWithoutFailing) {
  readAndWalk(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Small, BadPageTest,
    ::testing::Values(BadPage{"binary", allBytes()},
                      BadPage{"quotes", "<a b=\"'\"'\" c='\">x<p '\"<>'\"\r\n\"'"},
                      BadPage{"brackets", "<<>><<</>>/><!-><!--><?<%@>%>< >"},
                      BadPage{"truncated tag", "<p>text<a href='x"},
                      BadPage{"truncated closing", "<p>text</p"},
                      BadPage{"truncated script", "<script>if (a < b) { x(\"</scr"},
                      BadPage{"lone equals", "<p = == =x x= =\"\" '='>"}, BadPage{"empty", ""},
                      BadPage{"line breaks", "\r\n\n\r\r"}));

INSTANTIATE_TEST_SUITE_P(
    Large, BadPageTest,
    ::testing::Values(BadPage{"huge line", "<p class=" + std::string(2'000'000, 'x') + ">" +
                                               std::string(2'000'000, 'y')},
                      BadPage{"opening brackets", std::string(1'000'000, '<')},
                      BadPage{"tags never closed", repeat("<a ", 500'000)},
                      BadPage{"unclosed quote", "<a title=\"" + repeat("<b>x</b>\r\n", 200'000)},
                      BadPage{"unclosed comment", "<!--" + repeat("<b>'x'</b>", 200'000)},
                      BadPage{"unclosed script",
                              "<script>" + repeat("< /scrip <!-- ' \" >\r\n", 100'000)},
                      BadPage{"script closers", repeat("<script></script>", 200'000)},
                      BadPage{"many attributes", "<p " + repeat("a=b c ", 400'000) + ">"},
                      BadPage{"quoted values", "<p " + repeat("a='", 300'000) + ">"},
                      BadPage{"text and tags", repeat("x<>", 500'000)}));

TEST(LargePages, EveryObjectOfAManyTagPageIsRead) {
  const TAspxForm page = test::pageOf(repeat("<b>x</b>\r\n", 100'000));
  ASSERT_EQ(page.Objects.size(), 300'000u);
  EXPECT_EQ(page.Objects.back().Object->StartLine, 100'000);
}

}  // namespace
}  // namespace sorvik
