// The page walk of a run in its modes: checks in a scan, the speller's hooks in a
// spelling run, the naming tag in a naming run; and what a page adds to the statistics.
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "web/page_analysis.h"
#include "web/page_objects.h"
#include "web/page_outline.h"
#include "web/web_statistics.h"

namespace sorvik {
namespace {

using test::PageCheckTest;

TEST_F(PageCheckTest, SpellingRunHandsTextAttributesAndJavaScriptToTheSpeller) {
  std::vector<std::string> spelled;
  auto& spelling = context->service<PageSpelling>();
  spelling.spellText = [&](TProject&, std::string_view text, int kind,
                           const std::vector<std::string>& lines, int line) {
    spelled.push_back(std::string(text) + " " + std::to_string(kind) + " @" + std::to_string(line) +
                      "/" + std::to_string(lines.size()));
  };
  spelling.spellScriptMessages = [&](TProject&, std::string_view text, int line,
                                     const std::vector<std::string>& lines) {
    spelled.push_back(std::string(text) + " @" + std::to_string(line) + "/" +
                      std::to_string(lines.size()));
  };
  project->SpellMode = true;
  const std::string page =
      "<b><i>x</b></i></br>\n<script language=\"JavaScript\">alert('Helo');</script>\n"
      "<script type=text/vbscript>MsgBox \"Hi\"</script>\n<script>alert('a');</script>\n"
      "<script type=\"text/javascript\">confirm('b');</script>\n";
  EXPECT_EQ(analyse(page), std::vector<std::string>{});
  EXPECT_TRUE(project->report().Results.empty());
  EXPECT_EQ(spelled,
            (std::vector<std::string>{"x 301 @0/5", "alert('Helo'); @1/5", "confirm('b'); @4/5"}));
  EXPECT_EQ(project->runData<PageOutlines>().Outlines.count(site.path() + "page.htm"), 1u);
}

TEST_F(PageCheckTest, NamingRunTagsPageFindingsWithoutHint) {
  project->NamingMode = true;
  EXPECT_EQ(analyse("<b><i>x</b></i>\n<title>t</title>\n"),
            (std::vector<std::string>{
                "\"page.htm\"(1):Incorrect order, swap </b> with </i>",
                "\"page.htm\"(2):A title tag should only be placed within the header (<Head>)"}));
}

TEST(WebStatistics, CountsTagsControlsDirectivesAndCommentsInFirstSeenOrder) {
  const TAspxForm page = test::pageOf(
      "<%@ Page Language=\"C#\" %>\n<!-- a --><asp:Label id=A runat=server/>\n"
      "<asp:Label id=B/><asp:Label id=C/><asp:Label id=D/><asp:Label id=E/>\n"
      "<!-- b --><p>text</p><Custom><asp:Unknown id=F/><borland:DBWebGrid id=G/>\n");
  TCounts counts;
  CountWebObjects(counts, page);
  EXPECT_EQ(counts.WebObjects, (std::vector<std::pair<int, int>>{
                                   {299, 1}, {300, 2}, {201, 5}, {1056, 1}, {-1, 1}, {1206, 1}}));
}

}  // namespace
}  // namespace sorvik
