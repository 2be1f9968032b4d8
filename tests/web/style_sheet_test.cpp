// Style sheets linked from a page and the selectors they define.
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "support/test_support.h"
#include "web/style_sheet.h"

namespace sorvik {
namespace {

struct SelectorCase {
  std::string text;
  std::vector<std::string> selectors;
};

void PrintTo(const SelectorCase& c, std::ostream* out) {
  *out << c.text;
}

class SelectorTest : public ::testing::TestWithParam<SelectorCase> {};

TEST_P(SelectorTest, SheetTextGivesItsSelectors) {
  EXPECT_EQ(styleSheetSelectors(GetParam().text), GetParam().selectors);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SelectorTest,
    ::testing::Values(SelectorCase{".a\r\n{\r\n x: 1;\r\n}\r\n\r\n.b, .c\r\n{ }", {"a", "b", "c"}},
                      SelectorCase{"..double, #id, td .x { }", {".double", "#id", "td .x"}},
                      // A quote outside blocks hides a comment until the line ends.
                      SelectorCase{"'/* x */ .a {}\r\n.b {}", {"'/* x */ .a {}", "b"}},
                      SelectorCase{".open { x", {"open"}}, SelectorCase{"", {}},
                      SelectorCase{"/* only a comment", {}}));

TEST(StyleSheets, LinkedSheetsAreReadFromThePagesFolder) {
  const test::TempFolder folder;
  folder.write("css/site.css", test::readAll(test::testDataFolder() + "web/styles/site.css"));
  const std::string pagePath =
      folder.write("page.htm",
                   "<link rel=\"StyleSheet\" href=\"css\\site.css\">\r\n"
                   "<LINK rel=stylesheet href=css/site.css>\r\n"  // "link" only in lower case
                   "<link rel=icon href=favicon.ico>\r\n"
                   "<link rel='stylesheet' href='missing.css'>\r\n"
                   "<link rel=stylesheet>\r\n");
  TAspxForm page(pagePath);
  std::vector<std::string> checked;
  const std::vector<TAspxStyleSheet> sheets =
      page.GetStyleSheets([&checked](const std::string& name, TAspxObj& link) {
        checked.push_back(name + " at line " + std::to_string(link.StartLine));
      });
  EXPECT_EQ(checked,
            (std::vector<std::string>{"css\\site.css at line 1", "missing.css at line 4"}));
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[0].FileName, "css\\site.css");
  EXPECT_EQ(sheets[0].Lines.size(), 11u);
  EXPECT_EQ(sheets[0].Selectors,
            (std::vector<std::string>{"body", "page", "warn", "p.note", "h1", "h2"}));
  EXPECT_EQ(sheets[1].FileName, "missing.css");
  EXPECT_TRUE(sheets[1].Text.empty());
  EXPECT_TRUE(sheets[1].Selectors.empty());
}

}  // namespace
}  // namespace sorvik
