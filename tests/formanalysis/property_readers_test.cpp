// The property readers: quoting and character codes, continued values, string lists,
// the hint flags, fonts, numbers and the texts of collection items.
#include <gtest/gtest.h>

#include "form_test_support.h"
#include "formanalysis/decode_form_string.h"
#include "formanalysis/property_readers.h"

namespace sorvik {
namespace {

using test::FormTest;

struct DecodeCase {
  std::string written, read;
};

void PrintTo(const DecodeCase& c, std::ostream* out) {
  *out << c.written;
}

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, CodesOutsideQuotesBecomeCharacters) {
  EXPECT_EQ(DecodeFormString(GetParam().written), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Values, DecodeTest,
                         ::testing::Values(DecodeCase{"#169' 2008'", "\xA9 2008"},
                                           DecodeCase{"A#9B", "A#9B"}, DecodeCase{"It''s", "Its"},
                                           DecodeCase{"1+1", "11"}, DecodeCase{"a'+'b", "a+b"},
                                           DecodeCase{"x#13#10", "x\r\n"},
                                           DecodeCase{"#65'#66'", "A#66"}, DecodeCase{"#", "#"}));

TEST_F(FormTest, CaptionsKeepTheirCodesOtherValuesAreDecoded) {
  const auto form = read(
      "object Form1: TForm1\n"
      "  object Button1: TButton\n"
      "    Caption = 'Save'#13#10'All'\n"
      "    Hint = 'Save'#13#10'All'\n"
      "  end\n"
      "  object Label1: TLabel\n"
      "    Caption = 'Copyright'\n"
      "    FocusControl = Edit1\n"
      "    Hint = 'Line 1'#13#10#13#10#13#10'Line 2'\n"
      "  end\n"
      "end");
  const auto& button = object(*form, "Button1");
  EXPECT_EQ(button.text("Caption").Value, "Save'#13#10'All");
  EXPECT_EQ(button.visual()->Hint.Hint, "Save All");
  EXPECT_EQ(button.visual()->Hint.Line, 3);
  const auto& label = object(*form, "Label1");
  EXPECT_EQ(label.text("FocusControl").Value, "Edit1");
  EXPECT_EQ(label.visual()->Hint.Hint, "Line 1 Line 2");
}

TEST_F(FormTest, AValueContinuedOnTheNextLinesIsJoined) {
  const auto form = read(
      "object Form1: TForm1\n"
      "  Caption = \n"
      "    'Hello ' +\n"
      "    'World'\n"
      "  object Label1: TLabel\n"
      "    Caption = \n"
      "      'One' +\n"
      "      \"\" +\n"
      "      'Two' +\n"
      "    Width = 10\n"
      "  end\n"
      "end");
  const auto& caption = form->Objects[0].Object->text("Caption");
  EXPECT_EQ(caption.Value, "Hello World");
  EXPECT_EQ(caption.Line, 2);
  // The piece after the last " +" is not a string, so the value ends there.
  EXPECT_EQ(object(*form, "Label1").text("Caption").Value, "One Two");
}

TEST_F(FormTest, StringListsKeepTheirItemsAndTheLineTheyOpenOn) {
  const auto form = read(
      "object Form1: TForm1\n"
      "  object ListBox1: TListBox\n"
      "    Items.Strings = (\n"
      "      'One'\n"
      "      'Two')\n"
      "    MultiSelect = True\n"
      "  end\n"
      "  object ComboBox1: TComboBox\n"
      "    Items.Strings = (\n"
      "      ''\n"
      "      ' ')\n"
      "  end\n"
      "  object Memo1: TMemo\n"
      "  end\n"
      "end");
  const auto* items = object(*form, "ListBox1").strings("Items");
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(items->Line, 2);
  EXPECT_EQ(items->Items, (std::vector<std::string>{"One", "Two"}));
  EXPECT_TRUE(object(*form, "ListBox1").flag("MultiSelect").Value);
  const auto* blank = object(*form, "ComboBox1").strings("Items");
  ASSERT_NE(blank, nullptr);
  EXPECT_FALSE(blank->Items.has_value());
  EXPECT_EQ(object(*form, "Memo1").strings("Lines"), nullptr);
}

struct HintCase {
  std::vector<std::string> flagLines;
  bool showHint, parentShowHint;
};

void PrintTo(const HintCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(c.flagLines);
}

class HintFlagsTest : public FormTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(HintFlagsTest, ShowHintAndParentShowHintFollowTheOrderOfTheirLines) {
  std::string text = "object Form1: TForm1\n  object Button1: TButton\n    Hint = 'Tip'\n";
  for (const auto& line : GetParam().flagLines) text += "    " + line + "\n";
  const auto form = read(text + "  end\nend");
  const auto& hint = object(*form, "Button1").visual()->Hint;
  EXPECT_EQ(hint.ShowHint, GetParam().showHint);
  EXPECT_EQ(hint.ParentShowHint, GetParam().parentShowHint);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, HintFlagsTest,
    ::testing::Values(HintCase{{}, false, true}, HintCase{{"ShowHint = True"}, true, false},
                      HintCase{{"ParentShowHint = True", "ShowHint = True"}, true, true},
                      HintCase{{"ShowHint = True", "ParentShowHint = True"}, true, true},
                      HintCase{{"ShowHint = False"}, false, true},
                      HintCase{{"ParentShowHint = False"}, false, false},
                      HintCase{{"ShowHint = True  "}, false, true}));

TEST_F(FormTest, FlagsAreMatchedInTheirCaseNumbersMustConvert) {
  const auto form = read(
      "object Form1: TForm1\n"
      "  object Label1: TLabel\n"
      "    wordwrap = True\n"
      "    ShowAccelChar = False\n"
      "    Width = 12.5\n"
      "    Height = abc\n"
      "  end\n"
      "end");
  const auto& label = object(*form, "Label1");
  EXPECT_FALSE(label.flag("WordWrap").Value);
  EXPECT_EQ(label.flag("ShowAccelChar").Line, 3);
  EXPECT_FALSE(label.flag("ShowAccelChar").Value);
  const auto width = ReadFloatProperty(label, form->Lines, "Width", 0);
  EXPECT_EQ(width.Value, 12.5);
  EXPECT_EQ(width.Line, 4);
  const auto height = ReadFloatProperty(label, form->Lines, "Height", 7);
  EXPECT_EQ(height.Value, 7);
  EXPECT_EQ(height.Line, 0);
}

TEST_F(FormTest, FontPropertiesKeepTheLineTheyWereReadFrom) {
  const auto form = read(
      "object Form1: TForm1\n"
      "  Font.Charset = ANSI_CHARSET\n"
      "  Font.Color = clwindowtext\n"
      "  Font.Height = -13\n"
      "  Font.Name = 'Tahoma'\n"
      "  Font.Pitch = fpFixed\n"
      "  Font.Style = [fsBold, fsUnderline]\n"
      "  Font.Size = x\n"
      "  object Panel1: TPanel\n"
      "    Font.Size = 10\n"
      "  end\n"
      "end");
  const TFormFontProperty font = ReadFontProperty(*form->Objects[0].Object, form->Lines);
  EXPECT_EQ(font.Charset, "ANSI_CHARSET");
  EXPECT_EQ(font.CharsetLine, 1);
  EXPECT_EQ(font.Color, static_cast<int32_t>(0xFF000008));
  EXPECT_EQ(font.Height, -13);
  EXPECT_EQ(font.Name, "Tahoma");
  EXPECT_EQ(font.NameLine, 4);
  EXPECT_EQ(font.Pitch, "fpfixed");
  EXPECT_EQ(font.Style, 1 | 4);
  EXPECT_EQ(font.SizeLine, 0);  // the Size of the panel is not the form's
  const TFormFontProperty defaults = ReadFontProperty(object(*form, "Panel1"), form->Lines);
  EXPECT_EQ(defaults.Size, 10);
  EXPECT_EQ(defaults.Name, "MS Sans Serif");
  EXPECT_EQ(defaults.Height, -11);
}

TEST_F(FormTest, CollectionItemTextsAndNestedCaptions) {
  const auto form = read(
      "object Form1: TForm1\n"
      "  object StatusBar1: TStatusBar\n"
      "    Panels = <\n"
      "      item\n"
      "        Text = 'Ready'\n"
      "      end\n"
      "      item\n"
      "        Text = ''\n"
      "      end>\n"
      "  end\n"
      "  object ToolButton1: TToolButton\n"
      "    Style = tbsCheck\n"
      "    Style = tbsSeparator\n"
      "  end\n"
      "  object ActionManager1: TActionManager\n"
      "    ActionBars = <\n"
      "      item\n"
      "        Items = <\n"
      "          item\n"
      "            Caption = '&File'\n"
      "          end>\n"
      "      end>\n"
      "  end\n"
      "end");
  const auto* panels = object(*form, "StatusBar1").itemTexts("Panels.Text");
  ASSERT_NE(panels, nullptr);
  EXPECT_EQ(panels->Texts, std::vector<std::string>{"Ready"});
  EXPECT_EQ(panels->Lines, std::vector<int>{4});
  EXPECT_EQ(object(*form, "ToolButton1").text("Style").Value, "tbsSeparator");
  const auto* captions = object(*form, "ActionManager1").itemTexts("Items.Caption");
  ASSERT_NE(captions, nullptr);
  EXPECT_EQ(captions->Texts, std::vector<std::string>{"&File"});
  EXPECT_EQ(captions->Lines, std::vector<int>{19});
}

}  // namespace
}  // namespace sorvik
