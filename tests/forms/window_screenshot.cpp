// Pictures of the main window for a person to look at: the start page, an opened
// project, a finished scan, a result shown in the source, a category chosen in the tree,
// the naming page, the spelling page, the hits of a search, the overview's advice and the
// comment builder's wizard. The scan's results come from a stand-in analyser that reports a
// few findings on the example project through the library's result funnel, as the checks
// will; one of them is applied to a copy of the project.
//
//   window_screenshot OUTDIR [PROJECT]   (under Xvfb or another display server)
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <thread>

#include "forms/comment_builder_form.h"
#include "forms/edit_form.h"
#include "forms/main_form.h"
#include "forms/search_dialog.h"
#include "forms/search_page.h"
#include "forms/spelling_page.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "project/recent_list.h"
#include "project/results.h"
#include "window_fixture.h"

namespace sorvik::test {

namespace {

struct Finding {
  const char* file;
  int line;  // 1-based
  int kind;
  const char* text;
  const char* spanned;     // the text the span covers, or ""
  const char* suggestion;  // or ""
};

constexpr Finding kFindings[] = {
    {"MainForm.pas", 57, 109, "Format command has invalid parameters",
     "Format('%d items in %s', [FItemCount])", ""},
    {"MainForm.pas", 64, 1, "Both Is and As together are not required, just Is", "",
     "    TButton(Sender).Caption := 'Working...';"},
    {"MainForm.pas", 93, 12, "Use resources for this string", "'The report was written to '", ""},
    {"StockUnit.pas", 58, 102, "Incorrect MessageDialog", "", ""},
    {"StockUnit.pas", 69, 101, "Object was created but not freed", "", ""},
};

void reportFindings(TProject& project) {
  const auto lines = readLines(project.CurrentFile);
  for (const Finding& f : kFindings) {
    if (!sameText(fileNameOf(project.CurrentFile), f.file) || !lines) continue;
    ResultSpan span;
    const std::string& line = (*lines)[static_cast<size_t>(f.line) - 1];
    if (const size_t at = line.find(f.spanned); *f.spanned && at != std::string::npos) {
      span.startCol = static_cast<int>(at) + 1;
      span.endCol = span.startCol + static_cast<int>(std::string(f.spanned).size());
      span.endLine = f.line;
    }
    SuggestionLines suggestion;
    if (*f.suggestion) suggestion = std::vector<std::string>{f.suggestion};
    AddResult(project, f.kind, f.line - 1, f.text, nullptr, false, std::move(suggestion), 1, span);
  }
}

bool save(QWidget& window, const QString& folder, const char* name) {
  QTest::qWait(300);
  const QString path = folder + "/" + name;
  const bool saved = window.grab().save(path);
  std::cout << (saved ? "wrote " : "could not write ") << path.toStdString() << '\n';
  return saved;
}

QListWidgetItem* rowOf(QListWidget& list, const QString& start) {
  for (int row = 0; row < list.count(); ++row)
    if (list.item(row)->text().startsWith(start)) return list.item(row);
  return nullptr;
}

}  // namespace

// A copy of the project's folder in `home`, so that applying a suggestion leaves the
// original alone; the copy's project file.
std::string copyProject(const TempTree& home, const std::string& project) {
  namespace fs = std::filesystem;
  const fs::path copy = fs::path(home.path()) / "project";
  fs::copy(fs::path(project).parent_path(), copy, fs::copy_options::recursive);
  return (copy / fs::path(project).filename()).string();
}

// Shows the window at the pictures' size and opens the project in it.
bool showOpened(TMainForm& window, const std::string& project) {
  window.resize(1360, 860);
  window.show();
  return QTest::qWaitForWindowExposed(&window) && openProject(window, project);
}

// The window on a copy of a fixture's project once `command` has run, given to `picture`.
bool afterCommand(const char* fixture, void (TMainForm::*command)(),
                  const std::function<bool(TMainForm&)>& picture) {
  TempTree home;
  const std::string project = copyProject(home, std::string(SORVIK_FIXTURES) + fixture);
  auto context = windowContext(home);
  TMainForm window(*context);
  if (!showOpened(window, project)) return false;
  QSignalSpy ended(&window, &TMainForm::idle);
  (window.*command)();
  return ended.wait(30000) && picture(window);
}

// The naming page after "Start Naming" on the rename fixture, two lines ticked.
bool takeNamingScreenshot(const QString& folder) {
  return afterCommand("rename-across-files/Shop.dpr", &TMainForm::Startnamingcheck1Click,
                      [&folder](TMainForm& window) {
                        auto* components = window.findChild<QListWidget*>("ComponentRenames");
                        if (!components || components->count() < 4) return false;
                        components->item(0)->setCheckState(Qt::Checked);
                        components->item(3)->setCheckState(Qt::Checked);
                        return save(window, folder, "window-9-naming.png");
                      });
}

// The advice of "Start Overview" on the overview fixture, on the "Discuss" page.
bool takeOverviewScreenshot(const QString& folder) {
  return afterCommand(
      "overview-advice/Shop.dpr", &TMainForm::StartOverview1Click,
      [&folder](TMainForm& window) { return save(window, folder, "window-10-overview.png"); });
}

// The comment builder's wizard on its style page and on its preview, the details answered.
bool takeCommentBuilderScreenshots(const QString& folder) {
  TCommentBuilderForm wizard({true, true}, nullptr);
  wizard.show();
  if (!QTest::qWaitForWindowExposed(&wizard)) return false;
  bool ok = save(wizard, folder, "window-11-comment-intro.png");
  wizard.next();
  ok &= save(wizard, folder, "window-12-comment-style.png");
  wizard.next();
  const std::pair<const char*, const char*> answers[] = {{"EdtQuest0", "Inventory"},
                                                         {"EdtQuest2", "Northwind Traders"}};
  for (const auto& [name, text] : answers) {
    if (auto* edit = wizard.findChild<QLineEdit*>(name)) edit->setText(text);
  }
  ok &= save(wizard, folder, "window-13-comment-details.png");
  wizard.next();
  return ok && save(wizard, folder, "window-14-comment-preview.png");
}

// The spelling page after "Start Spell Check" on the example project, the second word
// chosen and its suggestions shown.
bool takeSpellingScreenshot(const QString& folder, const std::string& original) {
  TempTree home;
  const std::string project = copyProject(home, original);
  auto context = windowContext(home);
  TMainForm window(*context);
  if (!showOpened(window, project)) return false;
  QSignalSpy ended(&window, &TMainForm::idle);
  window.Startspellcheck1Click();
  if (!ended.wait(30000)) return false;
  QTreeWidget* list = window.findChild<TEditForm*>()->spellingPage()->resultList();
  if (list->topLevelItemCount() < 2) return false;
  list->setCurrentItem(list->topLevelItem(1));
  return save(window, folder, "window-10-spelling.png");
}

// The search dialog, and the results list after "Start Search" for "free" on the search
// fixture, a hit chosen: its file in the suggestion list below.
bool takeSearchScreenshot(const QString& folder) {
  TempTree home;
  const std::string project =
      copyProject(home, std::string(SORVIK_FIXTURES) + "search-plain/Library1.dpr");
  auto context = windowContext(home);
  TMainForm window(*context);
  if (!showOpened(window, project)) return false;
  QTimer::singleShot(0, [folder] {
    if (auto* dialog = qobject_cast<TfrmSorvikscan*>(QApplication::activeModalWidget())) {
      dialog->searchEdit()->setText("free");
      dialog->grab().save(folder + "/window-10-search-dialog.png");
      dialog->confirm();
    }
  });
  QSignalSpy ended(&window, &TMainForm::idle);
  window.Startsearch1Click();
  if (window.isBusy() && !ended.wait(30000)) return false;
  QTreeWidget* list = window.findChild<TEditForm*>()->searchPage()->list();
  if (list->topLevelItemCount() < 6) return false;
  list->setCurrentItem(list->topLevelItem(5));
  emit list->itemClicked(list->topLevelItem(5), 0);
  return save(window, folder, "window-11-search.png");
}

int takeScreenshots(const QString& folder, const std::string& original) {
  QDir().mkpath(folder);
  TempTree home;
  const std::string project = copyProject(home, original);
  auto context = windowContext(home, "Applychange=0\r\n[Recent]\r\nFile1=" + lowerCase(project) +
                                         "\r\nDate1=" + todayText() + "\r\n");
  context->hooks.walkUnit = [](TProject& p, bool) {
    reportFindings(p);
    // Long enough to see the window while a run goes on.
    if (sameText(fileNameOf(p.CurrentFile), "StockUnit.pas"))
      std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    return true;
  };
  TMainForm window(*context);
  window.resize(1360, 860);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  bool ok = save(window, folder, "window-1-start.png");

  if (!openProject(window, project)) return 1;
  ok &= save(window, folder, "window-2-opened.png");
  QSignalSpy ended(&window, &TMainForm::idle);
  window.Startscan1Click();
  ok &= save(window, folder, "window-3-scanning.png");
  if (!ended.wait(30000)) return 1;
  ok &= save(window, folder, "window-4-scanned.png");

  auto& output = *window.findChild<QListWidget*>("OutputBox");
  output.setFocus();
  output.setCurrentItem(rowOf(output, "\"MainForm.pas\"(57)"));
  ok &= save(window, folder, "window-5-result.png");
  output.setCurrentItem(rowOf(output, "\"MainForm.pas\"(64)"));
  ok &= save(window, folder, "window-6-suggestion.png");
  window.findChild<QAction*>("actApplySuggestion")->trigger();
  ok &= save(window, folder, "window-6-applied.png");

  auto& tree = *window.findChild<QTreeWidget*>("MainTree");
  const auto warnings = tree.findItems("Warnings", Qt::MatchStartsWith);
  if (!warnings.isEmpty() && warnings.front()->childCount() > 1)
    tree.setCurrentItem(warnings.front()->child(1));
  ok &= save(window, folder, "window-7-category.png");

  // A form's result: the form text without a lexer.
  if (QListWidgetItem* form = rowOf(output, "\"MainForm.dfm\"")) {
    output.setCurrentItem(form);
    ok &= save(window, folder, "window-8-form.png");
  }
  return (ok && takeNamingScreenshot(folder) && takeSpellingScreenshot(folder, original) &&
          takeSearchScreenshot(folder) && takeOverviewScreenshot(folder) &&
          takeCommentBuilderScreenshots(folder))
             ? 0
             : 1;
}

}  // namespace sorvik::test

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  const QString folder = arguments.value(1, "screens");
  const std::string project =
      arguments.size() > 2 ? arguments[2].toStdString() : std::string(SORVIK_EXAMPLE_PROJECT);
  return sorvik::test::takeScreenshots(folder, project);
}
