// The naming run in the window: "Start Naming" fills the naming page, and "Apply naming
// suggestions" renames what is ticked there.
#include <QAction>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <QLineEdit>
#include <QTableWidget>

#include "forms/edit_form.h"
#include "forms/main_form.h"
#include "forms/naming_options_form.h"
#include "forms/naming_page.h"
#include "generic/text_file.h"
#include "naming/prefix_table.h"
#include "project/project.h"
#include "window_fixture.h"

namespace sorvik {

using test::TempTree;

class NamingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theTickedSuggestionsAreRenamed();
  void theOptionsCheckPatternsAndStorePrefixes();
};

void NamingWindowTest::theTickedSuggestionsAreRenamed() {
  TempTree tree;
  auto context = test::windowContext(tree);
  TMainForm window(*context);
  test::ScriptedPrompter answers;
  context->prompter = &answers;
  QVERIFY(test::openProject(window, test::copyFixture(tree, "rename-across-files", "Shop.dpr")));
  auto* apply = window.findChild<QAction*>("Applynamingsuggestions1");
  QVERIFY(!apply->isEnabled());

  QVERIFY(test::runCommand(window, "btnChecknaming"));
  auto* tabs = window.findChild<QTabBar*>();
  QCOMPARE(tabs->tabText(0), QString("Naming suggestions  "));
  TNamingPage* page = window.findChild<TEditForm*>()->namingPage();
  QListWidget* components = page->componentList();
  QCOMPARE(components->count(), 5);
  QCOMPARE(page->variableList()->count(), 2);
  QCOMPARE(components->item(3)->text(), QString("\"Unit1.dfm\"(18):Replace 'Button1' to 'btnOK'"));
  QVERIFY(apply->isEnabled());

  // Nothing ticked: the user is told and nothing runs.
  QVERIFY(test::runCommand(window, "Applynamingsuggestions1"));
  QCOMPARE(answers.messages.back(),
           std::string("error: You have not selected any items to rename"));

  components->item(3)->setCheckState(Qt::Checked);
  QVERIFY(test::runCommand(window, "Applynamingsuggestions1"));
  const std::string form = readFileBytes(tree.path() + "Unit1.dfm").value_or("");
  QVERIFY(form.find("object btnOK: TButton") != std::string::npos);
  QVERIFY(form.find("object Label1: TLabel") != std::string::npos);
  QVERIFY(readFileBytes(tree.path() + "Unit2.pas").value_or("").find("Form1.btnOK.Caption") !=
          std::string::npos);
  QVERIFY(!apply->isEnabled());
}

// A name pattern needs exactly one property and no twin; a changed prefix is stored and
// the next naming run uses it.
void NamingWindowTest::theOptionsCheckPatternsAndStorePrefixes() {
  TempTree tree;
  auto context = test::windowContext(tree);
  test::ScriptedPrompter answers;
  context->prompter = &answers;
  TfrmNamingOptions dialog(*context, nullptr);
  for (const char* pattern : {"new", "<a><b>", "<Caption>_new", "<caption>_NEW"}) {
    dialog.patternEdit()->setText(pattern);
    dialog.addPattern();
  }
  QCOMPARE(dialog.patternList()->count(), 1);
  QCOMPARE(answers.messages,
           (std::vector<std::string>{
               "error: No property has been specified\r\n\r\nProperties should be enclosed "
               "using < and >, e.g. <Caption>",
               "error: Property has not been specified properly\r\n\r\nOnly one property can "
               "be specified for a name",
               "warning: This entry already exists on the list"}));

  QTableWidget* grid = dialog.prefixGrid();
  QCOMPARE(grid->item(3, 0)->text(), QString("Button"));
  QCOMPARE(grid->item(3, 1)->text(), QString("btn"));
  grid->item(3, 1)->setText("b");
  dialog.save();
  QCOMPARE(context->config.readString("Naming", "Prefix_Button"), std::string("b"));
  QCOMPARE(context->config.readString("NamingSuggest", "Sugg0"), std::string("<Caption>_new"));
  QCOMPARE(context->service<PrefixTable>().find("4"), std::string("b"));
  QCOMPARE(context->settings.NamingSuggestions, std::vector<std::string>{"<Caption>_new"});
}

}  // namespace sorvik

QTEST_MAIN(sorvik::NamingWindowTest)
#include "naming_window_test.moc"
