// The search in the window: the dialog's checks, settings, recent searches and examples,
// and "Start Search" filling the results list, whose rows show their file's line.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "forms/edit_form.h"
#include "forms/main_form.h"
#include "forms/search_dialog.h"
#include "forms/search_page.h"
#include "project/config.h"
#include "search/search_options.h"
#include "search/search_run.h"
#include "window_fixture.h"

namespace sorvik {

using test::TempTree;

namespace {

// Starts a search for `text` through the dialog and waits until it has ended.
bool searchFor(TMainForm& window, const char* text) {
  QTimer::singleShot(0, [text] {
    auto* dialog = qobject_cast<TfrmSorvikscan*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    dialog->searchEdit()->setText(text);
    dialog->confirm();
  });
  QSignalSpy ended(&window, &TMainForm::idle);
  window.findChild<QAction*>("btnStartSearch")->trigger();
  return !window.isBusy() || ended.wait(30000);
}

template <class Widget>
Widget* child(QWidget& parent, const char* name) {
  return parent.findChild<Widget*>(name);
}

}  // namespace

class SearchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theDialogChecksAndStoresTheSearch();
  void theExamplesGoRoundAndAreKept();
  void startSearchListsTheHits();
};

void SearchWindowTest::theDialogChecksAndStoresTheSearch() {
  TempTree tree;
  auto context = test::windowContext(tree);
  test::ScriptedPrompter answers;
  context->prompter = &answers;
  {
    TfrmSorvikscan dialog(*context, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Search"));
    // No results.dat yet: a search within the last results cannot be asked for.
    QVERIFY(!child<QCheckBox>(dialog, "cbSearchLastResults")->isEnabled());
    QVERIFY(dialog.scopeLabel(kScopeAllFiles)->font().bold());
    QVERIFY(!dialog.limitEdit()->isEnabled());
    child<QCheckBox>(dialog, "cbLimit")->setChecked(true);
    QVERIFY(dialog.limitEdit()->isEnabled());

    dialog.show();
    dialog.confirm();
    QCOMPARE(answers.messages.back(),
             std::string("warning: A search cannot be performed on empty text"));
    QVERIFY(dialog.isVisible());
    QVERIFY(currentSearchOptions(*context) == nullptr);

    dialog.searchEdit()->setText("a|b");
    child<QRadioButton>(dialog, "rbRegularExpressions")->setChecked(true);
    dialog.chooseScope(kScopeSourceCode);
    QVERIFY(dialog.scopeLabel(kScopeSourceCode)->font().bold());
    QVERIFY(!dialog.scopeLabel(kScopeAllFiles)->font().bold());
    dialog.limitEdit()->setText("12");
    dialog.confirm();
    // No expression character: the user agreed to a plain search.
    QVERIFY(child<QRadioButton>(dialog, "rbNoExpressions")->isChecked());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const TSearchOptions* options = currentSearchOptions(*context);
    QVERIFY(options != nullptr);
    QCOMPARE(options->Scope, int(kScopeSourceCode));
    QCOMPARE(options->MaxResults, 12);
    QVERIFY(!options->UseRegExpr);
  }
  const Config stored(context->config.file().path());
  QCOMPARE(stored.readString("sorvikscan", "Search1", ""), std::string("a|b"));
  QCOMPARE(stored.readInteger("sorvikscan", "Expressions", -1), 0);
  QCOMPARE(RecentSearches(stored), std::vector<std::string>{"a|b"});

  // The next dialog opens with what was stored; "Cancel" ends the current search.
  TfrmSorvikscan again(*context, nullptr);
  QCOMPARE(again.searchEdit()->text(), QString("a|b"));
  QCOMPARE(again.recentList()->count(), 1);
  QVERIFY(again.scopeLabel(kScopeSourceCode)->font().bold());
  again.reject();
  QVERIFY(currentSearchOptions(*context) == nullptr);
}

void SearchWindowTest::theExamplesGoRoundAndAreKept() {
  TempTree tree;
  auto context = test::windowContext(tree);
  test::ScriptedPrompter answers;
  context->prompter = &answers;
  {
    TfrmSorvikscan dialog(*context, nullptr);
    dialog.show();
    QVERIFY(!dialog.exampleLabel()->isVisible());
    child<QRadioButton>(dialog, "rbVariableExpressions")->setChecked(true);
    QVERIFY(dialog.exampleLabel()->isVisible());
    QCOMPARE(dialog.exampleLabel()->text(), QString("<integer1>:=<integer2>+<integer3>;"));
    dialog.stepExample(-1);
    QCOMPARE(dialog.exampleLabel()->text(), QString("var <integer1>:integer;"));
    QCOMPARE(dialog.exampleDescription()->text(), QString("would find x:integer;"));
    child<QRadioButton>(dialog, "rbRegularExpressions")->setChecked(true);
    QCOMPARE(dialog.exampleLabel()->text(), QString("foo(bar|foo)"));
  }
  TfrmSorvikscan again(*context, nullptr);
  child<QRadioButton>(again, "rbVariableExpressions")->setChecked(true);
  QCOMPARE(again.exampleLabel()->text(), QString("var <integer1>:integer;"));
  again.stepExample(1);
  QCOMPARE(again.exampleLabel()->text(), QString("<integer1>:=<integer2>+<integer3>;"));
}

void SearchWindowTest::startSearchListsTheHits() {
  TempTree tree;
  auto context = test::windowContext(tree);
  TMainForm window(*context);
  test::ScriptedPrompter answers;
  context->prompter = &answers;
  QVERIFY(test::openProject(window, test::copyFixture(tree, "search-plain", "Library1.dpr")));
  QVERIFY(window.findChild<QAction*>("btnStartSearch")->isEnabled());
  QVERIFY(searchFor(window, "free"));

  QCOMPARE(window.findChild<QTabBar*>()->tabText(0), QString("Search  "));
  TSearchPage* page = window.findChild<TEditForm*>()->searchPage();
  QTreeWidget* list = page->list();
  QCOMPARE(list->topLevelItemCount(), 9);
  QCOMPARE(page->countLabel()->text(), QString("Search results: 9 items"));
  QCOMPARE(list->topLevelItem(5)->text(0), QString("Titles.Free;"));
  QCOMPARE(list->topLevelItem(5)->text(1), QString("Code"));
  QCOMPARE(list->topLevelItem(5)->text(2), QString("Books.pas"));
  QCOMPARE(list->topLevelItem(5)->text(3), QString("32"));
  QCOMPARE(list->topLevelItem(8)->text(1), QString("Form"));

  // A click shows the hit's file in the suggestion list, its line chosen.
  emit page->hitChosen(5);
  auto* suggestions = window.findChild<QListWidget*>("SuggestionBox");
  QCOMPARE(suggestions->currentRow(), 31);
  QCOMPARE(suggestions->currentItem()->text(), QString("    Titles.Free;"));

  // A search that finds nothing shows the placeholder row.
  QVERIFY(searchFor(window, "nowhere"));
  QCOMPARE(list->topLevelItemCount(), 1);
  QCOMPARE(list->topLevelItem(0)->text(0), QString("There are no results to display"));
  QCOMPARE(page->countLabel()->text(), QString("Search results: No items"));
}

}  // namespace sorvik

QTEST_MAIN(sorvik::SearchWindowTest)
#include "search_window_test.moc"
