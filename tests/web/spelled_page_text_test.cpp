// What a spelling run reads of a page: the text outside scripts and the attributes a reader
// sees, each with its source kind and 0-based line; and page markup in strings of code.
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "web/character_entities.h"
#include "web/spelled_page_text.h"

namespace sorvik {
namespace {

class SpelledPageTest : public test::PageCheckTest {
 protected:
  std::vector<std::string> spelledPieces(const std::string& text);
};

std::vector<std::string> SpelledPageTest::spelledPieces(const std::string& text) {
  TAspxForm page = test::pageOf(text);
  std::vector<std::string> pieces;
  SpellPageObjects(*project, page,
                   [&](TProject&, std::string_view piece, int kind,
                       const std::vector<std::string>& lines, int line) {
                     EXPECT_EQ(&lines, &page.Lines);
                     pieces.push_back(std::to_string(kind) + "@" + std::to_string(line) + " " +
                                      std::string(piece));
                   });
  return pieces;
}

TEST_F(SpelledPageTest, TextOutsideScriptsAndTheAttributesAReaderSees) {
  const std::string page =
      "<html><title> Welcom &#233;t&#233; </title>\n"
      "<script>var s = 'not text';</script><p>Text</p>\n"
      "<img src=a.gif alt=\"Smal logo\"><img alt='Alternate text' alternatetext=Pictur>\n"
      "<meta name=\"Description\" content=\"A shopp\"><meta name=author content=\"Jon Smth\">\n"
      "<meta name=keywords content=Keywords><input type=SUBMIT value=Sendd>"
      "<input type=hidden value=secrt>\n"
      "<borland:DBWebGrid id=G Caption=Ordrs ToolTip=\"Tool Tip\"/>"
      "<asp:Label id=L runat=server ToolTip=Clik/>\n"
      "<div\n  ToolTip=\"Mor info\">&#99999999999;</div>\n";
  EXPECT_EQ(spelledPieces(page),
            (std::vector<std::string>{"301@0 Welcom \xE9t\xE9", "1039@2 Smal logo", "1039@2 Pictur",
                                      "1049@3 A shopp", "1040@4 Sendd", "1206@5 Ordrs",
                                      "201@5 Clik", "1019@6 Mor info", "301@7 &#99999999999;"}));
}

TEST_F(SpelledPageTest, AStrayScriptEndTagDoesNotHideTheTextAfterIt) {
  EXPECT_EQ(spelledPieces("<p>Befor</p><script>x</script></script><p>Aftr</p>"),
            (std::vector<std::string>{"301@0 Befor", "301@0 Aftr"}));
}

struct MarkupCase {
  std::string text;
  std::string stripped;
};

class StripPageMarkupTest : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(StripPageMarkupTest, KnownTagsGoAndReferencesAreDecoded) {
  EXPECT_EQ(StripPageMarkup(GetParam().text), GetParam().stripped);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, StripPageMarkupTest,
    ::testing::Values(MarkupCase{"<b>Bold</B> and <I>italic</i>", "Bold and italic"},
                      MarkupCase{"<b class=x>kept</b>", "<b class=x>kept"},
                      MarkupCase{"<custom>kept</custom>", "<custom>kept</custom>"},
                      MarkupCase{"a < b", "a < b"}, MarkupCase{"<<b>>", "<>"},
                      MarkupCase{"caf&#233; &amp; <br>", "caf\xE9 &amp; "},
                      MarkupCase{"&#65;&#;&#66", "A&#;&#66"}, MarkupCase{"</", "</"},
                      MarkupCase{"<input>", ""}, MarkupCase{"<text>", "<text>"}));

TEST(PageSourceName, TagsControlsAndOtherKinds) {
  EXPECT_EQ(PageSourceName(1039), "HTML:img");
  EXPECT_EQ(PageSourceName(1101), "HTML:text");
  EXPECT_EQ(PageSourceName(201), "Label");
  EXPECT_EQ(PageSourceName(1206), "BorlandDBWebGrid");
  for (const int kind : {-1, 0, 7, 299, 300, 301, 400, 1102}) EXPECT_EQ(PageSourceName(kind), "");
}

}  // namespace
}  // namespace sorvik
