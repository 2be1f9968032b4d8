#include "forms/main_form.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QThread>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>

#include "changes/apply_naming_suggestions.h"
#include "changes/apply_suggestion.h"
#include "checks/hint_catalogue.h"
#include "checks/project_discuss.h"
#include "forms/backup_log_form.h"
#include "forms/comment_builder_form.h"
#include "forms/edit_form.h"
#include "forms/menu_form.h"
#include "forms/naming_options_form.h"
#include "forms/naming_page.h"
#include "forms/page_widgets.h"
#include "forms/project_files_form.h"
#include "forms/qt_text.h"
#include "forms/rewrite_form.h"
#include "forms/search_dialog.h"
#include "forms/search_page.h"
#include "forms/spelling_page.h"
#include "forms/start_form.h"
#include "forms/stats_form.h"
#include "forms/window_prompter.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "naming/naming_lists.h"
#include "project/open_project.h"
#include "project/project.h"
#include "project/project_files.h"
#include "project/result_kinds.h"
#include "project/scan_driver.h"
#include "report/result_view.h"
#include "search/search_run.h"

namespace sorvik {

namespace {

constexpr const char* kAllTab = "All Hints && Warnings";
constexpr const char* kNamingTab = "Naming suggestions  ";
constexpr const char* kSearchTab = "Search  ";
constexpr const char* kSomeTab = "Selected Hints && Warnings  ";
constexpr const char* kSuggestionsTab = "Suggestions  ";

// The categories whose children name result kinds.
bool isCategoryKey(const std::string& key) {
  for (const char* category : {"Hints", "Warnings", "Delphi Hints", "ASP Hints", "Naming"})
    if (key == category) return true;
  return false;
}

QAction* makeAction(QObject* owner, const char* name, const QString& caption,
                    const QKeySequence& key = {}) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(name);
  if (!key.isEmpty()) {
    action->setShortcut(key);
    action->setToolTip(caption + " (" + key.toString(QKeySequence::NativeText) + ")");
  }
  return action;
}

void addTreeNodes(QTreeWidgetItem* parent, const std::vector<TreeNode>& nodes) {
  for (const auto& node : nodes) {
    const QString text = qtText(node.text);
    auto* item = new QTreeWidgetItem(parent, QStringList(text));
    // Kind texts are long; the whole text shows when the tree is narrower than it.
    item->setToolTip(0, text);
    addTreeNodes(item, node.children);
  }
}

}  // namespace

TMainForm::TMainForm(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), prompter_(new WindowPrompter(this)) {
  setObjectName("TMainForm");
  context_.observer = &bridge_;
  context_.prompter = prompter_;
  // Start-up order: the recent list, then the line colours.
  recent_.LoadRecent(context_.config);
  colours_ = LineColours::fromConfig(context_.config);

  buildActions();
  buildLayout();
  buildMenus();
  connectSpellingPage();
  connect(&bridge_, &RunBridge::updated, this, &TMainForm::applyRunUpdate);
  showRecent();
  updateCaption();
  updateCommands();
  showRightPanel(startForm_);
  resize(1200, 800);
}

TMainForm::~TMainForm() {
  if (worker_) {
    bridge_.requestStop();
    worker_->wait();
  }
  if (context_.observer == &bridge_) context_.observer = nullptr;
  if (context_.prompter == prompter_) context_.prompter = nullptr;
}

// ---------------------------------------------------------------------------------------
// Building

void TMainForm::buildActions() {
  QStyle* look = style();
  actNewProject = makeAction(this, "actNewProject", "New Project", QKeySequence::New);
  actNewProject->setIcon(look->standardIcon(QStyle::SP_FileIcon));
  actOpenProject = makeAction(this, "actOpenProject", "Open Project", QKeySequence::Open);
  actOpenProject->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
  actEditProject =
      makeAction(this, "actEditProject", "Edit Project", QKeySequence(Qt::CTRL | Qt::Key_E));
  mnuCloseProject =
      makeAction(this, "mnuCloseProject", "Close Project", QKeySequence(Qt::CTRL | Qt::Key_W));
  mnuCloseProject->setIcon(look->standardIcon(QStyle::SP_TitleBarCloseButton));
  btnStartScan = makeAction(this, "btnStartScan", "Start Scan", QKeySequence(Qt::Key_F3));
  btnStartScan->setIcon(look->standardIcon(QStyle::SP_MediaPlay));
  btnStop = makeAction(this, "btnStop", "Stop", QKeySequence(Qt::Key_Escape));
  btnRewrite = makeAction(this, "btnRewrite", "Start Rewrite");
  btnChecknaming = makeAction(this, "btnChecknaming", "Start Naming", QKeySequence(Qt::Key_F5));
  btnStartSearch = makeAction(this, "btnStartSearch", "Start Search", QKeySequence(Qt::Key_F9));
  btnStartDiscuss = makeAction(this, "btnStartDiscuss", "Start Overview");
  btnStartDiscuss->setIcon(look->standardIcon(QStyle::SP_FileDialogInfoView));
  btnCommentBuilder = makeAction(this, "btnCommentBuilder", "Start Comment Builder");
  actNamingOptions = makeAction(this, "actNamingOptions", "Naming options");
  Applynamingsuggestions1 = makeAction(this, "Applynamingsuggestions1", "Apply naming suggestions",
                                       QKeySequence(Qt::Key_F6));
  btnStartSpell = makeAction(this, "btnStartSpell", "Start Spell Check", QKeySequence(Qt::Key_F4));
  actSpellCheckExe =
      makeAction(this, "actSpellCheckExe", "Spell check .exe", QKeySequence(Qt::Key_F7));
  actSpellingOptions = makeAction(this, "actSpellingOptions", "Spelling options");
  actBackupLog = makeAction(this, "actBackupLog", "View Backup log");
  btnStop->setIcon(look->standardIcon(QStyle::SP_MediaStop));
  actSaveAsText = makeAction(this, "actSaveAsText", "Save as text",
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  actViewSuggestion = makeAction(this, "actViewSuggestion", "View Suggestion");
  actApplySuggestion = makeAction(this, "actApplySuggestion", "Apply suggestion",
                                  QKeySequence(Qt::CTRL | Qt::Key_R));
  actUndoSuggestion = makeAction(this, "actUndoSuggestion", "Undo suggestion");
  actAbout = makeAction(this, "actAbout", "About");
  btnExit = makeAction(this, "btnExit", "Exit", QKeySequence::Quit);

  connect(actNewProject, &QAction::triggered, this, &TMainForm::NewProject1Click);
  connect(actOpenProject, &QAction::triggered, this, &TMainForm::OpenProject1Click);
  connect(actEditProject, &QAction::triggered, this, &TMainForm::Editproject1Click);
  connect(mnuCloseProject, &QAction::triggered, this, &TMainForm::CloseProject1Click);
  connect(btnStartScan, &QAction::triggered, this, &TMainForm::Startscan1Click);
  connect(btnStop, &QAction::triggered, this, &TMainForm::Stop1Click);
  connect(btnRewrite, &QAction::triggered, this, &TMainForm::StartRewrite1Click);
  connect(btnChecknaming, &QAction::triggered, this, &TMainForm::Startnamingcheck1Click);
  connect(btnStartDiscuss, &QAction::triggered, this, &TMainForm::StartOverview1Click);
  connect(btnCommentBuilder, &QAction::triggered, this, &TMainForm::CommentBuilder1Click);
  connect(actNamingOptions, &QAction::triggered, this, &TMainForm::NamingOptions1Click);
  connect(btnStartSearch, &QAction::triggered, this, &TMainForm::Startsearch1Click);
  connect(Applynamingsuggestions1, &QAction::triggered, this,
          &TMainForm::ApplyNamingSuggestions1Click);
  connect(btnStartSpell, &QAction::triggered, this, &TMainForm::Startspellcheck1Click);
  connect(actSpellCheckExe, &QAction::triggered, this, &TMainForm::Spellcheckexe1Click);
  connect(actSpellingOptions, &QAction::triggered, this, &TMainForm::SpellingOptions1Click);
  connect(actBackupLog, &QAction::triggered, this, &TMainForm::ViewBackupLog1Click);
  connect(actSaveAsText, &QAction::triggered, this, &TMainForm::SaveAsText1Click);
  connect(actViewSuggestion, &QAction::triggered, this, &TMainForm::ViewSuggestion1Click);
  connect(actApplySuggestion, &QAction::triggered, this, &TMainForm::ApplySuggestion1Click);
  connect(actUndoSuggestion, &QAction::triggered, this, &TMainForm::UndoSuggestion1Click);
  connect(actAbout, &QAction::triggered, this, [this] {
    QMessageBox::about(this, "About sorvik",
                       "sorvik " + QApplication::applicationVersion() +
                           "\n\nA static analyser for Delphi projects.");
  });
  connect(btnExit, &QAction::triggered, this, &QWidget::close);

  for (int number = 1; number <= RecentList::kMaxEntries; ++number) {
    auto* item = new QAction(this);
    item->setObjectName(QString("RecentItem%1").arg(number));
    connect(item, &QAction::triggered, this, [this, number] { RecentItemClick(number); });
    recentItems_.push_back(item);
  }
}

void TMainForm::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addActions({actNewProject, actOpenProject, actEditProject, mnuCloseProject});
  file->addSeparator();
  file->addAction(actSaveAsText);
  file->addSeparator();
  for (QAction* item : recentItems_) file->addAction(item);
  file->addSeparator();
  file->addAction(btnExit);

  QMenu* edit = menuBar()->addMenu("&Edit");
  edit->addActions({btnStartScan, btnStop, btnStartDiscuss, btnRewrite, btnStartSpell,
                    actSpellCheckExe, btnChecknaming, Applynamingsuggestions1, btnStartSearch,
                    btnCommentBuilder});
  edit->addSeparator();
  edit->addActions({actBackupLog, actSpellingOptions, actNamingOptions});
  edit->addSeparator();
  edit->addActions(
      {actViewSuggestion, actApplySuggestion, actUndoSuggestion, editForm_->saveAction()});

  // Moving between the areas without the mouse.
  QMenu* view = menuBar()->addMenu("&View");
  QAction* toOutput = view->addAction("Output list", this, &TMainForm::focusOutputList);
  toOutput->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
  QAction* toTree = view->addAction("Category tree", this, [this] { MainTree->setFocus(); });
  toTree->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
  QAction* toSource = view->addAction("Source", this, [this] {
    if (RightPanel->currentWidget() == editForm_) editForm_->editor()->setFocus();
  });
  toSource->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction(actAbout);

  QToolBar* bar = addToolBar("Commands");
  bar->setObjectName("CommandBar");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->addActions({actNewProject, actOpenProject, mnuCloseProject});
  bar->addSeparator();
  bar->addActions(
      {btnStartScan, btnStartDiscuss, btnRewrite, btnStartSpell, btnChecknaming, btnStartSearch});
}

QWidget* TMainForm::buildProgressPanel() {
  progressPanel_ = new QFrame(this);
  progressPanel_->setObjectName("ProgressPanel");
  static_cast<QFrame*>(progressPanel_)->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(progressPanel_);
  auto* texts = new QVBoxLayout;
  progressHeading_ = headingLabel("Scanning your project...", 1.0, progressPanel_);
  fileLabel_ = new QLabel(progressPanel_);
  fileLabel_->setObjectName("FileLabel");
  fileLabel_->setMinimumWidth(200);
  resultsLabel_ = new QLabel(progressPanel_);
  resultsLabel_->setObjectName("ResultsLabel");
  texts->addWidget(progressHeading_);
  texts->addWidget(fileLabel_);
  texts->addWidget(resultsLabel_);
  layout->addLayout(texts, 1);
  progressBar_ = new QProgressBar(progressPanel_);
  progressBar_->setObjectName("ProgressBar");
  progressBar_->setMinimumWidth(260);
  layout->addWidget(progressBar_);
  auto* stop = new QToolButton(progressPanel_);
  stop->setDefaultAction(btnStop);
  stop->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  layout->addWidget(stop);
  progressPanel_->hide();
  return progressPanel_;
}

QWidget* TMainForm::buildOutputPanel() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  OutputTabs = new QTabBar(panel);
  OutputTabs->setObjectName("OutputTabs");
  OutputTabs->setExpanding(false);
  OutputTabs->setDrawBase(true);
  layout->addWidget(OutputTabs);
  outputPages_ = new QStackedWidget(panel);
  layout->addWidget(outputPages_, 1);

  OutputBox = new QListWidget(outputPages_);
  OutputBox->setObjectName("OutputBox");
  OutputBox->setUniformItemSizes(true);
  outputPages_->addWidget(OutputBox);

  auto* some = new QWidget(outputPages_);
  auto* someLayout = new QVBoxLayout(some);
  someLayout->setContentsMargins(0, 0, 0, 0);
  catHeader_ = new QLabel(some);
  catHeader_->setObjectName("CatHeader");
  catHeader_->setContentsMargins(6, 3, 6, 3);
  CatListBox = new QListWidget(some);
  CatListBox->setObjectName("CatListBox");
  someLayout->addWidget(catHeader_);
  someLayout->addWidget(CatListBox, 1);
  outputPages_->addWidget(some);

  auto* spell = new QWidget(outputPages_);
  auto* spellLayout = new QVBoxLayout(spell);
  spellLayout->setContentsMargins(0, 0, 0, 0);
  suggestionLabel_ = new QLabel("Suggestion", spell);
  suggestionLabel_->setContentsMargins(6, 3, 6, 3);
  SuggestionBox = new QListWidget(spell);
  SuggestionBox->setObjectName("SuggestionBox");
  SuggestionBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Opening a result with a suggestion brings this page to the front; the way back to
  // the results must be plain to see.
  auto* back = new QLabel("Ctrl+1: back to the results", spell);
  back->setContentsMargins(6, 3, 6, 3);
  back->setEnabled(false);
  auto* heading = new QHBoxLayout;
  heading->addWidget(suggestionLabel_, 1);
  heading->addWidget(back);
  spellLayout->addLayout(heading);
  spellLayout->addWidget(SuggestionBox, 1);
  outputPages_->addWidget(spell);

  addOutputTab(OutputPage::All, kAllTab, 0);
  connect(OutputTabs, &QTabBar::currentChanged, this, [this](int tab) {
    if (tab >= 0) outputPages_->setCurrentIndex(OutputTabs->tabData(tab).toInt());
  });
  connect(OutputBox, &QListWidget::currentRowChanged, this, &TMainForm::OutputBoxClick);
  connect(CatListBox, &QListWidget::currentRowChanged, this, &TMainForm::CatListBoxClick);
  return panel;
}

void TMainForm::buildLayout() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(buildProgressPanel());

  auto* vertical = new QSplitter(Qt::Vertical, central);
  auto* horizontal = new QSplitter(Qt::Horizontal, vertical);
  MainTree = new QTreeWidget(horizontal);
  MainTree->setObjectName("MainTree");
  MainTree->setHeaderHidden(true);
  MainTree->hide();
  // A click on the node that is already current chooses it again; a click that made it
  // current has chosen it already.
  connect(MainTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    treeItemChosen_ = item;
    MainTreeChange(item);
  });
  connect(MainTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    if (std::exchange(treeItemChosen_, nullptr) != item) MainTreeChange(item);
  });

  RightPanel = new QStackedWidget(horizontal);
  RightPanel->setObjectName("RightPanel");
  startForm_ = new TStartForm(actOpenProject, actNewProject, RightPanel);
  connect(startForm_, &TStartForm::recentChosen, this, &TMainForm::RecentItemClick);
  menuForm_ = new TfrmMenu(btnStartScan, RightPanel);
  editForm_ = new TEditForm(context_, colours_, RightPanel);
  connect(editForm_->searchPage(), &TSearchPage::hitChosen, this, &TMainForm::showSearchHit);
  connect(editForm_->searchPage(), &TSearchPage::hitOpened, this,
          [this](int row) { openResult(static_cast<size_t>(row), false); });
  RightPanel->addWidget(startForm_);
  RightPanel->addWidget(menuForm_);
  statsForm_ = new TStatsForm(context_, RightPanel);
  connect(statsForm_, &TStatsForm::pageShown, this, &TMainForm::showKeyInTree);
  RightPanel->addWidget(editForm_);
  RightPanel->addWidget(statsForm_);
  horizontal->addWidget(MainTree);
  horizontal->addWidget(RightPanel);
  horizontal->setStretchFactor(0, 0);
  horizontal->setStretchFactor(1, 1);
  horizontal->setSizes({340, 860});

  vertical->addWidget(horizontal);
  outputPanel_ = buildOutputPanel();
  // Without a project there is nothing to list; the start page has the window to itself.
  outputPanel_->hide();
  vertical->addWidget(outputPanel_);
  vertical->setStretchFactor(0, 3);
  vertical->setStretchFactor(1, 2);
  layout->addWidget(vertical, 1);
  setCentralWidget(central);

  statusLabel_ = new QLabel(this);
  statusLabel_->setObjectName("StatusLabel");
  statusBar()->addWidget(statusLabel_, 1);
}

void TMainForm::showRightPanel(QWidget* page) {
  RightPanel->setCurrentWidget(page);
}

// ---------------------------------------------------------------------------------------
// Commands and their state

void TMainForm::updateCommands() {
  const bool idle = !isBusy();
  const bool open = project_ != nullptr;
  actNewProject->setEnabled(idle);
  actOpenProject->setEnabled(idle);
  actEditProject->setEnabled(idle && open && sameText(extensionOf(project_->ProjectPath), ".svk"));
  mnuCloseProject->setEnabled(idle && open);
  btnStartScan->setEnabled(idle && open);
  btnRewrite->setEnabled(idle && open);
  btnChecknaming->setEnabled(idle && open);
  btnStartSpell->setEnabled(idle && open);
  actSpellCheckExe->setEnabled(idle);
  actSpellingOptions->setEnabled(idle);
  btnStartSearch->setEnabled(idle && open);
  btnStartDiscuss->setEnabled(idle && open);
  btnCommentBuilder->setEnabled(idle && open);
  Applynamingsuggestions1->setEnabled(idle && open && namingRan_ &&
                                      !editForm_->namingPage()->isEmpty());
  btnStop->setEnabled(busy_ == Busy::Running);
  actSaveAsText->setEnabled(idle && open);
  bool viewable = false, applicable = false;
  if (idle && open && selectedResult_) {
    const auto& results = project_->report().Results;
    if (*selectedResult_ < results.size()) {
      const TFrontOutput& result = *results[*selectedResult_];
      viewable = hasViewableSuggestion(result);
      applicable = viewable && !result.Applied;
    }
  }
  actViewSuggestion->setEnabled(viewable);
  actApplySuggestion->setEnabled(applicable || (idle && spellingCorrectionChosen()));
  actUndoSuggestion->setEnabled(idle && open && project_->UndoLines.has_value());
  for (QAction* item : recentItems_) item->setEnabled(idle);
}

void TMainForm::updateCaption() {
  if (!project_)
    setWindowTitle("sorvik");
  else if (project_->ExeMode)
    setWindowTitle("sorvik pascal analyzer - " + qtPath(fileNameOf(project_->ProjectPath)));
  else
    setWindowTitle("sorvik - " + qtPath(fileNameOf(project_->ProjectPath)));
}

void TMainForm::showRecent() {
  const auto& entries = recent_.entries();
  for (size_t i = 0; i < recentItems_.size(); ++i) {
    QAction* item = recentItems_[i];
    item->setVisible(i < entries.size());
    if (i < entries.size()) item->setText(QString("&%1 ").arg(i + 1) + qtPath(entries[i].path));
  }
  startForm_->showRecent(entries);
}

// ---------------------------------------------------------------------------------------
// The worker

void TMainForm::startWorker(std::function<void()> work, void (TMainForm::*done)()) {
  worker_.reset(QThread::create(std::move(work)));
  connect(worker_.get(), &QThread::finished, this, done);
  updateCommands();
  progressPanel_->show();
  worker_->start();
}

void TMainForm::finishWorker() {
  worker_->wait();
  worker_.reset();
  busy_ = Busy::Idle;
  progressPanel_->hide();
}

// ---------------------------------------------------------------------------------------
// Opening and closing projects

void TMainForm::OpenProject1Click() {
  if (isBusy()) return;
  if (project_ && !context_.prompter->askYesNo(kCloseQuestion)) return;
  const QString path = QFileDialog::getOpenFileName(
      this, "Select Project", QString(),
      "Delphi and sorvik projects (*.dpr *.svk *.bpg *.bdsproj *.bpr *.sln *.dpk *.dproj);;"
      "Web pages (*.htm *.html *.aspx *.asp);;All files (*)");
  if (!path.isEmpty()) OpenProjectFile(pathBytes(path));
}

void TMainForm::OpenProjectFile(const std::string& path) {
  if (isBusy()) return;
  if (!editForm_->releaseFile()) return;
  busy_ = Busy::Opening;
  openingPath_ = path;
  progressHeading_->setText("Opening the project...");
  fileLabel_->setText(qtPath(path));
  resultsLabel_->clear();
  progressBar_->setRange(0, 0);
  startWorker([this, path] { opened_ = sorvik::OpenProjectFile(context_, path); },
              &TMainForm::openFinished);
}

void TMainForm::openFinished() {
  finishWorker();
  progressBar_->setRange(0, 1);
  if (opened_) {
    closeProject();
    project_ = std::move(opened_);
    projectOpened();
  } else if (fileExists(openingPath_)) {
    // The file was there: the project was let go of (a declined disclaimer, a solution
    // without projects), so nothing stays open.
    closeProject();
  }
  updateCommands();
  emit idle();
  if (closeWhenIdle_) close();
}

void TMainForm::projectOpened() {
  recent_.AddRecent(project_->ProjectPath, todayText());
  recent_.SaveRecent(context_.config);
  showRecent();
  updateCaption();
  clearResultViews();
  menuForm_->showProject(*project_);
  showRightPanel(menuForm_);
  outputPanel_->show();
  updateCommands();
}

void TMainForm::reloadOwnProject() {
  project_->UnitFiles.clear();
  project_->FormFiles.clear();
  project_->WebFiles.clear();
  std::vector<std::string> files;
  ReadOwnProject(project_->ProjectPath, files);
  ClassifyFiles(*project_, files);
}

void TMainForm::NewProject1Click() {
  if (isBusy()) return;
  if (project_ && !context_.prompter->askYesNo(kCloseQuestion)) return;
  if (!editForm_->releaseFile()) return;
  closeProject();
  if (!acceptDisclaimer(context_)) return;
  TProjectFilesForm form(context_, "", this);
  if (form.exec() != QDialog::Accepted) return;
  project_ = std::make_unique<TProject>(context_, form.projectPath());
  reloadOwnProject();
  projectOpened();
}

void TMainForm::Editproject1Click() {
  if (isBusy() || !project_ || !sameText(extensionOf(project_->ProjectPath), ".svk")) return;
  TProjectFilesForm form(context_, project_->ProjectPath, this);
  form.LoadProject();
  form.exec();
  reloadOwnProject();
  updateCaption();
  menuForm_->showProject(*project_);
  updateCommands();
}

void TMainForm::CloseProject1Click() {
  if (isBusy()) return;
  if (!editForm_->releaseFile()) return;
  closeProject();
}

void TMainForm::closeProject() {
  statsForm_->clear();
  statisticsShown_ = false;
  project_.reset();
  clearResultViews();
  namingRan_ = false;
  editForm_->namingPage()->clear();
  editForm_->spellingPage()->clear();
  editForm_->searchPage()->clear();
  editForm_->showViewPage(nullptr);
  editForm_->showDiscussPage(false);
  editForm_->closeFile();
  showRightPanel(startForm_);
  outputPanel_->hide();
  updateCaption();
  updateCommands();
}

void TMainForm::RecentItemClick(int number) {
  const auto& entries = recent_.entries();
  if (number < 1 || number > static_cast<int>(entries.size()) || isBusy()) return;
  if (project_ && !context_.prompter->askYesNo(kCloseQuestion)) return;
  OpenProjectFile(entries[static_cast<size_t>(number) - 1].path);
}

void TMainForm::clearResultViews() {
  OutputBox->clear();
  CatListBox->clear();
  SuggestionBox->clear();
  catHeader_->clear();
  categoryLines_.clear();
  outputResults_.clear();
  firstRowOfLine_.clear();
  selectedResult_.reset();
  {
    const QSignalBlocker blocker(MainTree);
    MainTree->clear();
    treeItemChosen_ = nullptr;
  }
  MainTree->hide();
  removeOutputTab(OutputPage::Some);
  removeOutputTab(OutputPage::Suggestions);
  OutputTabs->setTabText(tabOf(OutputPage::All), kAllTab);
  showOutputPage(OutputPage::All);
  OutputBox->setContextMenuPolicy(Qt::NoContextMenu);
  statusLabel_->clear();
}

// ---------------------------------------------------------------------------------------
// Runs

void TMainForm::startCommand(StartCommand command, void (TMainForm::*done)()) {
  if (!project_ || isBusy()) return;
  if (!editForm_->releaseFile()) return;
  setModeFlags(*project_, command);
  TProject* project = project_.get();
  beginRun([project] { Start(*project); }, done);
}

void TMainForm::Startscan1Click() {
  startCommand(StartCommand::Scan, &TMainForm::runFinished);
}

void TMainForm::Startnamingcheck1Click() {
  startCommand(StartCommand::Naming, &TMainForm::namingFinished);
}

void TMainForm::ApplyNamingSuggestions1Click() {
  if (!project_ || isBusy() || !editForm_->releaseFile()) return;
  const NamingChoice ticked = editForm_->namingPage()->choice();
  if (!PrepareRenameRun(*project_, &ticked)) return;
  TProject* project = project_.get();
  beginRun([project] { Start(*project); }, &TMainForm::namingFinished);
}

// The naming page shows what the run proposed (or, after a rename run, what is left of
// it); the suggestions can be applied after a naming run.
void TMainForm::namingFinished() {
  runFinished();
  namingRan_ = project_->NamingMode;
  editForm_->namingPage()->fill(namingLists(*project_), false);
  if (project_->NamingMode) {
    editForm_->showViewPage(editForm_->namingPage());
    showRightPanel(editForm_);
  }
  updateCommands();
}

void TMainForm::Startsearch1Click() {
  if (!project_ || isBusy()) return;
  TfrmSorvikscan(context_, this).exec();
  if (!currentSearchOptions(context_) || !editForm_->releaseFile()) return;
  setModeFlags(*project_, StartCommand::Search);
  TProject* project = project_.get();
  beginRun([project] { StartSearch(*project); }, &TMainForm::searchFinished);
}

// The hits go to the results list beside the source.
void TMainForm::searchFinished() {
  runFinished();
  editForm_->searchPage()->fill(searchRows(*project_));
  editForm_->showViewPage(editForm_->searchPage());
  showRightPanel(editForm_);
  updateCommands();
}

// The whole file in the suggestion list, the hit's line fourth from the top (or where it
// is, among the first four lines) and chosen.
void TMainForm::showSearchHit(int row) {
  if (!project_ || isBusy()) return;
  const auto& results = project_->report().Results;
  if (row < 0 || static_cast<size_t>(row) >= results.size()) return;
  const TFrontOutput& hit = *results[static_cast<size_t>(row)];
  const auto lines = readLines(hit.FilePath);
  SuggestionBox->clear();
  if (!lines || lines->empty()) return;
  for (const std::string& line : *lines) SuggestionBox->addItem(qtText(line));
  addOutputTab(OutputPage::Suggestions, kSuggestionsTab, OutputTabs->count());
  showOutputPage(OutputPage::Suggestions);
  const int at = std::clamp(hit.Line - 1, 0, SuggestionBox->count() - 1);
  SuggestionBox->scrollToItem(SuggestionBox->item(std::max(0, at - 3)),
                              QAbstractItemView::PositionAtTop);
  SuggestionBox->setCurrentRow(at);
}

void TMainForm::StartOverview1Click() {
  startCommand(StartCommand::Overview, &TMainForm::overviewFinished);
}

void TMainForm::overviewFinished() {
  runFinished();
  showDiscussion();
}

void TMainForm::showDiscussion() {
  const std::vector<std::string>* document = discussionDocument(*project_);
  if (!document || !project_->OverviewMode) return;
  editForm_->closeFile();
  editForm_->LoadProjectDiscuss(*document);
  editForm_->showDiscussPage(true);
  showRightPanel(editForm_);
}

void TMainForm::CommentBuilder1Click() {
  if (!project_ || isBusy()) return;
  const SourceLanguages languages = sourceLanguages(*project_);
  if (!languages.delphi && !languages.cpp) {
    context_.prompter->showError(std::string(kNoSourceFilesMessage));
    return;
  }
  TCommentBuilderForm wizard(languages, this);
  if (wizard.exec() != QDialog::Accepted || !editForm_->releaseFile()) return;
  commentRequest_ = wizard.request();
  // The units change under the source view: it shows none of them afterwards.
  editForm_->closeFile();
  showRightPanel(menuForm_);
  busy_ = Busy::Running;
  progressHeading_->setText("Comment Builder");
  fileLabel_->clear();
  resultsLabel_->clear();
  progressBar_->setRange(0, 1);
  progressBar_->setValue(0);
  bridge_.beginRun(project_.get());
  TProject* project = project_.get();
  project->Outside = TProject::OutsideFiles::Ask;
  startWorker([this, project] { commentOutcome_ = ApplyCommentHeaders(*project, commentRequest_); },
              &TMainForm::commentsFinished);
}

void TMainForm::commentsFinished() {
  bridge_.flush();
  finishWorker();
  if (!commentOutcome_.declined) {
    statusLabel_->setText(qtText(commentOutcome_.resultsLabel));
    if (!commentOutcome_.warning.empty()) context_.prompter->showWarning(commentOutcome_.warning);
  }
  updateCommands();
  emit idle();
  if (closeWhenIdle_) close();
}

void TMainForm::StartRewrite1Click() {
  if (!project_ || isBusy()) return;
  TRewriteForm dialog(*context_.prompter, this);
  if (dialog.exec() != QDialog::Accepted || !editForm_->releaseFile()) return;
  TProject* project = project_.get();
  // Files outside the project's folder are changed only when the user says so.
  project->Outside = TProject::OutsideFiles::Ask;
  beginRun([this, project,
            choices = dialog.choices()] { rewriteOutcome_ = StartRewrite(*project, choices); },
           &TMainForm::rewriteFinished);
}

void TMainForm::rewriteFinished() {
  runFinished();
  if (rewriteOutcome_.declined)
    closeProject();
  else
    context_.prompter->showInformation(rewriteOutcome_.completion);
  updateCommands();
}

void TMainForm::ViewBackupLog1Click() {
  TBackupLogForm(context_.programFolder, this).exec();
}

void TMainForm::NamingOptions1Click() {
  if (!isBusy()) TfrmNamingOptions(context_, this).exec();
}

void TMainForm::beginRun(std::function<void()> work, void (TMainForm::*done)()) {
  editForm_->closeFile();
  showRightPanel(menuForm_);
  if (project_->ScanDone) project_->ResetProject();
  clearResultViews();
  statsForm_->clear();
  statisticsShown_ = false;

  busy_ = Busy::Running;
  namingRan_ = false;
  editForm_->spellingPage()->clear();
  editForm_->searchPage()->clear();
  editForm_->showViewPage(nullptr);
  editForm_->showDiscussPage(false);
  OutputTabs->setTabText(tabOf(OutputPage::All), project_->NamingMode || project_->RenameMode
                                                     ? kNamingTab
                                                 : project_->SearchMode ? kSearchTab
                                                                        : kAllTab);
  suggestionLabel_->setText(project_->SearchMode ? "Search Text" : "Suggestion");
  progressHeading_->setText("Scanning your project...");
  fileLabel_->clear();
  resultsLabel_->clear();
  progressBar_->setRange(0, 1);
  progressBar_->setValue(0);
  bridge_.beginRun(project_.get());
  startWorker(std::move(work), done);
}

void TMainForm::Stop1Click() {
  if (busy_ == Busy::Running) bridge_.requestStop();
}

void TMainForm::runFinished() {
  bridge_.flush();
  const bool stopped = bridge_.stopRequested();
  finishWorker();
  indexOutput();
  const auto& report = project_->report();
  statusLabel_->setText(qtText(report.statusText()));
  menuForm_->showRunEnd(report.statusText(), stopped, !report.OutputLines.empty());
  if (!project_->SpellMode && !project_->SearchMode && !project_->ExeMode) {
    OutputBox->setContextMenuPolicy(Qt::ActionsContextMenu);
    OutputBox->addActions({actViewSuggestion, actSaveAsText});
  }
  updateCommands();
  emit idle();
  if (closeWhenIdle_) close();
}

void TMainForm::applyRunUpdate(const RunUpdate& update) {
  if (update.heading) progressHeading_->setText(qtText(*update.heading));
  if (update.maximum) progressBar_->setRange(0, std::max(*update.maximum, 1));
  if (update.position) progressBar_->setValue(std::min(*update.position, progressBar_->maximum()));
  if (update.fileLabel) fileLabel_->setText(qtPath(*update.fileLabel));
  if (update.resultsLabel) resultsLabel_->setText(qtText(*update.resultsLabel));
  if (update.statusText) {
    resultsLabel_->setText(qtText(*update.statusText));
    statusLabel_->setText(qtText(*update.statusText));
  }
  if (update.outputCleared) OutputBox->clear();
  if (!update.lines.empty()) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(update.lines.size()));
    for (const auto& line : update.lines) lines.append(qtText(line));
    OutputBox->addItems(lines);
  }
  if (update.tree) showTree(*update.tree);
}

void TMainForm::showTree(const std::vector<TreeNode>& nodes) {
  const QSignalBlocker blocker(MainTree);
  treeItemChosen_ = nullptr;
  MainTree->clear();
  addTreeNodes(MainTree->invisibleRootItem(), nodes);
  MainTree->expandAll();
  MainTree->setVisible(project_ && !project_->SpellMode && !project_->SearchMode);
}

void TMainForm::indexOutput() {
  const auto& report = project_->report();
  outputResults_.assign(report.OutputLines.size(), 0);
  for (size_t i = 0; i < report.Results.size(); ++i) {
    const int row = report.Results[i]->OutputIndex;
    if (row >= 0 && static_cast<size_t>(row) < outputResults_.size())
      outputResults_[static_cast<size_t>(row)] = i;
  }
  firstRowOfLine_.clear();
  for (size_t row = 0; row < report.OutputLines.size(); ++row)
    firstRowOfLine_.try_emplace(report.OutputLines[row], static_cast<int>(row));
}

// ---------------------------------------------------------------------------------------
// Choosing results

void TMainForm::MainTreeChange(QTreeWidgetItem* item) {
  if (!item || isBusy() || !project_) return;
  QTreeWidgetItem* parent = item->parent();
  if (!parent && treeNodeKey(item->text(0).toStdString()) == "Overview") showDiscussion();
  const std::string key = treeNodeKey(item->text(0).toStdString());
  if (key == "Statistics" ||
      (parent && treeNodeKey(parent->text(0).toStdString()) == "Statistics")) {
    showStatistics(key);
    return;
  }
  if (!parent || parent->parent()) return;
  const std::string parentKey = treeNodeKey(parent->text(0).toStdString());
  if (!isCategoryKey(parentKey)) return;
  const auto kind = kindFromText(parentKey, key, context_.settings.Templates);
  if (kind) showCategory(*kind, item->text(0));
}

void TMainForm::showStatistics(const std::string& key) {
  if (!statisticsShown_) {
    statsForm_->showRun(*project_);
    statisticsShown_ = true;
  }
  if (!project_->BackupFolder.empty())
    statsForm_->backupField()->setText(qtPath(project_->BackupFolder));
  statsForm_->showPage(key);
  showRightPanel(statsForm_);
}

void TMainForm::showKeyInTree(const std::string& key) {
  for (QTreeWidgetItemIterator it(MainTree); *it; ++it) {
    if (treeNodeKey((*it)->text(0).toStdString()) != key) continue;
    const QSignalBlocker blocker(MainTree);
    MainTree->setCurrentItem(*it);
    treeItemChosen_ = nullptr;
    return;
  }
}

void TMainForm::showKindInTree(int kind) {
  const auto& templates = context_.settings.Templates;
  const size_t templateIndex = static_cast<size_t>(kind - kFirstTemplateKind);
  const bool warning = isTemplateKind(kind) && templateIndex < templates.size() &&
                       templates[templateIndex].isWarning;
  const std::string category = std::string(categoryName(kind, warning));
  const QString text = qtText(kindText(kind, templates));
  for (int i = 0; i < MainTree->topLevelItemCount(); ++i) {
    QTreeWidgetItem* node = MainTree->topLevelItem(i);
    if (treeNodeKey(node->text(0).toStdString()) == category) {
      for (int k = 0; k < node->childCount(); ++k) {
        if (node->child(k)->text(0).startsWith(text + " (")) {
          const QSignalBlocker blocker(MainTree);
          MainTree->setCurrentItem(node->child(k));
          treeItemChosen_ = nullptr;
          return;
        }
      }
    }
  }
}

void TMainForm::showCategory(int kind, const QString& header) {
  addOutputTab(OutputPage::Some, kSomeTab, 1);
  fillCategoryList(kind, nullptr);
  catHeader_->setText(header);
  showOutputPage(OutputPage::Some);
  if (CatListBox->count() > 0) CatListBox->setCurrentRow(0);
}

void TMainForm::fillCategoryList(int kind, const TFrontOutput* selected) {
  const QSignalBlocker blocker(CatListBox);
  CatListBox->clear();
  categoryLines_.clear();
  const auto& report = project_->report();
  int selectedRow = -1;
  for (const auto& result : report.Results) {
    if (result->Kind != kind || result->OutputIndex < 0) continue;
    if (result.get() == selected) selectedRow = static_cast<int>(categoryLines_.size());
    categoryLines_.push_back(report.OutputLines[static_cast<size_t>(result->OutputIndex)]);
    CatListBox->addItem(qtText(categoryLines_.back()));
  }
  CatListBox->setCurrentRow(selectedRow);
  catHeader_->setText(qtText(kindText(kind, context_.settings.Templates)));
}

void TMainForm::OutputBoxClick(int row) {
  if (isBusy() || !project_ || row < 0 || static_cast<size_t>(row) >= outputResults_.size()) return;
  // Headings and messages in the list have no result behind them.
  if (!project_->report().OutputLines[static_cast<size_t>(row)].starts_with('"')) return;
  openResult(outputResults_[static_cast<size_t>(row)], false);
}

void TMainForm::CatListBoxClick(int row) {
  if (isBusy() || !project_ || row < 0 || static_cast<size_t>(row) >= categoryLines_.size()) return;
  const auto found = firstRowOfLine_.find(categoryLines_[static_cast<size_t>(row)]);
  if (found == firstRowOfLine_.end()) return;
  openResult(outputResults_[static_cast<size_t>(found->second)], true);
}

void TMainForm::openResult(size_t index, bool fromCategoryList) {
  const auto& results = project_->report().Results;
  if (index >= results.size()) return;
  const TFrontOutput& result = *results[index];
  selectedResult_ = index;
  resultsPage_ = fromCategoryList ? OutputPage::Some : OutputPage::All;
  updateCommands();
  showKindInTree(result.Kind);
  if (isAppliedRemoval(result)) {
    context_.prompter->showInformation(
        fromCategoryList
            ? "This suggestion has been applied and\rthe lines of code have been removed."
            : "This suggestion has been applied and\r\nthe lines of code have been "
              "removed.");
    return;
  }
  showRightPanel(editForm_);
  if (!editForm_->loadFile(result.FilePath)) return;
  editForm_->colourLines(
      lineColourPairs(results, fileRunOf(results, index), context_.settings.Templates));
  editForm_->placeResult(sourcePlaceOf(result));
  showSuggestions(result);
  fillCategoryList(result.Kind, &result);
  if (tabOf(OutputPage::Some) < 0) addOutputTab(OutputPage::Some, kSomeTab, 1);
}

void TMainForm::showSuggestions(const TFrontOutput& result) {
  const auto lines = shownSuggestions(result);
  SuggestionBox->clear();
  if (lines.empty()) {
    removeOutputTab(OutputPage::Suggestions);
    return;
  }
  for (const auto& line : lines) SuggestionBox->addItem(qtText(line));
  addOutputTab(OutputPage::Suggestions, kSuggestionsTab, OutputTabs->count());
  showOutputPage(OutputPage::Suggestions);
}

void TMainForm::ApplySuggestion1Click() {
  if (isBusy() || !project_ || !selectedResult_) return;
  // The change is made to the file on disk: edits in the source view are saved first.
  const bool spelling = spellingCorrectionChosen();
  if (!editForm_->releaseFile()) return;
  const size_t index = *selectedResult_;
  if (spelling ? applySpellingCorrection(index) : ApplySuggestion(*project_, index))
    showChange(index);
  updateCommands();
}

void TMainForm::UndoSuggestion1Click() {
  if (isBusy() || !project_) return;
  if (!editForm_->releaseFile()) return;
  if (UndoSuggestion(*project_) && project_->AppliedIndex >= 0) {
    const auto index = static_cast<size_t>(project_->AppliedIndex);
    const TFrontOutput& result = *project_->report().Results[index];
    if (result.Kind == kSpellingKind)
      editForm_->spellingPage()->markApplied(spellingRowOf(result), false);
    showChange(index);
  }
  updateCommands();
}

void TMainForm::showChange(size_t index) {
  const TFrontOutput& result = *project_->report().Results[index];
  const auto& lines = project_->report().OutputLines;
  if (result.OutputIndex >= 0 && result.OutputIndex < OutputBox->count())
    OutputBox->item(result.OutputIndex)
        ->setText(qtText(lines[static_cast<size_t>(result.OutputIndex)]));
  editForm_->closeFile();
  openResult(index, resultsPage_ == OutputPage::Some);
}

void TMainForm::ViewSuggestion1Click() {
  if (isBusy() || !project_ || !selectedResult_) return;
  openResult(*selectedResult_, false);
}

// ---------------------------------------------------------------------------------------
// The output pages

int TMainForm::tabOf(OutputPage page) const {
  for (int tab = 0; tab < OutputTabs->count(); ++tab)
    if (OutputTabs->tabData(tab).toInt() == static_cast<int>(page)) return tab;
  return -1;
}

void TMainForm::addOutputTab(OutputPage page, const QString& caption, int position) {
  if (tabOf(page) >= 0) return;
  const QSignalBlocker blocker(OutputTabs);
  const int tab = OutputTabs->insertTab(position, caption);
  OutputTabs->setTabData(tab, static_cast<int>(page));
}

void TMainForm::removeOutputTab(OutputPage page) {
  const int tab = tabOf(page);
  if (tab < 0) return;
  OutputTabs->removeTab(tab);
}

void TMainForm::showOutputPage(OutputPage page) {
  const int tab = tabOf(page);
  if (tab >= 0) OutputTabs->setCurrentIndex(tab);
  outputPages_->setCurrentIndex(static_cast<int>(page));
}

void TMainForm::focusOutputList() {
  // Back to the list the last result was chosen in.
  const bool category = resultsPage_ == OutputPage::Some && tabOf(OutputPage::Some) >= 0;
  showOutputPage(category ? OutputPage::Some : OutputPage::All);
  (category ? CatListBox : OutputBox)->setFocus();
}

bool TMainForm::saveOutputAsText(const std::string& path) {
  const bool category = outputPages_->currentIndex() == static_cast<int>(OutputPage::Some);
  TextFile file;
  if (category)
    file.lines = categoryLines_;
  else if (project_)
    file.lines = project_->report().OutputLines;
  if (!writeTextFile(path, file)) {
    context_.prompter->showError("Error saving output to text file");
    return false;
  }
  return true;
}

void TMainForm::SaveAsText1Click() {
  if (isBusy()) return;
  QFileDialog dialog(this, "Save as text", QString(), "Text files (*.txt);;All files (*)");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("txt");
  if (dialog.exec() == QDialog::Accepted)
    saveOutputAsText(pathBytes(dialog.selectedFiles().value(0)));
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (isBusy()) {
    // The run ends at the driver's next point; the window closes after it.
    closeWhenIdle_ = true;
    bridge_.requestStop();
    event->ignore();
    return;
  }
  if (!editForm_->releaseFile()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace sorvik
