// The tables of the page model: tag kinds and groups, web controls and their names,
// character references.
#include <gtest/gtest.h>

#include "web/character_entities.h"
#include "web/html_tags.h"
#include "web/web_controls.h"

namespace sorvik {
namespace {

struct KindCase {
  std::string text;
  int htmlKind, aspKind, borlandKind;
};

void PrintTo(const KindCase& c, std::ostream* out) {
  *out << c.text;
}

class KindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(KindTest, NameGivesItsKindInEachTable) {
  EXPECT_EQ(HtmlTagKind(GetParam().text), GetParam().htmlKind);
  EXPECT_EQ(AspControlKind(GetParam().text), GetParam().aspKind);
  EXPECT_EQ(BorlandControlKind(GetParam().text), GetParam().borlandKind);
}

INSTANTIATE_TEST_SUITE_P(
    Names, KindTest,
    ::testing::Values(
        KindCase{"a", 1000, 0, 0}, KindCase{"DIR", 1090, 0, 0}, KindCase{"embed", 1091, 0, 0},
        // The input types are no tags, "button" only as position 10.
        KindCase{"button", 1010, 0, 0}, KindCase{"submit", 0, 0, 0}, KindCase{"p ", 0, 0, 0},
        KindCase{"", 0, 0, 0}, KindCase{"asp:TextBox", 0, 202, 0},
        KindCase{"ASP:SqlDataSource runat=server", 0, 235, 0},
        KindCase{"asp:BulletedList\r\nid=x", 0, 234, 0}, KindCase{"asp:", 0, -1, 0},
        KindCase{"asp:Foo", 0, -1, 0}, KindCase{"borland:DBWebWebCalendar", 0, 0, 1203},
        KindCase{"borland:dbwebcalendar", 0, 0, 1203},
        KindCase{"borland:DBWebTextBox id=x", 0, 0, 1216}, KindCase{"borland:DBWebFoo", 0, 0, 0},
        KindCase{"borland:Panel", 0, 0, 210}, KindCase{"borland:Foo", 0, 0, 0}));

TEST(TagGroups, NestingAndNeverClosedKindsAreTheTablesOnes) {
  for (const int kind : {0, 299, 300, 301, 1008, 1015, 1019, 1036, 1045, 1050, 1055, 1056, 1070,
                         1071, 1073, 1074, 1075})
    EXPECT_FALSE(kindNests(kind)) << kind;
  for (const int kind : {-1, 202, 212, 1000, 1009, 1062, 1069, 1077, 1216})
    EXPECT_TRUE(kindNests(kind)) << kind;
  for (const int kind : {1004, 1009, 1014, 1016, 1021, 1035, 1039, 1040, 1046, 1049, 1056, 1057})
    EXPECT_TRUE(neverClosed(kind)) << kind;
  for (const int kind : {0, 1000, 1019, 1062, 1071}) EXPECT_FALSE(neverClosed(kind)) << kind;
}

struct NameCase {
  int kind;
  std::string name, spacedName;
};

void PrintTo(const NameCase& c, std::ostream* out) {
  *out << c.kind;
}

class DisplayNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(DisplayNameTest, KindGivesItsNames) {
  EXPECT_EQ(webObjectName(GetParam().kind), GetParam().name);
  EXPECT_EQ(webObjectSpacedName(GetParam().kind), GetParam().spacedName);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DisplayNameTest,
    ::testing::Values(NameCase{201, "Label", "Label"}, NameCase{206, "ImageButton", "Image Button"},
                      NameCase{234, "Bulleted List", "Bulleted List"},
                      NameCase{235, "SQLDataSource", "SQLDataSource"},
                      NameCase{1203, "BorlandDBWebCalendar", "Borland DB Web Calendar"},
                      NameCase{1215, "BorlandDBWebRadioButton List",
                               "Borland DB Web Radio Button List"},
                      NameCase{299, "Compiler Directive", "Compiler Directive"},
                      NameCase{300, "Comment", "Comment"}, NameCase{1000, "a", "a"},
                      NameCase{1101, "text", "text"}, NameCase{212, "", ""}, NameCase{-1, "", ""},
                      NameCase{1102, "", ""}, NameCase{0, "", ""}));

TEST(CharacterReferences, CodesGiveTheirCharacterOrABlank) {
  EXPECT_EQ(CodeToChar(65), 'A');
  EXPECT_EQ(CodeToChar(233), '\xE9');
  EXPECT_EQ(CodeToChar(255), '\xFF');
  for (const int code : {-1, 0, 9, 31, 160, 256, 8364}) EXPECT_EQ(CodeToChar(code), ' ') << code;
}

struct EntityCase {
  int code;
  std::string entity;
};

void PrintTo(const EntityCase& c, std::ostream* out) {
  *out << c.code;
}

class EntityTest : public ::testing::TestWithParam<EntityCase> {};

TEST_P(EntityTest, CodeGivesItsNamedEntity) {
  EXPECT_EQ(CodeToEntity(GetParam().code), GetParam().entity);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EntityTest,
    ::testing::Values(EntityCase{128, "&euro;"}, EntityCase{129, ""}, EntityCase{159, "&Yuml;"},
                      // The Windows-1252 characters of 136, 137, 139 and 155.
                      EntityCase{136, "&circ;"}, EntityCase{137, "&permil;"},
                      EntityCase{139, "&lsaquo;"}, EntityCase{155, "&rsaquo;"},
                      EntityCase{160, "&nbsp;"}, EntityCase{215, "&times;"},
                      EntityCase{233, "&eacute;"}, EntityCase{255, "&yuml;"}, EntityCase{913, ""},
                      EntityCase{937, "&Omega;"}, EntityCase{945, "&alpha;"},
                      EntityCase{962, "&sigmaf;"}, EntityCase{969, "&omega;"},
                      EntityCase{982, "&piv;"}, EntityCase{8593, ""}, EntityCase{9002, "&rang;"},
                      EntityCase{65, ""}, EntityCase{-5, ""}, EntityCase{100000, ""}));

}  // namespace
}  // namespace sorvik
