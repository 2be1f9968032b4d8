// The main window: the commands, the category tree, the right-hand panel (start page,
// command page or source view) and the output pages below. Runs and openings go to a
// worker thread; the window shows what the bridge brings and owns the project again
// once the worker has ended.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "changes/apply_comment_headers.h"
#include "changes/rewrite.h"
#include "forms/line_colours.h"
#include "forms/run_bridge.h"
#include "project/recent_list.h"
#include "project/scan_driver.h"

class QAction;
class QLabel;
class QListWidget;
class QProgressBar;
class QStackedWidget;
class QTabBar;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

namespace sorvik {

inline constexpr const char* kCloseQuestion =
    "Are you sure you want to close the existing project ?";

struct AppContext;
class TProject;
struct TFrontOutput;
class TEditForm;
struct SpellRow;
class TStartForm;
class TStatsForm;
class TfrmMenu;
class WindowPrompter;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Sets itself as the context's observer and prompter.
  explicit TMainForm(AppContext& context, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Opens a project (open dialog, recent entry, start page, command line) on the worker.
  void OpenProjectFile(const std::string& path);
  void OpenProject1Click();
  void NewProject1Click();
  void Editproject1Click();
  void CloseProject1Click();
  void Startscan1Click();
  // The naming run, and the rename run of the suggestions ticked on the naming page.
  void Startnamingcheck1Click();
  void ApplyNamingSuggestions1Click();
  // The search dialog, then the search of its options on the worker.
  void Startsearch1Click();
  // The overview run; its advice shows on the source view's "Discuss" page.
  void StartOverview1Click();
  // The comment builder's wizard, then its headers written into the units on the worker.
  void CommentBuilder1Click();
  // Asks which steps to run, then runs the rewrite on the worker.
  void StartRewrite1Click();
  void ViewBackupLog1Click();
  void NamingOptions1Click();
  // The spelling run on the project; on the forms of an executable chosen in a dialog, or
  // given; the spelling options.
  void Startspellcheck1Click();
  void Spellcheckexe1Click();
  void SpellCheckExecutable(const std::string& path);
  void SpellingOptions1Click();
  // The spelling page's buttons, on the selected words.
  void AddToCustomDictionary1Click();
  void IgnoreForNow1Click();
  void Stop1Click();
  void RecentItemClick(int number);
  void SaveAsText1Click();
  void ViewSuggestion1Click();
  // Applies the selected result's replacement lines to its file / undoes the last one.
  void ApplySuggestion1Click();
  void UndoSuggestion1Click();
  // Writes the lines of the visible output list; false (the user is told) on failure.
  bool saveOutputAsText(const std::string& path);

  TProject* project() const { return project_.get(); }
  // An opening or a run is going on.
  bool isBusy() const { return busy_ != Busy::Idle; }

 signals:
  // An opening or a run has ended and the window owns the project again.
  void idle();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class Busy { Idle, Opening, Running };
  enum class OutputPage { All, Some, Suggestions };

  void buildActions();
  void buildMenus();
  void buildLayout();
  QWidget* buildProgressPanel();
  QWidget* buildOutputPanel();
  void updateCommands();
  void updateCaption();
  void showRecent();

  void startWorker(std::function<void()> work, void (TMainForm::*done)());
  void finishWorker();
  void openFinished();
  void runFinished();
  void rewriteFinished();
  void namingFinished();
  void spellFinished();
  void connectSpellingPage();
  // The suggestions for the word of the spelling page's row ("": none chosen).
  void showSpellSuggestions(const std::string& word);
  void spellingRowSelected(const SpellRow& row);
  void openSpellingRow(const SpellRow& row);
  // A spelling correction can be applied: a spelling result that is not applied is
  // selected, and one of its suggestions.
  bool spellingCorrectionChosen() const;
  // Applies the suggestion chosen to spelling result `index` and marks its row.
  bool applySpellingCorrection(size_t index);
  void searchFinished();
  // The file of search hit `row` in the suggestion list, its line chosen.
  void showSearchHit(int row);
  void overviewFinished();
  void commentsFinished();
  // The project discussion of the last overview run on the "Discuss" page.
  void showDiscussion();
  // Sets the modes of `command` and starts its run.
  void startCommand(StartCommand command, void (TMainForm::*done)());
  // Empties the views and starts `work`, a run of the project, on the worker.
  void beginRun(std::function<void()> work, void (TMainForm::*done)());
  void projectOpened();
  void reloadOwnProject();
  void closeProject();
  void clearResultViews();

  void applyRunUpdate(const RunUpdate& update);
  void showTree(const std::vector<TreeNode>& nodes);
  void indexOutput();

  void MainTreeChange(QTreeWidgetItem* item);
  // The statistics view on the page of a key of the tree's "Statistics" node.
  void showStatistics(const std::string& key);
  // Marks the tree's node of that key without choosing it again.
  void showKeyInTree(const std::string& key);
  void showCategory(int kind, const QString& header);
  // Marks the tree node of a kind without choosing it again.
  void showKindInTree(int kind);
  void OutputBoxClick(int row);
  void CatListBoxClick(int row);
  void openResult(size_t index, bool fromCategoryList);
  void fillCategoryList(int kind, const TFrontOutput* selected);
  void showSuggestions(const TFrontOutput& result);
  // Shows result `index` again after its file changed, and its output line as it now reads.
  void showChange(size_t index);

  int tabOf(OutputPage page) const;
  void addOutputTab(OutputPage page, const QString& caption, int position);
  void removeOutputTab(OutputPage page);
  void showOutputPage(OutputPage page);
  void focusOutputList();

  void showRightPanel(QWidget* page);

  AppContext& context_;
  RunBridge bridge_;
  WindowPrompter* prompter_;
  LineColours colours_;
  RecentList recent_;
  std::unique_ptr<TProject> project_;
  std::unique_ptr<TProject> opened_;  // written by the opening worker
  std::string openingPath_;
  std::unique_ptr<QThread> worker_;
  Busy busy_ = Busy::Idle;
  bool closeWhenIdle_ = false;
  bool namingRan_ = false;         // the last run was a naming run: its suggestions can be applied
  RewriteOutcome rewriteOutcome_;  // written by the rewrite's worker
  CommentRequest commentRequest_;  // what the comment builder's wizard asked for
  CommentOutcome commentOutcome_;  // written by the comment builder's worker

  // Output list row -> result index, and a display line -> its first row.
  std::vector<size_t> outputResults_;
  std::unordered_map<std::string, int> firstRowOfLine_;
  std::vector<std::string> categoryLines_;
  std::optional<size_t> selectedResult_;
  OutputPage resultsPage_ = OutputPage::All;   // where the last result was chosen
  QTreeWidgetItem* treeItemChosen_ = nullptr;  // made current by the last change

  QAction* actNewProject;
  QAction* actOpenProject;
  QAction* actEditProject;
  QAction* mnuCloseProject;
  QAction* btnStartScan;
  QAction* btnStop;
  QAction* btnRewrite;
  QAction* btnChecknaming;
  QAction* btnStartSearch;
  QAction* btnStartDiscuss;
  QAction* btnCommentBuilder;
  QAction* Applynamingsuggestions1;
  QAction* actNamingOptions;
  QAction* btnStartSpell;
  QAction* actSpellCheckExe;
  QAction* actSpellingOptions;
  QAction* actBackupLog;
  QAction* actSaveAsText;
  QAction* actViewSuggestion;
  QAction* actApplySuggestion;
  QAction* actUndoSuggestion;
  QAction* actAbout;
  QAction* btnExit;
  std::vector<QAction*> recentItems_;

  QTreeWidget* MainTree;
  QStackedWidget* RightPanel;
  TStartForm* startForm_;
  TfrmMenu* menuForm_;
  TEditForm* editForm_;
  TStatsForm* statsForm_;
  bool statisticsShown_ = false;  // the statistics view holds the last run
  QWidget* outputPanel_;
  QTabBar* OutputTabs;
  QStackedWidget* outputPages_;
  QListWidget* OutputBox;
  QListWidget* CatListBox;
  QLabel* catHeader_;
  QListWidget* SuggestionBox;
  QLabel* suggestionLabel_;
  QWidget* progressPanel_;
  QLabel* progressHeading_;
  QLabel* fileLabel_;
  QLabel* resultsLabel_;
  QProgressBar* progressBar_;
  QLabel* statusLabel_;
};

}  // namespace sorvik
