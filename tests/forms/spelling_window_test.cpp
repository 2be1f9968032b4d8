// The spelling run in the window: "Start Spell Check" fills the spelling page, a row shows
// its suggestions and opens its place, and the page's buttons ignore words or add them to
// the user's dictionary; the spelling options dialog stores what it shows.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include "forms/edit_form.h"
#include "forms/main_form.h"
#include "forms/spelling_options_form.h"
#include "forms/spelling_page.h"
#include "generic/compressed_list.h"
#include "generic/encoding.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "spelling/call_rules.h"
#include "spelling/custom_dictionary.h"
#include "window_fixture.h"

namespace sorvik {

using test::TempTree;

namespace {

// The spelling fixture's project copied into `tree`, its small dictionary made the
// program folder's english.dic; the path of its program.
std::string copyFixture(const TempTree& tree) {
  const std::string fixture = std::string(SORVIK_FIXTURES) + "spell-project/";
  std::vector<std::string> words;
  for (const std::string& word :
       readTextFile(fixture + "home/english.words").value_or(TextFile{}).lines)
    words.push_back(utf8ToWindows1252(word));
  std::sort(words.begin(), words.end());
  SaveCompressedList(words, tree.path() + "home/english.dic");
  return test::copyFixture(tree, "spell-project", "Shop.dpr");
}

QStringList rowWords(const QTreeWidget* list) {
  QStringList words;
  for (int row = 0; row < list->topLevelItemCount(); ++row)
    words << list->topLevelItem(row)->text(0);
  return words;
}

void selectWord(QTreeWidget* list, const QString& word) {
  list->clearSelection();
  for (int row = 0; row < list->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    if (item->text(0) == word) {
      list->setCurrentItem(item);
      item->setSelected(true);
    }
  }
}

QStringList listTexts(const QListWidget* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
}

}  // namespace

class SpellingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theRunFillsThePageAndItsButtonsTakeWordsAway();
  void theOptionsAskBeforeOverwritingAndStoreWhatTheyShow();
};

void SpellingWindowTest::theRunFillsThePageAndItsButtonsTakeWordsAway() {
  TempTree tree;
  auto context = test::windowContext(tree, "Applychange=0\r\n");
  TMainForm window(*context);
  test::ScriptedPrompter answers;
  context->prompter = &answers;
  QVERIFY(test::openProject(window, copyFixture(tree)));

  QSignalSpy ended(&window, &TMainForm::idle);
  window.findChild<QAction*>("btnStartSpell")->trigger();
  QVERIFY(!window.isBusy() || ended.wait(30000));
  auto* edit = window.findChild<TEditForm*>();
  TSpellingPage* page = edit->spellingPage();
  QCOMPARE(edit->currentWidget(), page);
  QTreeWidget* list = page->resultList();
  QCOMPARE(rowWords(list),
           (QStringList{"managment", "curent", "crad", "holydays", "Welcom", "realy", "entr",
                        "custmer", "realy", "Teh", "Ordre", "fuond", "faild"}));
  const QTreeWidgetItem* first = list->topLevelItem(0);
  QCOMPARE((QStringList{first->text(1), first->text(2), first->text(3)}),
           (QStringList{"Form", "Main.dfm", "4"}));
  QVERIFY(!page->addButton()->isEnabled());

  selectWord(list, "crad");
  auto* suggestions = window.findChild<QListWidget*>("SuggestionBox");
  QVERIFY(listTexts(suggestions).contains("card"));
  auto* tabs = window.findChild<QTabBar*>("OutputTabs");
  QCOMPARE(tabs->tabText(tabs->currentIndex()), QString("Spell"));
  QVERIFY(page->addButton()->isEnabled());

  // A suggestion chosen corrects the word in its file; the undo puts it back.
  auto* apply = window.findChild<QAction*>("actApplySuggestion");
  QVERIFY(!apply->isEnabled());
  suggestions->setCurrentItem(suggestions->findItems("card", Qt::MatchExactly).value(0));
  QVERIFY(apply->isEnabled());
  const std::string form = readFileBytes(tree.path() + "Main.dfm").value_or("");
  apply->trigger();
  const std::string corrected = readFileBytes(tree.path() + "Main.dfm").value_or("");
  QVERIFY(corrected.find("card") != std::string::npos &&
          corrected.find("crad") == std::string::npos);
  QVERIFY(rowWords(list).contains("crad (Applied)"));
  QVERIFY(!apply->isEnabled());
  window.findChild<QAction*>("actUndoSuggestion")->trigger();
  QCOMPARE(readFileBytes(tree.path() + "Main.dfm").value_or(""), form);
  QVERIFY(rowWords(list).contains("crad"));

  // Opening a row shows its place in the source.
  emit list->itemDoubleClicked(list->topLevelItem(6), 0);
  QVERIFY(edit->filePath().ends_with("Main.pas"));
  QCOMPARE(edit->currentIndex(), 0);

  selectWord(list, "realy");
  page->ignoreButton()->click();
  QVERIFY(!rowWords(list).contains("realy"));
  selectWord(list, "holydays");
  page->addButton()->click();
  QCOMPARE(rowWords(list).size(), 10);
  QCOMPARE(ReadCustomDictionary(context->programFolder),
           std::optional(std::vector<std::string>{"holydays"}));

  // Ignoring the rest leaves the placeholder, which offers nothing.
  list->selectAll();
  page->ignoreButton()->click();
  QCOMPARE(rowWords(list), QStringList{"There are no results to display"});
  selectWord(list, "There are no results to display");
  QVERIFY(!page->ignoreButton()->isEnabled());
  QVERIFY(answers.messages.empty());
}

void SpellingWindowTest::theOptionsAskBeforeOverwritingAndStoreWhatTheyShow() {
  TempTree tree;
  auto context = test::windowContext(tree);
  test::ScriptedPrompter answers;
  context->prompter = &answers;
  TConfigSpell dialog(*context, nullptr);
  QCOMPARE(dialog.languageBox()->currentText(), QString("English"));

  // The second and third positions follow the ones before them.
  dialog.statementEdit()->setText("LogLine");
  QVERIFY(!dialog.positionBox(1)->isEnabled());
  dialog.positionBox(0)->setCurrentIndex(2);
  QVERIFY(dialog.positionBox(1)->isEnabled() && !dialog.positionBox(2)->isEnabled());
  dialog.addRule();
  dialog.statementEdit()->setText("showmessage");
  answers.answerYes = false;
  dialog.addRule();
  QCOMPARE(answers.messages.back(),
           std::string("ask: This statement has already been added.\r\n\r\nDo you wish to "
                       "overwrite the existing entry ?"));
  dialog.ruleList()->setCurrentItem(nullptr);
  dialog.removeRule();
  QCOMPARE(answers.messages.back(), std::string("error: Select an entry to remove"));

  dialog.propertyEdit()->setText("caption");
  dialog.addProperty();
  QCOMPARE(answers.messages.back(),
           std::string("info: A property with this name has already been added."));
  dialog.propertyEdit()->setText("Title");
  dialog.addProperty();
  dialog.dictionaryEditor()->setPlainText("Zeta\n  alpha \n\nzeta");
  dialog.dictionaryEditor()->document()->setModified(true);
  dialog.save();

  const std::vector<TCallRule> rules = ReadCallRules(context->programFolder);
  QCOMPARE(rules.back(), (TCallRule{"LogLine", {2, 0, 0}}));
  QCOMPARE(context->config.readString("SpellProps", "Item4"), std::string("Title"));
  QCOMPARE(ReadCustomDictionary(context->programFolder),
           std::optional(std::vector<std::string>{"alpha", "zeta"}));
}

}  // namespace sorvik

QTEST_MAIN(sorvik::SpellingWindowTest)
#include "spelling_window_test.moc"
