// The main window and its source view, driven as a user would, with stand-in analysers
// that report chosen results through the library's result funnel.
#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "forms/backup_log_form.h"
#include "forms/disclaimer_form.h"
#include "forms/edit_form.h"
#include "forms/line_colours.h"
#include "forms/main_form.h"
#include "forms/project_files_form.h"
#include "forms/rewrite_form.h"
#include "generic/paths.h"
#include "generic/text_file.h"
#include "project/config.h"
#include "project/project.h"
#include "project/project_files.h"
#include "project/results.h"
#include "window_fixture.h"

namespace sorvik::test {

namespace {

// A result a stand-in analyser reports while the driver walks its file.
struct Planned {
  std::string file;  // name of the unit
  int line;          // 1-based
  int kind;
  std::string text;
  ResultSpan span{};
  bool applied = false;
  SuggestionLines suggestions{};
};

// Reports the planned results of each unit: counted ones through AddResult, which keeps
// the tree (and one result per line), the others straight through AddOutput with their
// spans, as the analysers that keep spans do.
void planResults(AppContext& context, std::vector<Planned> planned, bool counted) {
  context.hooks.walkUnit = [planned = std::move(planned), counted](TProject& project, bool) {
    auto& results = project.report().Results;
    for (const auto& p : planned) {
      if (fileNameOf(project.CurrentFile) != p.file) continue;
      const size_t before = results.size();
      if (counted) {
        AddResult(project, p.kind, p.line - 1, p.text, nullptr, false, p.suggestions);
      } else {
        const std::string tag = p.kind >= 100 && p.kind < 200 ? "):[Warn] " : "):[Hint] ";
        AddOutput(project, p.line, tag + p.text, p.suggestions, 1, p.span, p.kind);
      }
      if (results.size() > before) results.back()->Applied = p.applied;
    }
    return true;
  };
}

const std::string kUnit =
    "unit Alpha;\r\n"                      // 1
    "\r\n"                                 // 2
    "implementation\r\n"                   // 3
    "\r\n"                                 // 4
    "procedure Run;\r\n"                   // 5
    "begin\r\n"                            // 6
    "  Caption := 'caf\xE9'; X := Y;\r\n"  // 7: Windows-1252
    "  Total := Sin(A) + Cos(A);\r\n"      // 8
    "  Lines.Add('one');\r\n"              // 9
    "end;\r\n"                             // 10
    "\r\n"                                 // 11
    "end.\r\n";                            // 12

template <class T>
T* child(QWidget& window, const char* name) {
  T* found = window.findChild<T*>(name);
  if (!found) qFatal("no child %s", name);
  return found;
}

QStringList texts(const QListWidget& list) {
  QStringList lines;
  for (int row = 0; row < list.count(); ++row) lines << list.item(row)->text();
  return lines;
}

QString tabCaption(QTabBar& tabs) {
  return tabs.tabText(tabs.currentIndex());
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void enablingRulesBeforeDuringAndAfterAScan();
  void treeNodeKeysAndChoosingAKind();
  void aClickPlacesTheSpanOrTheCaret_data();
  void aClickPlacesTheSpanOrTheCaret();
  void anAppliedRemovalIsOnlyReported();
  void lineColoursOfThePairs();
  void coloursComeFromConfig();
  void longFileNamesInTheTab();
  void editsAreSavedWithTheFilesOwnBytes();
  void aSuggestionIsAppliedAndUndoneInTheSourceView();
  void theRewriteDialogWantsAStep();
  void theRewriteAppliesEverySuggestionAndTheLogListsTheBackup();
  void aBinaryFormIsShownAsItsTextAndNeverWritten();
  void saveAsTextWritesTheVisibleList();
  void theDisclaimerAskedByTheWorkerIsAWindowDialog();
  void projectFilesFormBuildsAnOwnProject();
};

void MainFormTest::enablingRulesBeforeDuringAndAfterAScan() {
  TempTree tree;
  auto context = windowContext(tree);
  std::atomic<bool> walking = false, release = false;
  context->hooks.walkUnit = [&](TProject&, bool) {
    walking = true;
    while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return true;
  };
  TMainForm window(*context);
  ScriptedPrompter answers;
  context->prompter = &answers;
  auto* right = child<QStackedWidget>(window, "RightPanel");

  const QStringList opening = {"actNewProject", "actOpenProject", "btnExit"};
  QCOMPARE(enabledCommands(window), opening);
  QCOMPARE(window.windowTitle(), QString("sorvik"));
  QCOMPARE(right->currentWidget()->objectName(), QString("TStartForm"));

  QVERIFY(openProject(window, tree.writeProgram("Demo", {"Alpha"}, kUnit)));
  const QStringList open = {"actNewProject", "actOpenProject", "mnuCloseProject",
                            "btnStartScan",  "actSaveAsText",  "btnExit"};
  QCOMPARE(enabledCommands(window), open);
  QCOMPARE(window.windowTitle(), QString("sorvik - Demo.dpr"));
  QCOMPARE(right->currentWidget()->objectName(), QString("TfrmMenu"));

  window.Startscan1Click();
  QTRY_VERIFY(walking);
  QCOMPARE(enabledCommands(window), QStringList({"btnStop", "btnExit"}));
  QVERIFY(!child<QWidget>(window, "ProgressPanel")->isHidden());
  release = true;
  QTRY_VERIFY(!window.isBusy());
  QCOMPARE(enabledCommands(window), open);

  window.CloseProject1Click();
  QCOMPARE(enabledCommands(window), opening);
  QCOMPARE(window.windowTitle(), QString("sorvik"));

  // Only a project of sorvik's own can be edited.
  const std::string own =
      tree.write("Own.svk", "[Files]\r\nFile0=" + tree.path() + "Alpha.pas\r\n");
  QVERIFY(openProject(window, own));
  QVERIFY(enabledCommands(window).contains("actEditProject"));
}

void MainFormTest::treeNodeKeysAndChoosingAKind() {
  TempTree tree;
  auto context = windowContext(tree);
  planResults(*context,
              {{"Alpha.pas", 8, 17, "Use SinCos instead"},
               {"Alpha.pas", 7, 103, "Ampersand (&) is wrong in hint"},
               {"Beta.pas", 9, 101, "Object was created but not freed"},
               {"Beta.pas", 6, 17, "Use SinCos instead"}},
              true);
  TMainForm window(*context);
  QVERIFY(openProject(window, tree.writeProgram("Demo", {"Alpha", "Beta"}, kUnit)));
  QVERIFY(scanProject(window));

  auto* mainTree = child<QTreeWidget>(window, "MainTree");
  QVERIFY(!mainTree->isHidden());
  QStringList top;
  for (int i = 0; i < mainTree->topLevelItemCount(); ++i) top << mainTree->topLevelItem(i)->text(0);
  QCOMPARE(top, QStringList({"Statistics", "Hints (2)", "Warnings (2)"}));
  QTreeWidgetItem* hints = mainTree->topLevelItem(1);
  QTreeWidgetItem* warnings = mainTree->topLevelItem(2);
  QCOMPARE(hints->child(0)->text(0), QString("Use SinCos instead of both Sin and Cos (2)"));
  QCOMPARE(warnings->child(0)->text(0),
           QString("Ampersand (&) is wrong in hint, should be && (1)"));

  auto* tabs = child<QTabBar>(window, "OutputTabs");
  auto* category = child<QListWidget>(window, "CatListBox");
  auto* editForm = window.findChild<TEditForm*>();

  // A section node names no kind: nothing happens.
  mainTree->setCurrentItem(mainTree->topLevelItem(0));
  QCOMPARE(tabs->count(), 1);

  // A kind node fills the category page with that kind's lines in output order, and the
  // first line is opened.
  mainTree->setCurrentItem(hints->child(0));
  QCOMPARE(tabCaption(*tabs), QString("Selected Hints && Warnings  "));
  QCOMPARE(texts(*category), QStringList({"\"Alpha.pas\"(8):[Hint] Use SinCos instead",
                                          "\"Beta.pas\"(6):[Hint] Use SinCos instead"}));
  QCOMPARE(category->currentRow(), 0);
  QCOMPARE(fileNameOf(editForm->filePath()), std::string("Alpha.pas"));
  QCOMPARE(child<QLabel>(window, "CatHeader")->text(),
           QString("Use SinCos instead of both Sin and Cos"));

  // A kind text holding " (" still finds its kind.
  mainTree->setCurrentItem(warnings->child(0));
  QCOMPARE(texts(*category),
           QStringList({"\"Alpha.pas\"(7):[Warn] Ampersand (&) is wrong in hint"}));

  // The second line of the category list opens the other file at its line.
  mainTree->setCurrentItem(hints->child(0));
  category->setCurrentRow(1);
  QCOMPARE(fileNameOf(editForm->filePath()), std::string("Beta.pas"));
  int line = 0, index = 0;
  editForm->editor()->getCursorPosition(&line, &index);
  QCOMPARE(line, 5);
}

void MainFormTest::aClickPlacesTheSpanOrTheCaret_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("selected");  // the selected text, or "" for the caret alone
  QTest::addColumn<int>("caretLine");     // 0-based, where the caret stands
  QTest::addColumn<int>("caretIndex");
  QTest::addColumn<QStringList>("suggestions");
  // Rows of the output list, in the order planned below.
  QTest::newRow("span after a Windows-1252 character") << 0 << "X := Y" << 6 << 27 << QStringList();
  QTest::newRow("span after a UTF-8 character") << 1 << "X := Y" << 6 << 27 << QStringList();
  QTest::newRow("span over lines")
      << 2 << "Total := Sin(A) + Cos(A);\n  Lines" << 8 << 7 << QStringList();
  QTest::newRow("applied span: the caret") << 3 << "" << 7 << 2 << QStringList();
  QTest::newRow("no span: the caret at the start column")
      << 4 << "" << 8 << 2 << QStringList({"  Lines.Append('one');"});
  QTest::newRow("no column: the line's start") << 5 << "" << 6 << 0 << QStringList({"x;"});
}

void MainFormTest::aClickPlacesTheSpanOrTheCaret() {
  QFETCH(int, row);
  QFETCH(QString, selected);
  QFETCH(int, caretLine);
  QFETCH(int, caretIndex);
  QFETCH(QStringList, suggestions);

  TempTree tree;
  auto context = windowContext(tree);
  // The span of "X := Y" on line 7: bytes 22 to 27 in Windows-1252, one more in UTF-8.
  planResults(
      *context,
      {{"Alpha.pas", 7, 17, "span", {22, 7, 28}},
       {"Beta.pas", 7, 17, "span", {23, 7, 29}},
       {"Alpha.pas", 8, 101, "lines", {3, 9, 8}},
       {"Alpha.pas", 8, 17, "applied", {3, 8, 9}, true},
       {"Alpha.pas",
        9,
        17,
        "caret",
        {3, 0, 0},
        false,
        std::vector<std::string>{"  Lines.Append('one');"}},
       {"Alpha.pas", 7, 17, "no column", {}, false, std::vector<std::string>{"{Insert:}", "x;"}}},
      false);
  TMainForm window(*context);
  const std::string program = tree.writeProgram("Demo", {"Alpha", "Beta"}, kUnit);
  std::string utf8Unit = kUnit;
  utf8Unit.replace(utf8Unit.find('\xE9'), 1, "\xC3\xA9");
  tree.write("Beta.pas", utf8Unit);
  QVERIFY(openProject(window, program));
  QVERIFY(scanProject(window));

  auto* output = child<QListWidget>(window, "OutputBox");
  // Alpha's results come first, then Beta's: the planned order puts Beta's span second.
  const int planned[] = {0, 5, 1, 2, 3, 4};
  output->setCurrentRow(planned[row]);
  auto* editor = window.findChild<TEditForm*>()->editor();
  QCOMPARE(editor->selectedText(), selected);
  int line = 0, index = 0;
  editor->getCursorPosition(&line, &index);
  QCOMPARE(line, caretLine);
  QCOMPARE(index, caretIndex);
  auto* tabs = child<QTabBar>(window, "OutputTabs");
  if (suggestions.isEmpty()) {
    QVERIFY(tabCaption(*tabs) != QString("Suggestions  "));
  } else {
    QCOMPARE(tabCaption(*tabs), QString("Suggestions  "));
    QCOMPARE(texts(*child<QListWidget>(window, "SuggestionBox")), suggestions);
  }
}

void MainFormTest::anAppliedRemovalIsOnlyReported() {
  TempTree tree;
  auto context = windowContext(tree);
  planResults(
      *context,
      {{"Alpha.pas", 9, 17, "removed", {}, true, std::vector<std::string>{"{Remove line}"}}}, true);
  TMainForm window(*context);
  ScriptedPrompter answers;
  context->prompter = &answers;
  QVERIFY(openProject(window, tree.writeProgram("Demo", {"Alpha"}, kUnit)));
  QVERIFY(scanProject(window));

  child<QListWidget>(window, "OutputBox")->setCurrentRow(0);
  QCOMPARE(answers.messages,
           std::vector<std::string>{"info: This suggestion has been applied "
                                    "and\r\nthe lines of code have been removed."});
  QVERIFY(window.findChild<TEditForm*>()->filePath().empty());
  QVERIFY(!child<QAction>(window, "actViewSuggestion")->isEnabled());

  // Chosen through the tree, the first line of the category list is opened.
  answers.messages.clear();
  auto* mainTree = child<QTreeWidget>(window, "MainTree");
  mainTree->setCurrentItem(mainTree->topLevelItem(1));
  mainTree->setCurrentItem(mainTree->topLevelItem(1)->child(0));
  QCOMPARE(answers.messages, std::vector<std::string>{"info: This suggestion has been applied "
                                                      "and\rthe lines of code have been removed."});
}

void MainFormTest::lineColoursOfThePairs() {
  TempTree tree;
  auto context = windowContext(tree);
  const std::vector<std::string> remove = {"{Remove line}"};
  planResults(*context,
              {{"Alpha.pas", 5, 17, "hint"},
               {"Alpha.pas", 6, 101, "warning"},
               {"Alpha.pas", 7, 17, "applied", {}, true},
               {"Alpha.pas", 7, 101, "open beside an applied one"},
               {"Alpha.pas", 8, 17, "removed", {}, true, remove},
               {"Alpha.pas", 9, 17, "removed", {}, true, remove},
               {"Alpha.pas", 9, 101, "open beside a removal"}},
              false);
  TMainForm window(*context);
  QVERIFY(openProject(window, tree.writeProgram("Demo", {"Alpha"}, kUnit)));
  QVERIFY(scanProject(window));
  child<QListWidget>(window, "OutputBox")->setCurrentRow(0);

  auto* editor = window.findChild<TEditForm*>()->editor();
  const std::map<int, int> expected = {{4, kHintPair}, {5, kWarningPair}, {6, kAppliedPair},
                                       {7, -1},        {8, kWarningPair}, {9, -1}};
  for (const auto& [line, pair] : expected) {
    const unsigned markers = editor->markersAtLine(line);
    const long start = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    for (int p = 0; p < kColourPairs; ++p) {
      const int indicator = TEditForm::textIndicator(static_cast<ColourPair>(p));
      const long painted =
          editor->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, start + 1);
      QCOMPARE(std::make_tuple(line, p, (markers >> p) & 1u, painted != 0),
               std::make_tuple(line, p, unsigned(p == pair), p == pair));
    }
  }
}

void MainFormTest::coloursComeFromConfig() {
  Config config;
  config.file().loadText(
      "[Colors]\r\nBack0=clRed\r\nFore0=$FF0000\r\nBack1=255\r\nFore1=\r\nBack2=nonsense\r\n"
      "Back3=0x00FFFF\r\n");
  const LineColours colours = LineColours::fromConfig(config);
  QCOMPARE(colours.back[0], QColor(Qt::red));
  QCOMPARE(colours.fore[0], QColor(0, 0, 255));    // blue in the low byte order of config.ini
  QCOMPARE(colours.back[1], QColor(255, 0, 0));    // 255 is red
  QCOMPARE(colours.fore[1], QColor(Qt::white));    // empty: the default
  QCOMPARE(colours.back[2], QColor(255, 255, 0));  // no colour: the default yellow
  QCOMPARE(colours.back[3], QColor(255, 255, 0));
  QCOMPARE(colours.back[4], QColor(0, 128, 128));  // missing: the default
}

void MainFormTest::longFileNamesInTheTab() {
  TempTree tree;
  auto context = windowContext(tree);
  const std::string forty = std::string(36, 'A') + ".pas";
  const std::string fortyOne = "B" + forty;
  planResults(*context, {{forty, 7, 17, "hint"}, {fortyOne, 7, 17, "hint"}}, false);
  TMainForm window(*context);
  QVERIFY(openProject(
      window, tree.writeProgram("Demo", {forty.substr(0, 36), fortyOne.substr(0, 37)}, kUnit)));
  QVERIFY(scanProject(window));
  auto* output = child<QListWidget>(window, "OutputBox");
  auto* view = window.findChild<TEditForm*>();
  output->setCurrentRow(0);
  QCOMPARE(view->tabText(0), QString::fromStdString(forty));
  output->setCurrentRow(1);
  QCOMPARE(view->tabText(0), QString::fromStdString("..." + forty));
}

void MainFormTest::editsAreSavedWithTheFilesOwnBytes() {
  TempTree tree;
  auto context = windowContext(tree);
  planResults(*context, {{"Alpha.pas", 7, 17, "hint"}}, false);
  TMainForm window(*context);
  const std::string program = tree.writeProgram("Demo", {"Alpha"}, kUnit);
  const std::string unit = tree.write("Alpha.pas", "\xEF\xBB\xBF" + kUnit);
  QVERIFY(openProject(window, program));
  QVERIFY(scanProject(window));
  child<QListWidget>(window, "OutputBox")->setCurrentRow(0);

  auto* view = window.findChild<TEditForm*>();
  QVERIFY(!view->saveAction()->isEnabled());
  view->editor()->insertAt("// changed\n", 0, 0);
  QVERIFY(view->saveAction()->isEnabled());
  view->saveAction()->trigger();
  QVERIFY(!view->saveAction()->isEnabled());

  QFile saved(QString::fromStdString(unit));
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QCOMPARE(saved.readAll().toStdString(), "\xEF\xBB\xBF// changed\r\n" + kUnit);
}

// The selected result's suggestion replaces its line on disk and in the source view, the
// output line says it was applied, and undo brings both back.
void MainFormTest::aSuggestionIsAppliedAndUndoneInTheSourceView() {
  TempTree tree;
  auto context = windowContext(tree);
  planResults(*context,
              {{"Alpha.pas",
                8,
                17,
                "Use SinCos instead",
                {},
                false,
                std::vector<std::string>{"  SinCos(A, S, C); Total := S + C;"}}},
              false);
  TMainForm window(*context);
  ScriptedPrompter answers;
  context->prompter = &answers;
  const std::string program = tree.writeProgram("Demo", {"Alpha"}, kUnit);
  const std::string unit = tree.path() + "Alpha.pas";
  QVERIFY(openProject(window, program));
  QVERIFY(scanProject(window));
  auto* output = child<QListWidget>(window, "OutputBox");
  auto* apply = child<QAction>(window, "actApplySuggestion");
  auto* undo = child<QAction>(window, "actUndoSuggestion");
  QVERIFY(!apply->isEnabled());
  output->setCurrentRow(0);
  QVERIFY(apply->isEnabled());
  QVERIFY(!undo->isEnabled());

  apply->trigger();
  QCOMPARE(answers.messages, std::vector<std::string>{"change warning"});
  std::string changed = kUnit;
  changed.replace(changed.find("  Total := Sin(A) + Cos(A);"), 27,
                  "  SinCos(A, S, C); Total := S + C;");
  QCOMPARE(readFileBytes(unit).value_or(""), changed);
  auto* view = window.findChild<TEditForm*>();
  QCOMPARE(view->editor()->text(7), QString("  SinCos(A, S, C); Total := S + C;\n"));
  QVERIFY(output->item(0)->text().endsWith(" (Applied)"));
  QVERIFY(!apply->isEnabled());
  QVERIFY(undo->isEnabled());

  undo->trigger();
  QCOMPARE(readFileBytes(unit).value_or(""), kUnit);
  QCOMPARE(view->editor()->text(7), QString("  Total := Sin(A) + Cos(A);\n"));
  QVERIFY(!output->item(0)->text().endsWith(" (Applied)"));
  QVERIFY(apply->isEnabled());
  QVERIFY(!undo->isEnabled());
}

// Runs `act` on the modal dialog of class `Dialog` once it is shown.
template <class Dialog>
void onDialog(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    act(*dialog);
  });
}

QPushButton* buttonOf(QWidget& dialog, const QString& text) {
  for (auto* button : dialog.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

void MainFormTest::theRewriteDialogWantsAStep() {
  ScriptedPrompter answers;
  TRewriteForm dialog(answers, nullptr);
  QCOMPARE(dialog.windowTitle(), QString("Project Rewrite"));
  QVERIFY(dialog.choices().optimizations && dialog.choices().naming && dialog.choices().varCase);
  for (const char* name : {"chkOptimizations", "chkNaming", "chkVarCase"})
    child<QCheckBox>(dialog, name)->setChecked(false);
  dialog.show();
  buttonOf(dialog, "Start")->click();
  QCOMPARE(answers.messages, std::vector<std::string>{"warning: No options have been selected"});
  QVERIFY(dialog.isVisible());
  child<QCheckBox>(dialog, "chkNaming")->setChecked(true);
  buttonOf(dialog, "Start")->click();
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QVERIFY(!dialog.choices().optimizations && dialog.choices().naming);
}

void MainFormTest::theRewriteAppliesEverySuggestionAndTheLogListsTheBackup() {
  TempTree tree;
  auto context = windowContext(tree);
  planResults(
      *context,
      {{"Alpha.pas", 7, 17, "first", {}, false, std::vector<std::string>{"  X := Y;"}},
       {"Alpha.pas", 9, 17, "second", {}, false, std::vector<std::string>{"{Remove line}"}}},
      false);
  TMainForm window(*context);
  ScriptedPrompter answers;
  context->prompter = &answers;
  const std::string program = tree.writeProgram("Demo", {"Alpha"}, kUnit);
  QVERIFY(openProject(window, program));

  QSignalSpy ended(&window, &TMainForm::idle);
  onDialog<TRewriteForm>([](TRewriteForm& dialog) { buttonOf(dialog, "Start")->click(); });
  child<QAction>(window, "btnRewrite")->trigger();
  QVERIFY(ended.wait(30000));
  std::string changed = kUnit;
  const std::string line7 = "  Caption := 'caf\xE9'; X := Y;", line9 = "  Lines.Add('one');\r\n";
  changed.replace(changed.find(line7), line7.size(), "  X := Y;");
  changed.erase(changed.find(line9), line9.size());
  QCOMPARE(readFileBytes(tree.path() + "Alpha.pas").value_or(""), changed);
  QCOMPARE(answers.messages.back(),
           std::string("info: Project Rewrite complete.\r\r2 Applied Hints\rNo Applied "
                       "Warnings\rNo Applied Naming suggestions"));

  QStringList rows;
  onDialog<TBackupLogForm>([&rows](TBackupLogForm& dialog) {
    auto* list = dialog.findChild<QTreeWidget*>("BackupList");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      rows << list->topLevelItem(i)->text(0).section('/', -1) + " " +
                  list->topLevelItem(i)->text(1);
    dialog.accept();
  });
  child<QAction>(window, "actBackupLog")->trigger();
  QCOMPARE(rows, QStringList{"Alpha.pas " + QString::fromStdString(tree.path()) + "Alpha.pas"});
}

void MainFormTest::aBinaryFormIsShownAsItsTextAndNeverWritten() {
  TempTree tree;
  // A form stream behind the 16-bit resource header that binary form files carry.
  constexpr char kStream[] =
      "TPF0\x06TForm1\x05"
      "Form1\x04Left\x02\x0A\x00\x00";
  const std::string stream(kStream, sizeof kStream - 1);
  std::string header(
      "\xFF\x0A\x00"
      "FORM1\x00\x30\x10",
      11);
  for (int shift = 0; shift < 32; shift += 8) header += static_cast<char>(stream.size() >> shift);
  const std::string form = tree.write("Form1.dfm", header + stream);
  auto context = windowContext(tree);
  context->hooks.walkUnit = [form](TProject& project, bool) {
    const std::string unit = project.CurrentFile;
    project.CurrentFile = form;
    AddOutput(project, 2, "):[Hint] Tag = 0", {}, 1, {}, 0);
    project.CurrentFile = unit;
    return true;
  };
  TMainForm window(*context);
  QVERIFY(openProject(window, tree.writeProgram("Demo", {"Alpha"}, kUnit)));
  QVERIFY(scanProject(window));
  child<QListWidget>(window, "OutputBox")->setCurrentRow(0);

  auto* view = window.findChild<TEditForm*>();
  QCOMPARE(view->filePath(), form);
  QVERIFY(view->editor()->text().contains("object Form1: TForm1"));
  QVERIFY(view->editor()->isReadOnly());
  QVERIFY(!view->saveFile());
}

void MainFormTest::saveAsTextWritesTheVisibleList() {
  TempTree tree;
  auto context = windowContext(tree);
  planResults(*context, {{"Alpha.pas", 7, 17, "one"}, {"Alpha.pas", 8, 101, "two"}}, true);
  TMainForm window(*context);
  ScriptedPrompter answers;
  context->prompter = &answers;
  QVERIFY(openProject(window, tree.writeProgram("Demo", {"Alpha"}, kUnit)));
  QVERIFY(scanProject(window));
  const std::string all = tree.path() + "all.txt";
  QVERIFY(window.saveOutputAsText(all));
  QFile file(QString::fromStdString(all));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll().toStdString(),
           std::string("\"Alpha.pas\"(7):[Hint] one\r\n\"Alpha.pas\"(8):[Warn] two\r\n"));

  QVERIFY(!window.saveOutputAsText(tree.path() + "missing/folder/out.txt"));
  QCOMPARE(answers.messages, std::vector<std::string>{"error: Error saving output to text file"});
}

void MainFormTest::theDisclaimerAskedByTheWorkerIsAWindowDialog() {
  TempTree tree;
  auto context = windowContext(tree, "", true);
  TMainForm window(*context);
  // The opening worker waits for the dialog, which the window thread shows; the answer
  // "Yes, and do not show again" reaches the library.
  bool shown = false;
  QTimer answer;
  connect(&answer, &QTimer::timeout, &window, [&] {
    auto* form = qobject_cast<TDisclaimerform*>(QApplication::activeModalWidget());
    if (!form) return;
    shown = true;
    form->findChild<QCheckBox*>()->setChecked(true);
    form->accept();
    answer.stop();
  });
  answer.start(20);
  QVERIFY(openProject(window, tree.writeProgram("Demo", {"Alpha"}, kUnit)));
  QVERIFY(shown);
  QVERIFY(!context->config.readBool("General", "Disclaimer", true));
}

void MainFormTest::projectFilesFormBuildsAnOwnProject() {
  TempTree tree;
  auto context = windowContext(tree);
  ScriptedPrompter answers;
  context->prompter = &answers;
  const std::string alpha = tree.write("src/Alpha.pas", kUnit);
  tree.write("src/Alpha.dfm", "object F: TForm\r\nend\r\n");
  tree.write("src/notes.txt", "not a source file");
  tree.write("src/sub/Deeper.pas", kUnit);

  TProjectFilesForm form(*context, "", nullptr);
  form.OKBtnClick();
  form.addSource(tree.path() + "src");
  form.addSource(alpha);
  QCOMPARE(answers.messages,
           (std::vector<std::string>{
               "warning: You have not added any source files",
               "ask: Do you want to add all the source files in this directory," + tree.path() +
                   "src, to your project?",
               "warning: This file has already been added to your project :\r\rAlpha.pas"}));
  QCOMPARE(form.files(), (std::vector<std::string>{tree.path() + "src/Alpha.dfm", alpha}));

  const std::string project = tree.path() + "Own.svk";
  form.chooseProjectPath = [&] { return project; };
  form.OKBtnClick();
  QCOMPARE(form.result(), int(QDialog::Accepted));
  std::vector<std::string> files;
  QVERIFY(ReadOwnProject(project, files));
  QCOMPARE(files, form.files());
}

}  // namespace sorvik::test

QTEST_MAIN(sorvik::test::MainFormTest)
#include "main_form_test.moc"
