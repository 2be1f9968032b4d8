// Every form check: the finding it reports, with its line, message and suggestion.
#include <gtest/gtest.h>

#include "form_test_support.h"

namespace sorvik {
namespace {

using test::FormTest;

struct CheckCase {
  std::string name;
  std::string form;
  std::vector<std::string> output;
  std::vector<std::string> suggestions;  // per result, lines joined by " / "
};

void PrintTo(const CheckCase& c, std::ostream* out) {
  *out << c.name;
}

class FormCheckTest : public FormTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(FormCheckTest, ReportsItsFindingsInLineOrder) {
  EXPECT_EQ(check(GetParam().form), GetParam().output);
  EXPECT_EQ(suggestions(), GetParam().suggestions);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, FormCheckTest,
    ::testing::Values(
        CheckCase{"StoredZeroTag",
                  "object Form1: TForm1\n"
                  "  object Button1: TButton\n"
                  "    Caption = 'Go'\n"
                  "      Tag = 0  \n"
                  "    Tag = 1\n"
                  "    Tag = 00\n"
                  "    OnClick = Go\n"
                  "  end\n"
                  "end",
                  {"\"Form1.dfm\"(4):[Hint] Tag = 0"},
                  {"{Remove line}"}},
        CheckCase{"SingleAmpersands",
                  "object Form1: TForm1\n"
                  "  object Button1: TButton\n"
                  "    Caption = 'Load & Save'\n"
                  "    Hint = 'A & B & C'\n"
                  "    ShowHint = True\n"
                  "    OnClick = Go\n"
                  "  end\n"
                  "  object Button2: TButton\n"
                  "    Caption = 'Load&Save'\n"
                  "    OnClick = Go\n"
                  "  end\n"
                  "end",
                  // One result per line: the second ampersand of the hint is not shown.
                  {"\"Form1.dfm\"(3):[Warn] Caption = 'Load & Save'",
                   "\"Form1.dfm\"(4):[Warn] Hint = 'A & B & C'"},
                  {"Caption = 'Load && Save'", "Hint = 'A && B & C'"}},
        CheckCase{"HintNotShown",
                  "object Form1: TForm1\n"
                  "  object ToolBar1: TToolBar\n"
                  "    ShowHint = True\n"
                  "    object ToolButton1: TToolButton\n"
                  "      Hint = 'Open'\n"
                  "      OnClick = Go\n"
                  "    end\n"
                  "  end\n"
                  "  object Panel1: TPanel\n"
                  "    object ToolButton2: TToolButton\n"
                  "      Hint = 'Open'\n"
                  "      OnClick = Go\n"
                  "    end\n"
                  "    object MenuItem1: TMenuItem\n"
                  "      Hint = 'Open'\n"
                  "      OnClick = Go\n"
                  "    end\n"
                  "  end\n"
                  "end",
                  {"\"Form1.dfm\"(11):[Hint] Hint exists for ToolButton2 but ShowHint is false"},
                  {"{Insert:} /       ShowHint = True"}},
        // An action has no ShowHint: a form with one written into an action cannot be
        // loaded. Actions stand in action lists and action managers, even when their class
        // is taken for a control's, or are known by their class.
        CheckCase{"HintOfAnAction",
                  "object Form1: TForm1\n"
                  "  object ActionList1: TActionList\n"
                  "    object DataSetEdit1: TDataSetEdit\n"
                  "      Hint = 'Edit'\n"
                  "    end\n"
                  "  end\n"
                  "  object ActionManager1: TActionManager\n"
                  "    object FileExit1: TFileExit\n"
                  "      Hint = 'Quit'\n"
                  "    end\n"
                  "  end\n"
                  "  object EditCopy1: TEditCopy\n"
                  "    Hint = 'Copy'\n"
                  "  end\n"
                  "end",
                  {"\"Form1.dfm\"(4):[Hint] Hint exists for DataSetEdit1 but ShowHint is false",
                   "\"Form1.dfm\"(9):[Hint] Hint exists for FileExit1 but ShowHint is false",
                   "\"Form1.dfm\"(13):[Hint] Hint exists for EditCopy1 but ShowHint is false"},
                  {"", "", ""}},
        CheckCase{"DefaultCaptions",
                  "object Form1: TForm1\n"
                  "  object Button1: TButton\n"
                  "    Caption = 'Button1'\n"
                  "    OnClick = Go\n"
                  "  end\n"
                  "  object OK: TButton\n"
                  "    Caption = 'OK'\n"
                  "    OnClick = Go\n"
                  "  end\n"
                  "  object Submit: TButton\n"
                  "    Caption = 'submit'\n"
                  "    OnClick = Go\n"
                  "  end\n"
                  "end",
                  {"\"Form1.dfm\"(3):[Hint] Default caption of Button1 stored",
                   "\"Form1.dfm\"(11):[Hint] Default caption of Submit stored"},
                  {"{Remove line}", ""}},
        CheckCase{"AcceleratorKeys",
                  "object Form1: TForm1\n"
                  "  object Label1: TLabel\n"
                  "    Caption = 'Name:'\n"
                  "    FocusControl = Edit1\n"
                  "  end\n"
                  "  object Label2: TLabel\n"
                  "    Caption = '&Name:'\n"
                  "    FocusControl = Edit1\n"
                  "  end\n"
                  "  object Label3: TLabel\n"
                  "    Caption = 'R&&D'\n"
                  "    FocusControl = Edit1\n"
                  "  end\n"
                  "  object Label4: TLabel\n"
                  "    Caption = '&Go'\n"
                  "  end\n"
                  "  object StaticText1: TStaticText\n"
                  "    Caption = '&Go'\n"
                  "    FocusControl = Edit1\n"
                  "    ShowAccelChar = False\n"
                  "  end\n"
                  "end",
                  {"\"Form1.dfm\"(4):[Hint] Ampersand (&) not found but FocusControl is set",
                   "\"Form1.dfm\"(12):[Hint] Ampersand (&) not found but FocusControl is set",
                   "\"Form1.dfm\"(15):[Hint] Ampersand (&) found but FocusControl is not set",
                   "\"Form1.dfm\"(19):[Hint] ShowAccelChar is set to false but FocusControl is "
                   "set"},
                  {"{Remove line}", "{Remove line}", "", "{Remove line}"}},
        CheckCase{"ToolbarCaptions",
                  "object Form1: TForm1\n"
                  "  object ToolBar1: TToolBar\n"
                  "    Caption = 'Tools'\n"
                  "    ShowCaptions = False\n"
                  "  end\n"
                  "  object ToolBar2: TToolBar\n"
                  "    ShowCaptions = False\n"
                  "    object ToolButton1: TToolButton\n"
                  "      Caption = 'Save'\n"
                  "      OnClick = Go\n"
                  "    end\n"
                  "  end\n"
                  "  object ToolBar3: TToolBar\n"
                  "    Caption = 'Shown'\n"
                  "    ShowCaptions = True\n"
                  "  end\n"
                  "end",
                  {"\"Form1.dfm\"(4):[Hint] Unused caption (Tools) of ToolBar1",
                   "\"Form1.dfm\"(7):[Hint] Unused caption (Save) of ToolButton1"},
                  {"{Remove line}", "{Remove line}"}},
        CheckCase{"Data",
                  "object Form1: TForm1\n"
                  "  object Query1: TQuery\n"
                  "    Active = True\n"
                  "  end\n"
                  "  object DataSource1: TDataSource\n"
                  "  end\n"
                  "  object DBGrid1: TDBGrid\n"
                  "  end\n"
                  "  object DBGrid2: TDBGrid\n"
                  "    DataSource = DataSource1\n"
                  "  end\n"
                  "  object Database1: TDatabase\n"
                  "    Connected = True\n"
                  "  end\n"
                  "  object DBLookupComboBox1: TDBLookupComboBox\n"
                  "  end\n"
                  "end",
                  {"\"Form1.dfm\"(3):[Hint] Table (Query1) is active on startup",
                   "\"Form1.dfm\"(5):[Hint] Datasource (DataSource1) does not have dataset set",
                   "\"Form1.dfm\"(7):[Hint] Datasource of DBGrid1 is not set",
                   "\"Form1.dfm\"(13):[Hint] Database (Database1) connected is true"},
                  {"    Active = False", "", "", ""}},
        CheckCase{"Events",
                  "object Form1: TForm1\n"
                  "  object MainMenu1: TMainMenu\n"
                  "    object File1: TMenuItem\n"
                  "      Caption = '&File'\n"
                  "      object Open1: TMenuItem\n"
                  "        Caption = '&Open'\n"
                  "      end\n"
                  "      object N1: TMenuItem\n"
                  "        Caption = '-'\n"
                  "      end\n"
                  "    end\n"
                  "  end\n"
                  "  object Timer1: TTimer\n"
                  "  end\n"
                  "  object ToolButton1: TToolButton\n"
                  "    Style = tbsSeparator\n"
                  "  end\n"
                  "  object Button1: TButton\n"
                  "    ModalResult = 1\n"
                  "  end\n"
                  "end",
                  {"\"Form1.dfm\"(5):[Hint] No events associated with Open1 (MenuItem)",
                   "\"Form1.dfm\"(13):[Hint] No events associated with Timer1 (Timer)"},
                  {"", ""}}),
    [](const auto& info) { return info.param.name; });

// Captions measured with known widths: "Customer" is 57 pixels wide and 13 high.
TEST_F(FormTest, TruncatedTextIsMeasuredInTheFontTheControlShowsItIn) {
  measurer->extents["Customer"] = {57, 13};
  measurer->extents["Customer:"] = {57, 13};
  measurer->extents["Save & Exit"] = {60, 20};
  const auto output = check(
      "object Form1: TForm1\n"
      "  Font.Name = 'Arial'\n"
      "  object Panel1: TPanel\n"
      "    object Label1: TLabel\n"
      "      Width = 50\n"
      "      Height = 13\n"
      "      Caption = 'Customer'\n"
      "    end\n"
      "    object Label2: TLabel\n"
      "      Width = 55\n"
      "      Height = 13\n"
      "      Caption = 'Customer'\n"
      "    end\n"
      "    object Label3: TLabel\n"
      "      Width = 54\n"
      "      Height = 13\n"
      "      Caption = 'Customer:'\n"
      "    end\n"
      "    object Label4: TLabel\n"
      "      Width = 53\n"
      "      Height = 13\n"
      "      Caption = 'Customer:'\n"
      "    end\n"
      "    object Label5: TLabel\n"
      "      Width = 10\n"
      "      Height = 13\n"
      "      Caption = 'Customer'\n"
      "      WordWrap = True\n"
      "    end\n"
      "    object Label6: TLabel\n"
      "      Width = 10\n"
      "      Height = 13\n"
      "      Caption = 'Customer'#13'number'\n"
      "    end\n"
      "    object Button1: TButton\n"
      "      Width = 100\n"
      "      Height = 10\n"
      "      Caption = '&Save && Exit'\n"
      "      OnClick = Go\n"
      "    end\n"
      "  end\n"
      "end");
  EXPECT_EQ(output, (std::vector<std::string>{
                        "\"Form1.dfm\"(5):[Warn] Width for Label1 should be 57, not 50",
                        "\"Form1.dfm\"(20):[Warn] Width for Label4 should be 57, not 53",
                        "\"Form1.dfm\"(37):[Warn] Height for Button1 should be 20, not 10"}));
  EXPECT_EQ(suggestions(), (std::vector<std::string>{"      Width = 57", "      Width = 57",
                                                     "      Height = 20"}));
  ASSERT_FALSE(measurer->fonts.empty());
  EXPECT_EQ(measurer->fonts.front().face, "Arial");
  EXPECT_EQ(measurer->fonts.front().height, -11);
  EXPECT_EQ(measurer->texts, (std::vector<std::string>{"Customer", "Customer",
                                                       "Customer:", "Customer:", "Save & Exit"}));
}

TEST_F(FormTest, AControlWithItsOwnFontIsMeasuredInIt) {
  check(
      "object Form1: TForm1\n"
      "  object Label1: TLabel\n"
      "    Width = 50\n"
      "    Height = 13\n"
      "    Caption = 'Customer'\n"
      "    Font.Height = -20\n"
      "    Font.Size = 10\n"
      "    Font.Pitch = fpFixed\n"
      "    Font.Style = [fsItalic]\n"
      "    Font.Charset = GREEK_CHARSET\n"
      "    ParentFont = False\n"
      "  end\n"
      "end");
  ASSERT_EQ(measurer->fonts.size(), 1u);
  const FontRequest& font = measurer->fonts.front();
  EXPECT_EQ(font.face, "MS Sans Serif");
  EXPECT_EQ(font.height, -13);  // the size, written after the height, wins
  EXPECT_EQ(font.pitch, FontPitch::Fixed);
  EXPECT_EQ(font.style, kFontItalic);
  EXPECT_EQ(font.charset, 161);
}

TEST_F(FormTest, ChecksOfDisabledKindsReportNothing) {
  for (int kind : {0, 6, 10}) context->settings.HintEnabled[kind] = false;
  context->settings.WarningEnabled[110 - 100] = false;
  const auto output = check(
      "object Form1: TForm1\n"
      "  object Button1: TButton\n"
      "    Width = 10\n"
      "    Height = 10\n"
      "    Caption = 'Button1'\n"
      "    Tag = 0\n"
      "  end\n"
      "end");
  EXPECT_EQ(output, std::vector<std::string>{
                        "\"Form1.dfm\"(4):[Warn] Height for Button1 should be 13, not 10"});
}

TEST_F(FormTest, RunsThatDoNotCheckFormsReportNothingOnThem) {
  const std::string form =
      "object Form1: TForm1\n"
      "  object Button1: TButton\n"
      "    Caption = 'Button1'\n"
      "    Tag = 0\n"
      "  end\n"
      "end";
  project->OverviewMode = true;
  EXPECT_TRUE(check(form).empty());
  project->OverviewMode = false;
  project->NamingMode = true;
  read(form, true);
  EXPECT_TRUE(project->report().Results.empty());
}

}  // namespace
}  // namespace sorvik
