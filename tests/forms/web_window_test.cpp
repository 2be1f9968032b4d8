// Web pages in the window: a page's result opens the page in the source view with its
// findings' lines coloured, and the statistics view lists the controls and tags the pages
// use on its "Web Objects" page.
#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

#include <QListWidget>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

#include "forms/edit_form.h"
#include "forms/line_colours.h"
#include "forms/main_form.h"
#include "forms/stats_form.h"
#include "generic/text_file.h"
#include "window_fixture.h"

namespace sorvik {

using test::TempTree;

namespace {

QTreeWidgetItem* treeNode(QTreeWidget* tree, const QString& key) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it)
    if ((*it)->text(0) == key || (*it)->text(0).startsWith(key + " (")) return *it;
  return nullptr;
}

}  // namespace

class WebWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aPageResultShowsThePageWithItsLinesColoured();
  void theWebObjectsPageListsControlsThenTags();
};

void WebWindowTest::aPageResultShowsThePageWithItsLinesColoured() {
  TempTree tree;
  auto context = test::windowContext(tree);
  TMainForm window(*context);
  QVERIFY(test::openProject(window, test::copyFixture(tree, "scan-web-page", "Every.htm")));
  QVERIFY(test::scanProject(window));
  auto* output = window.findChild<QListWidget*>("OutputBox");
  QCOMPARE(output->item(0)->text(), QString("\"Every.htm\"(11):[Hint] Closing tag does not "
                                            "exist:</br>"));
  output->setCurrentRow(0);
  auto* edit = window.findChild<TEditForm*>();
  QVERIFY(edit->filePath().ends_with("Every.htm"));
  QCOMPARE(QString(edit->editor()->lexer()->language()), QString("HTML"));
  QsciScintilla* editor = edit->editor();
  int line = -1, column = -1;
  editor->getCursorPosition(&line, &column);
  QCOMPARE(line, 10);
  QVERIFY((editor->markersAtLine(10) >> kHintPair) & 1u);
  QCOMPARE(editor->markersAtLine(0), 0u);
}

void WebWindowTest::theWebObjectsPageListsControlsThenTags() {
  TempTree tree;
  auto context = test::windowContext(tree);
  TMainForm window(*context);
  QVERIFY(test::openProject(window, test::copyFixture(tree, "stats-web-objects", "Contact.aspx")));
  QVERIFY(test::scanProject(window));
  auto* mainTree = window.findChild<QTreeWidget*>("MainTree");
  QTreeWidgetItem* node = treeNode(mainTree, "Web Objects");
  QVERIFY(node);
  mainTree->setCurrentItem(node);

  auto* stats = window.findChild<TStatsForm*>();
  QCOMPARE(window.findChild<QStackedWidget*>("RightPanel")->currentWidget(), stats);
  QCOMPARE(stats->tabText(stats->currentIndex()), QString("Web Objects"));
  QTreeWidget* list = stats->list(StatisticsList::WebObjects);
  QStringList rows;
  for (int row = 0; row < list->topLevelItemCount(); ++row)
    rows << list->topLevelItem(row)->text(0) + "=" + list->topLevelItem(row)->text(1);
  QCOMPARE(rows, (QStringList{"Borland DB Web Grid=1", "Label=5", "Image Button=1", "html=1",
                              "body=1", "form=1", "p=1", "br=1"}));

  // Its "Save" writes every counted object, the comments and the directive included.
  QVERIFY(stats->savePage(tree.path() + "web.csv"));
  QCOMPARE(readFileBytes(tree.path() + "web.csv"),
           readFileBytes(std::string(SORVIK_FIXTURES) +
                         "stats-web-objects/csv/web-objects.csv.fixed.expected"));

  // Another page chooses its node in the tree.
  stats->setCurrentIndex(0);
  QCOMPARE(mainTree->currentItem(), treeNode(mainTree, "Statistics"));
}

}  // namespace sorvik

QTEST_MAIN(sorvik::WebWindowTest)
#include "web_window_test.moc"
