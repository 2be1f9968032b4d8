// The outline of a page: nesting tags indent what follows them until their closing.
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "project/project.h"
#include "support/test_support.h"
#include "web/page_outline.h"

namespace sorvik {
namespace {

struct OutlineCase {
  std::string page;
  std::vector<std::string> outline;
};

void PrintTo(const OutlineCase& c, std::ostream* out) {
  *out << c.page;
}

class OutlineTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(OutlineTest, PageGivesItsOutline) {
  TAspxForm page = test::pageOf(GetParam().page);
  EXPECT_EQ(outlineTexts(page.Outline()), GetParam().outline);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, OutlineTest,
    ::testing::Values(
        // "html", "body", "td" and "p" do not nest; their closings show nothing.
        OutlineCase{"<html><body><table><tr><td>x</td></tr></table></body></html>\n",
                    {"1036", "1008", "  1069", "    1077", "    1071", "    /1077", "  /1069"}},
        // Comments and directives show; text and unknown tags do not.
        OutlineCase{"<%@ Page %><!-- c --><Custom>text</Custom>\n", {"299", "300"}},
        // Tags that never get a closing show nothing, nor does their needless closing.
        OutlineCase{"<div><br><img src=a><hr/></br></div>\n", {"1019"}},
        // An empty-element tag closes itself.
        OutlineCase{"<span/><asp:Label runat=server/><b>\n",
                    {"  1065", "  /1065", "  201", "  /201", "  1003"}},
        // Closings never take the indentation below 0.
        OutlineCase{"</b></i><u>\n", {"/1003", "/1037", "  1079"}},
        OutlineCase{"<script>x</script><asp:Foo></asp:Foo>\n",
                    {"  1062", "  /1062", "  -1", "  /-1"}}));

TEST(PageOutline, NeedlessClosingsAreHandedToTheirCheck) {
  TAspxForm page = test::pageOf("<p>a</p><br></BR></img><i></i>\n");
  std::vector<int> handed;
  EXPECT_EQ(outlineTexts(page.Outline(
                [&handed](TAspxObjClosing& closing) { handed.push_back(closing.Kind); })),
            (std::vector<std::string>{"1056", "  1037", "  /1037"}));
  EXPECT_EQ(handed, (std::vector<int>{1009, 1039}));  // "</p>" is no needless closing
}

TEST(PageOutline, ProjectKeepsTheOutlineOfEachPage) {
  const test::TempFolder home;
  test::ScriptedPrompter prompter;
  const auto context = test::makeContext(home, &prompter, nullptr);
  TProject project(*context);
  TAspxForm first("a.htm", splitText("<b>x</b>"));
  TAspxForm second("b.htm", splitText("<i>"));
  first.BuildOutline(project);
  second.BuildOutline(project);
  const auto& outlines = project.runData<PageOutlines>().Outlines;
  EXPECT_EQ(outlineTexts(outlines.at("a.htm")), (std::vector<std::string>{"  1003", "  /1003"}));
  EXPECT_EQ(outlineTexts(outlines.at("b.htm")), (std::vector<std::string>{"  1037"}));
  project.ResetProject();
  EXPECT_TRUE(project.runData<PageOutlines>().Outlines.empty());
}

}  // namespace
}  // namespace sorvik
