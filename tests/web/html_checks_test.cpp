// Every HTML check on small pages: the findings with their lines and messages, and the
// replacement lines they offer.
#include <gtest/gtest.h>

#include "page_test_support.h"
#include "project/project.h"

namespace sorvik {
namespace {

using test::PageCase;
using test::PageCheckTest;

// A site with a 100 x 50 PNG, a 32 x 16 GIF, a 300 x 40 JPEG and a style sheet that
// defines "warn".
class HtmlCheckTest : public PageCheckTest, public ::testing::WithParamInterface<PageCase> {
 protected:
  void SetUp() override {
    site.write("logo.png", test::pngBytes(100, 50));
    site.write("anim.gif", test::gifBytes(32, 16, 1));
    site.write("photo.jpg", test::jpegBytes(300, 40));
    site.write("site.css", "/* site */\r\n.warn { color: red }\r\np.note {}\r\n");
  }
};

TEST_P(HtmlCheckTest, ReportsItsFindings) {
  expectFindings(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    ClosingTags, HtmlCheckTest,
    ::testing::Values(
        PageCase{"SwappedEndTagsReportOnceOnTheFirst",
                 "<b><i>x</b></i>\n",
                 {"1):[Hint] Incorrect order, swap </b> with </i>"},
                 {""}},
        PageCase{"EndTagOfAnElementThatDoesNotNest", "<ul><li>a</ul>\n</div>\n", {}, {}},
        PageCase{"EndTagOfAnotherElement",
                 "<b>\nx</i>\n",
                 {"2):[Hint] Next to be closed is <b>, not <i>"},
                 {""}},
        PageCase{"EndTagWithNothingOpen",
                 "<p>x\n</b>\n",
                 {"2):[Hint] Tag not expected to be closed : <b>) could not be found"},
                 {""}},
        // The outline and the closing order both look at it; one result per line.
        PageCase{"NeedlessEndTagAloneOnItsLine",
                 "<p>Line<br>\n  </br>  \nx</BR>y\n",
                 {"2):[Hint] Closing tag does not exist:</br>",
                  "3):[Hint] Closing tag does not exist:</br>"},
                 {"{Remove line}", "xy"}},
        PageCase{"EndTagOfAParagraphIsNoFinding", "<p>x</p>\n", {}, {}}));

INSTANTIATE_TEST_SUITE_P(
    Placement, HtmlCheckTest,
    ::testing::Values(
        PageCase{"HeadTagsOutsideTheHead",
                 "<title>t</title>\n<head><title>t</title><META name=x></head>\n"
                 "<body><script>var a = '<title>';</script><meta name=y>\n",
                 {"1):[Hint] A title tag should only be placed within the header (<Head>)",
                  "3):[Hint] A script tag should only be placed within the header (<Head>)"},
                 {"", ""}},
        PageCase{"TableCellsInTheirRow",
                 "<html><body><table><tr><td>x</td></tr></table>\n"
                 "<table><td>x</td></table>\n",
                 {"2):[Hint] HTML Tag should be contained within tag <tr>"},
                 {""}},
        PageCase{"ContainersByName",
                 "<div>\n<li>a\n<option>b\n<param name=x>\n<input name=q>\n"
                 "<form><input name=q></form>\n<object><param name=x></object>\n",
                 {"2):[Hint] HTML Tag should be contained within tag <DIR, MENU, OL or UL>",
                  "3):[Hint] HTML Tag should be contained within tag <select>",
                  "4):[Hint] HTML Tag should be contained within tag <Applet or Object>",
                  "5):[Hint] HTML Tag should be contained within tag <form>"},
                 {"", "", "", ""}},
        PageCase{"FormsAndLinksInTheirOwnKind",
                 "<body><A href=x>\n<A href=y>y</A></A>\n<form><div><FORM></FORM></div></form>\n",
                 {"2):[Hint] This HTML Tag <A> can not be embedded within another <A>",
                  "3):[Hint] This HTML Tag <FORM> can not be embedded within another <FORM>"},
                 {"", ""}}));

INSTANTIATE_TEST_SUITE_P(
    Characters, HtmlCheckTest,
    ::testing::Values(
        PageCase{"NumericReferenceWithANamedEntity",
                 "<p>caf&#233; or &#233;t&#233;</p>\n<p>&#65; &#0233; &#12345;</p>\n",
                 {"1):[Hint] Use &eacute; instead of &#233;"},
                 {"<p>caf&eacute; or &eacute;t&eacute;</p>"}},
        PageCase{"ReferenceOnALaterLineOfTheText",
                 "<p>one\ntwo &#8594; three\n</p>\n",
                 {"2):[Hint] Use &rarr; instead of &#8594;"},
                 {"two &rarr; three"}},
        PageCase{"ReferenceBeyondFiveLinesOfTheText",
                 "<p>1\n2\n3\n4\n5\n6 &#233;</p>\n",
                 {"1):[Hint] Use &eacute; instead of &#233;"},
                 {""}},
        PageCase{"AmpersandCodes",
                 "<p>Tom &amp; Jerry &eacute; &middot;</p>\n<p>&mpa; x</p>\n<p>&foo; y</p>\n"
                 "<p>a%26b&c</p>\n",
                 {"2):[Hint] Ampersand code '&mpa;' is invalid. It may be &amp; misspelt",
                  "3):[Hint] Ampersand code '&foo;' is not recognised and is invalid."},
                 {"<p>&amp; x</p>", ""}},
        PageCase{"OneAmpersandFindingPerText",
                 "<p>&mpa; and &pma; and &foo;</p>\n",
                 {"1):[Hint] Ampersand code '&mpa;' is invalid. It may be &amp; misspelt"},
                 {"<p>&amp; and &pma; and &foo;</p>"}},
        PageCase{"CodeTwiceInTheTextHasNoReplacement",
                 "<p>&cpoy; or &cpoy;</p>\n",
                 {"1):[Hint] Ampersand code '&cpoy;' is invalid. It may be &copy; misspelt"},
                 {""}}));

INSTANTIATE_TEST_SUITE_P(
    Images, HtmlCheckTest,
    ::testing::Values(
        PageCase{"WithoutSize",
                 "<img src=\"logo.png\" alt=\"\">\n",
                 {"1):[Hint] Width and height not specified (width=100 and  height=50)"},
                 {"<img width=\"100px\" height=\"50px\" src=\"logo.png\" alt=\"\">"}},
        PageCase{"WithoutOneOfItsSizes",
                 "<img src=anim.gif width=32 alt=x>\n<IMG src='photo.jpg' height=\"40\" alt=x>\n",
                 {"1):[Hint] Height not specified (height=16)",
                  "2):[Hint] Width not specified (width=300)"},
                 {"<img height=\"16px\" src=anim.gif width=32 alt=x>",
                  "<img width=\"300px\" src='photo.jpg' height=\"40\" alt=x>"}},
        PageCase{
            "OneSizeWrong",
            "<img src=logo.png width=100px height=\"60\" alt=x>\n"
            "<img src=logo.png width=10 height=50px alt=x>\n",
            {"1):[Hint] Height should be 50 (not 60)", "2):[Hint] Width should be 100 (not 10)"},
            {"<img src=logo.png width=100px height=\"50\" alt=x>",
             "<img src=logo.png width=100 height=50px alt=x>"}},
        PageCase{"BothSizesWrong",
                 "<img src=\"photo.jpg\" width=30 height=4 alt=x>\n",
                 {"1):[Hint] Width should be 300 (not 30) and height should be 40 (not 4)"},
                 {""}},
        PageCase{"PercentagesAndRightSizes",
                 "<img src=logo.png width=\"50%\" height=50 alt=x>\n"
                 "<img src=\"anim.gif\" width=\"32px\" height=\"16px\" alt=x>\n",
                 {},
                 {}},
        PageCase{"MissingImageFile",
                 "<img src=missing.gif alt=x>\n<img src=\"gone/pic.png\" alt=x>\n",
                 {"1):[Hint] Link to file could not be found",
                  "2):[Hint] Link to file could not be found"},
                 {"", ""}},
        PageCase{"WithoutAlternativeText",
                 "<img src=logo.png width=100 height=50>\n<p><img src=logo.png width=100 "
                 "height=50><img src=logo.png width=100 height=50></p>\n",
                 {"1):[Hint] Alternative description for image (alt) not specified. At least "
                  "use alt=\"\"",
                  "2):[Hint] Alternative description for image (alt) not specified. At least "
                  "use alt=\"\""},
                 {"<img alt=\"\" src=logo.png width=100 height=50>", ""}}));

INSTANTIATE_TEST_SUITE_P(
    Attributes, HtmlCheckTest,
    ::testing::Values(
        PageCase{"DuplicateKeywords",
                 "<head><meta Name=\"Keywords\" Content=\"a, b, A, c, b\">\n"
                 "<meta name=keywords content=\"x, y,, z,,\"></head>\n",
                 {"1):[Hint] Duplicate keywords :  a (x2), b (x2)"},
                 {""}},
        PageCase{"Colours",
                 "<body bgcolor=\"#FFCC00\" text=x>\n<table color=\" LightGray \" "
                 "bgcolor=redd>\n<font color=redd>x</font>\n<div bgcolor='Nope'>\n",
                 {"3):[Hint] The color \"redd\" was not recognised",
                  "4):[Hint] The color \"nope\" was not recognised"},
                 {"", ""}},
        PageCase{
            "DeprecatedTags",
            "<font size=2>x</font>\n<center>y</center>\n<center align=x>z</center>\n"
            "<applet code=x>\n<menu compact=1>\n",
            {"1):[Hint] Use style sheets instead of <font>",
             "3):[Hint] Use style sheets instead of <center>",
             "4):[Hint] Use <object> instead of <applet>", "5):[Hint] Use <ul> instead of <menu>"},
            {"", "", "", ""}},
        PageCase{"StyleSheetClasses",
                 "<head><link rel=\"StyleSheet\" href=\"site.css\"></head>\n"
                 "<p class=\"warn\">w</p>\n<p class=note>n</p>\n<p class=\"warn note\">b</p>\n",
                 {"3):[Hint] Style sheet class not found:note",
                  "4):[Hint] Style sheet class not found:warn note"},
                 {"", ""}},
        PageCase{"NoStyleSheetNoClassCheck", "<p class=\"anything\">x</p>\n", {}, {}}));

TEST_F(PageCheckTest, SwitchedOffKindsAreNotLookedFor) {
  for (int kind = 230; kind <= 248; ++kind) context->settings.WebHintEnabled[kind - 230] = false;
  context->settings.WebHintEnabled[248 - 230] = true;
  site.write("logo.png", test::pngBytes(100, 50));
  EXPECT_EQ(analyse("<title>x</title><b><i>y</b></i></br>\n<img src=logo.png>\n"
                    "<p>&mpa; &foo;</p>\n<font color=x>\n"),
            std::vector<std::string>{"\"page.htm\"(3):[Hint] Ampersand code '&foo;' is not "
                                     "recognised and is invalid."});
}

TEST_F(PageCheckTest, MissingStyleSheetIsReportedOnceAndUnknownTagsOncePerProject) {
  const std::string page =
      "<head><link rel=stylesheet href=\"main.css\"></head>\n<Custom a=1>\n<custom>\n";
  analyse(page, "one.htm");
  analyse(page, "two.htm");
  EXPECT_EQ(project->report().OutputLines,
            (std::vector<std::string>{"\"one.htm\"(1):[Hint] Link to file could not be found"}));
  EXPECT_EQ(project->UnrecognisedObjects,
            (std::vector<std::string>{"Web object or HTML not recognised: <Custom> (first found "
                                      "in \"" +
                                      site.path() + "one.htm\")"}));
  // The next run looks again.
  project->ResetProject();
  analyse(page, "two.htm");
  EXPECT_EQ(project->report().OutputLines.size(), 1u);
  EXPECT_EQ(project->UnrecognisedObjects.size(), 1u);
}

TEST_F(PageCheckTest, StyleSheetBesideTheProjectFileIsNoMissingLink) {
  site.write("main.css", ".a {}");
  // Its selectors are read from the page's folder only.
  EXPECT_EQ(analyse("<link rel=stylesheet href=main.css><p class=a>\n", "sub/page.htm"),
            std::vector<std::string>{"\"page.htm\"(1):[Hint] Style sheet class not found:a"});
}

}  // namespace
}  // namespace sorvik
