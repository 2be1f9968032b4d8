// The texts of a form that its spelling hands over, object by object.
#include "formanalysis/form_spelling.h"

#include "form_test_support.h"

namespace sorvik {
namespace {

class FormSpellingTest : public test::FormTest {
 protected:
  // "text|kind|line" for each piece handed over.
  std::vector<std::string> collect(const std::string& text) {
    const auto form = read(text);
    std::vector<std::string> pieces;
    CollectFormSpelling(*form, [&](const std::string& piece, int kind, int line) {
      pieces.push_back(piece + "|" + std::to_string(kind) + "|" + std::to_string(line));
    });
    return pieces;
  }
};

TEST_F(FormSpellingTest, HandsOverTheHintThenTheTextsOfEachKind) {
  const struct {
    std::string components;  // inside "object Form1: TForm1"
    std::vector<std::string> expected;
  } cases[] = {
      // A caption equal to the name is left out; the hint comes first.
      {"  object Button1: TButton\n    Caption = 'button1'\n    Hint = 'Press'\n  end\n",
       {"Press|4|4"}},
      {"  object Edit1: TEdit\n    Text = 'Some text'\n  end\n", {"Some text|2|3"}},
      // Every item of a list, empty ones too, at its own line; never compared with the name.
      {"  object ListBox1: TListBox\n    Items.Strings = (\n      'One'\n      ''\n"
       "      'ListBox1')\n  end\n",
       {"One|7|4", "|7|5", "ListBox1|7|6"}},
      {"  object StatusBar1: TStatusBar\n    Panels = <\n      item\n        Text = 'Ready'\n"
       "      end\n      item\n        Text = 'Done'\n      end>\n  end\n",
       {"Ready|25|5", "Done|25|8"}},
      {"  object CoolBar1: TCoolBar\n    Bands = <\n      item\n        Text = 'First band'\n"
       "      end\n      item\n        Text = 'Second band'\n      end>\n  end\n",
       {"First band|56|5", "Second band|56|8"}},
      {"  object Chart1: TChart\n    Title.Text.Strings = (\n      'Sales')\n"
       "    LeftAxis.Title.Caption = 'Amount'\n    object Series1: TBarSeries\n"
       "      Title = 'This year'\n    end\n  end\n",
       {"Sales|57|4", "Amount|57|5", "This year|57|7"}},
      {"  object LabeledEdit1: TLabeledEdit\n    EditLabel.Caption = 'Name'\n"
       "    EditLabel.Hint = 'Your name'\n    Text = 'LabeledEdit1'\n  end\n",
       {"Name|185|3", "Your name|185|4"}},
      {"  object Table1Name: TStringField\n    DisplayLabel = 'Customer'\n  end\n",
       {"Customer|118|3"}},
      // A memo hands over only its hint.
      {"  object Memo1: TMemo\n    Hint = 'Notes'\n    Lines.Strings = (\n      'Text')\n  end\n",
       {"Notes|23|3"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> expected = {"Main window|21|1"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(collect("object Form1: TForm1\n  Caption = 'Main window'\n" + c.components + "end\n"),
              expected)
        << c.components;
  }
}

TEST_F(FormSpellingTest, AFailingObjectIsReportedAndTheNextFollows) {
  const auto form = read(
      "object Form1: TForm1\n  Caption = 'Main'\n  object Label1: TLabel\n    Caption = 'Name'\n"
      "    Hint = 'Tip'\n  end\nend\n");
  std::vector<std::string> pieces;
  CollectFormSpelling(*form, [&](const std::string& piece, int, int) {
    if (piece == "Main" || piece == "Tip") throw std::runtime_error("failed");
    pieces.push_back(piece);
  });
  EXPECT_EQ(pieces, std::vector<std::string>{"Name"});
  EXPECT_EQ(project->Errors,
            (std::vector<std::string>{"Error spell checking Form1 in /forms/Form1.dfm",
                                      "Error checking hint of Label1"}));
}

}  // namespace
}  // namespace sorvik
