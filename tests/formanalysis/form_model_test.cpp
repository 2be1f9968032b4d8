// Reading form text into objects: object lines, the root form, end lines, parents, the
// component factory with its prefixes and guesses, and the notes about unknown classes.
#include <gtest/gtest.h>

#include "form_test_support.h"
#include "formanalysis/component_kinds.h"
#include "formanalysis/form_code.h"

namespace sorvik {
namespace {

using test::FormTest;

struct ObjectLineCase {
  std::string line;
  bool isObject;
  std::string name, className;
};

void PrintTo(const ObjectLineCase& c, std::ostream* out) {
  *out << c.line;
}

class ObjectLineTest : public ::testing::TestWithParam<ObjectLineCase> {};

TEST_P(ObjectLineTest, ColonBlankAndTFollowTheNameOfAnObjectOrInheritedLine) {
  const auto& c = GetParam();
  const auto parsed = parseObjectLine(c.line);
  ASSERT_EQ(parsed.has_value(), c.isObject) << c.line;
  if (!parsed) return;
  EXPECT_EQ(parsed->name, c.name);
  EXPECT_EQ(parsed->className, c.className);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ObjectLineTest,
    ::testing::Values(ObjectLineCase{"object Abc: TCd", true, "Abc", "Cd"},
                      ObjectLineCase{"object A: TB", false, "", ""},
                      ObjectLineCase{"    inherited Button1: TButton [0]", true, "Button1",
                                     "Button [0]"},
                      ObjectLineCase{"inline Header1: THeaderPanel", false, "", ""},
                      ObjectLineCase{"Object Form1: TForm1", false, "", ""},
                      ObjectLineCase{"object Form1:TForm1", false, "", ""},
                      ObjectLineCase{"object Form1: Form1", false, "", ""},
                      ObjectLineCase{"  object Form1: TForm1  ", true, "Form1", "Form1"}));

TEST_F(FormTest, TheFirstObjectIsTheFormWhateverItsClass) {
  const auto form = read(
      "object DataModule1: TDataModule1\n"
      "  object Table1: TTable\n"
      "  end\n"
      "end");
  EXPECT_EQ(form->FormName, "DataModule1");
  ASSERT_EQ(form->Objects.size(), 2u);
  EXPECT_EQ(form->Objects[0].Object->Kind, kKindForm);
  EXPECT_EQ(form->Objects[1].Object->Kind, kKindTable);
  EXPECT_EQ(form->Objects[1].Object->Parent, form->Objects[0].Object.get());
}

TEST_F(FormTest, ObjectsKnowTheirLinesIndentationAndParent) {
  const auto form = read(
      "inherited Form2: TForm2\n"           // 0
      "  inherited Button1: TButton [0]\n"  // 1
      "    OnClick = Button1Click\n"        // 2
      "  end\n"                             // 3
      "  object Panel1: TPanel\n"           // 4
      "    object Panel2: TPanel\n"         // 5
      "      object Edit1: TEdit\n"         // 6
      "        Text = 'x'\n"                // 7
      "      end\n"                         // 8
      "    end\n"                           // 9
      "    object Label1: TLabel\n"         // 10
      "    end\n"                           // 11
      "  end\n"                             // 12
      "  object Memo1: TMemo\n"             // 13: no end line
      "end");                               // 14
  const auto& button = object(*form, "Button1");
  EXPECT_EQ(button.Kind, kKindButton);
  EXPECT_EQ(button.EndLine, 3);
  EXPECT_EQ(button.PropIndent, 4);
  EXPECT_TRUE(button.HasAction);
  const auto& panel = object(*form, "Panel1");
  EXPECT_FALSE(panel.HasAction);  // an event of an owned object is not the panel's
  EXPECT_EQ(panel.EndLine, 12);
  EXPECT_EQ(object(*form, "Edit1").Parent, &object(*form, "Panel2"));
  EXPECT_EQ(object(*form, "Label1").Parent, &panel);
  EXPECT_EQ(object(*form, "Memo1").Parent, form->Objects[0].Object.get());
  EXPECT_EQ(object(*form, "Memo1").EndLine, 14);  // extends to the last line
  EXPECT_EQ(form->Objects[0].Object->EndLine, 14);
}

struct FactoryCase {
  std::string className;
  std::vector<std::string> settings;  // SECTION.KEY=VALUE
  int kind;
  std::string partlyRecognised;
  std::string unrecognised;
};

void PrintTo(const FactoryCase& c, std::ostream* out) {
  *out << c.className;
}

class FactoryTest : public FormTest, public ::testing::WithParamInterface<FactoryCase> {};

TEST_P(FactoryTest, ClassesAreFoundByKeyPrefixOrGuess) {
  const auto& c = GetParam();
  for (const auto& assignment : c.settings) context->config.addOverride(assignment);
  context->settings = TSettings(context->config, context->programFolder);
  project = std::make_unique<TProject>(*context);
  const auto form = read("object Form1: TForm1\n  object Foo1: T" + c.className + "\n  end\nend");
  EXPECT_EQ(object(*form, "Foo1").Kind, c.kind);
  EXPECT_EQ(project->PartlyRecognisedObjects, c.partlyRecognised.empty()
                                                  ? std::vector<std::string>{}
                                                  : std::vector<std::string>{c.partlyRecognised});
  EXPECT_EQ(project->UnrecognisedObjects, c.unrecognised.empty()
                                              ? std::vector<std::string>{}
                                              : std::vector<std::string>{c.unrecognised});
}

INSTANTIATE_TEST_SUITE_P(
    Classes, FactoryTest,
    ::testing::Values(
        FactoryCase{"Button", {}, kKindButton, "", ""},
        FactoryCase{"DBLookupCombo", {}, 112, "", ""}, FactoryCase{"JvEdit", {}, kKindEdit, "", ""},
        FactoryCase{"JvEdit", {"General.GuessComponents=0"}, kKindEdit, "", ""},
        FactoryCase{"MyEdit", {"Prefix.item1=my"}, kKindEdit, "", ""},
        // Configured prefixes replace the defaults, so "jv" is left to the guess.
        FactoryCase{"JvEdit",
                    {"Prefix.item1=my"},
                    kKindEdit,
                    "Unknown component 'jvedit' treated as TEdit",
                    ""},
        FactoryCase{
            "MyOkButton", {}, kKindButton, "Unknown component 'myokbutton' treated as TButton", ""},
        FactoryCase{"MyFancyComboBox2",
                    {},
                    8,
                    "Unknown component 'myfancycombobox' treated as TCombobox",
                    ""},
        FactoryCase{"MyFancyComboBox",
                    {"General.GuessComponents=0"},
                    kKindUnknown,
                    "",
                    "Form object not recognised : MyFancyComboBox (for example : Form1.Foo1)"},
        FactoryCase{"MyTransaction2",
                    {},
                    kKindUnknown,
                    "",
                    "Form object not recognised : MyTransaction2 (for example : Form1.Foo1)"},
        // A kind name without a class of its own guesses nothing.
        FactoryCase{"ColourDialog",
                    {},
                    kKindUnknown,
                    "",
                    "Form object not recognised : ColourDialog (for example : Form1.Foo1)"},
        FactoryCase{
            "MyGrid", {"NamingSuggestPackage.SuggName1=MyGrid"}, kKindListedUnknown, "", ""}));

TEST_F(FormTest, EachUnknownClassIsNotedOnceWithTheFirstPlaceItWasMet) {
  context->settings.GuessComponents = false;
  read(
      "object Form1: TForm1\n"
      "  object A1: TFoo\n  end\n"
      "  object A2: TFoo\n  end\n"
      "  object A3: TFooBar\n  end\n"
      "end");
  read("object Form2: TForm2\n  object B1: TFOO\n  end\nend");
  EXPECT_EQ(
      project->UnrecognisedObjects,
      (std::vector<std::string>{"Form object not recognised : Foo (for example : Form1.A1)",
                                "Form object not recognised : FooBar (for example : Form1.A3)"}));
}

TEST_F(FormTest, AnUnknownChildOfAnActionListIsAnAction) {
  const auto form = read(
      "object Form1: TForm1\n"
      "  object ActionList1: TActionList\n"
      "    object FileOpen1: TFileOpen\n"
      "      Caption = '&Open...'\n"
      "    end\n"
      "  end\n"
      "  object Other1: TFileOpen\n"
      "  end\n"
      "end");
  const auto& action = object(*form, "FileOpen1");
  EXPECT_EQ(action.Kind, kKindAction);
  EXPECT_EQ(action.Parent, &object(*form, "ActionList1"));
  EXPECT_EQ(action.text("Caption").Value, "&Open...");
  EXPECT_EQ(object(*form, "Other1").Kind, kKindUnknown);
  EXPECT_EQ(project->UnrecognisedObjects,
            std::vector<std::string>{
                "Form object not recognised : FileOpen (for example : Form1.Other1)"});
}

TEST_F(FormTest, AnUnknownObjectKeepsItsClassTextAndCaption) {
  const auto form = read(
      "object Form1: TForm1\n"
      "  object Fancy1: TFancyThing\n"
      "    Caption = 'Go'\n"
      "  end\n"
      "end");
  const auto& fancy = object(*form, "Fancy1");
  EXPECT_EQ(fancy.ClassText, "TFancyThing");
  EXPECT_EQ(GetCaptionProperty(fancy).Value, "Go");
  EXPECT_EQ(GetCaptionProperty(fancy).Line, 2);
}

TEST_F(FormTest, KindNamesAndTheErrorForKindsWithoutOne) {
  EXPECT_EQ(ComponentKindName(*project, 4), "Button");
  EXPECT_EQ(ComponentKindName(*project, 171), "QRChart");
  EXPECT_EQ(ComponentKindName(*project, 185), "");
  EXPECT_EQ(project->Errors, std::vector<std::string>{"Form object id 185 not recogised"});
}

TEST_F(FormTest, CaptionPropertyByKind) {
  const auto form = read(
      "object Form1: TForm1\n"
      "  Caption = 'Main'\n"
      "  object Edit1: TEdit\n"
      "    Text = 'typed'\n"
      "  end\n"
      "  object LabeledEdit1: TLabeledEdit\n"
      "    EditLabel.Caption = 'Name'\n"
      "    Text = 'x'\n"
      "  end\n"
      "  object Button1: TButton\n"
      "    WordWrap = True\n"
      "    Caption = 'Go'\n"
      "  end\n"
      "  object Memo1: TMemo\n"
      "    Caption = 'unused'\n"
      "  end\n"
      "end");
  EXPECT_EQ(GetCaptionProperty(object(*form, "Form1")).Value, "Main");
  EXPECT_EQ(GetCaptionProperty(object(*form, "Edit1")).Value, "typed");
  EXPECT_EQ(GetCaptionProperty(object(*form, "LabeledEdit1")).Value, "Name");
  EXPECT_EQ(GetCaptionProperty(object(*form, "Button1")).Value, "Go");
  EXPECT_EQ(GetCaptionProperty(object(*form, "Memo1")).Line, 0);
}

}  // namespace
}  // namespace sorvik
