#include "forms/stats_form.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "forms/qt_text.h"
#include "project/app_context.h"
#include "project/project.h"
#include "project/prompter.h"
#include "report/statistics_export.h"

namespace sorvik {

namespace {

// The keys of the tree's "Statistics" node, one per page in page order.
constexpr std::array<const char*, 7> kPageKeys = {"Statistics",  "Routines scanned", "Form Objects",
                                                  "Web Objects", "Statement count",  "Uses",
                                                  "Problems"};
constexpr int kUsesPage = 5;
constexpr int kProblemsPage = 6;

QTreeWidget* makeList(const QStringList& columns, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setHeaderLabels(columns);
  list->header()->setSectionsClickable(true);
  list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  return list;
}

QPlainTextEdit* readOnlyText(QWidget* parent) {
  auto* text = new QPlainTextEdit(parent);
  text->setReadOnly(true);
  return text;
}

QString joined(const std::vector<std::string>& lines) {
  QStringList texts;
  for (const std::string& line : lines) texts << qtText(line);
  return texts.join('\n');
}

void addTreeItems(QTreeWidgetItem* parent, QTreeWidget* tree, const std::vector<TreeNode>& nodes) {
  for (const TreeNode& node : nodes) {
    auto* item = parent ? new QTreeWidgetItem(parent, QStringList(qtText(node.text)))
                        : new QTreeWidgetItem(tree, QStringList(qtText(node.text)));
    addTreeItems(item, tree, node.children);
  }
}

}  // namespace

TStatsForm::TStatsForm(AppContext& context, QWidget* parent)
    : QTabWidget(parent), context_(context) {
  setObjectName("TStatsForm");
  addTab(buildStatisticsPage(), "Statistics");
  addTab(buildListPage(StatisticsList::Routines, {"Routine name", "Filename", "Type"}),
         "Routines scanned");
  addTab(buildListPage(StatisticsList::FormObjects, {"Name", "# Items"}), "Form Objects");
  addTab(buildListPage(StatisticsList::WebObjects, {"Name", "# Items"}), "Web Objects");
  addTab(buildListPage(StatisticsList::Statements, {"Name", "# Calls"}), "Statement Count");
  addTab(buildUsesPage(), "Uses");
  addTab(buildProblemsPage(), "Problems");
  connect(this, &QTabWidget::currentChanged, this, [this](int page) {
    if (page >= 0 && page < static_cast<int>(kPageKeys.size()))
      emit pageShown(kPageKeys[static_cast<size_t>(page)]);
  });
}

QPushButton* TStatsForm::saveButton(QWidget* page) {
  auto* button = new QPushButton("Save", page);
  button->setObjectName("btnSave");
  connect(button, &QPushButton::clicked, this, &TStatsForm::saveClicked);
  return button;
}

QWidget* TStatsForm::buildStatisticsPage() {
  auto* page = new QWidget(this);
  page->setObjectName("tabStatistics");
  auto* layout = new QVBoxLayout(page);
  auto* form = new QFormLayout;
  const std::pair<const char*, std::string StatisticsPage::*> figures[] = {
      {"Actual lines of code :", &StatisticsPage::codeLines},
      {"Code files scanned :", &StatisticsPage::codeFiles},
      {"Form files scanned :", &StatisticsPage::formFiles},
      {"Variables :", &StatisticsPage::variables},
      {"Number of procedures :", &StatisticsPage::procedures},
      {"Number of functions :", &StatisticsPage::functions},
      {"Time taken to scan :", &StatisticsPage::runTime},
      {"Number of constructors :", &StatisticsPage::constructors},
      {"Number of destructors :", &StatisticsPage::destructors},
      {"Number of comments :", &StatisticsPage::comments}};
  for (const auto& [caption, value] : figures) {
    auto* label = new QLabel(page);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(caption, label);
    values_.emplace_back(label, value);
  }
  values_[6].first->setText("0:00");
  layout->addLayout(form);
  notChecked_ = new QLabel("* Not checked during naming suggestions", page);
  notChecked_->hide();
  layout->addWidget(notChecked_);
  auto* backupRow = new QFormLayout;
  backup_ = new QLineEdit("(No Changes Applied)", page);
  backup_->setObjectName("BackupDirectory");
  backup_->setReadOnly(true);
  backupRow->addRow("Backup directory :", backup_);
  layout->addLayout(backupRow);
  layout->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(saveButton(page));
  layout->addLayout(buttons);
  return page;
}

QWidget* TStatsForm::buildListPage(StatisticsList list, const QStringList& columns) {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  QTreeWidget* shown = makeList(columns, page);
  lists_[static_cast<size_t>(list)] = shown;
  connect(shown->header(), &QHeaderView::sectionClicked, this,
          [this, list](int column) { sortBy(list, column); });
  layout->addWidget(shown, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(saveButton(page));
  layout->addLayout(buttons);
  return page;
}

QWidget* TStatsForm::buildUsesPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  usesPages_ = new QTabWidget(page);
  QTreeWidget* all = makeList({"Name", "References"}, usesPages_);
  lists_[static_cast<size_t>(StatisticsList::Uses)] = all;
  connect(all->header(), &QHeaderView::sectionClicked, this,
          [this](int column) { sortBy(StatisticsList::Uses, column); });
  usesPages_->addTab(all, "All");
  auto* usedByPage = new QWidget(usesPages_);
  auto* usedByLayout = new QVBoxLayout(usedByPage);
  usedByLayout->addWidget(new QLabel("This displays a list of units being used.", usedByPage));
  usedByLayout->addWidget(new QLabel(
      "Under each unit is a list of all other units which include it in their uses clause.",
      usedByPage));
  usedBy_ = new QTreeWidget(usedByPage);
  usedBy_->setHeaderHidden(true);
  usedByLayout->addWidget(usedBy_, 1);
  usesPages_->addTab(usedByPage, "Used by");
  layout->addWidget(usesPages_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(saveButton(page));
  layout->addLayout(buttons);
  return page;
}

QWidget* TStatsForm::buildProblemsPage() {
  auto* pages = new QTabWidget(this);
  const char* captions[] = {"General errors", "Objects not recognised",
                            "Objects partially recognised"};
  for (size_t i = 0; i < problems_.size(); ++i) {
    problems_[i] = readOnlyText(pages);
    pages->addTab(problems_[i], captions[i]);
  }
  return pages;
}

void TStatsForm::showRun(TProject& project) {
  project_ = &project;
  view_ = fillStatistics(project);
  fillPage();
  for (const StatisticsList list :
       {StatisticsList::Routines, StatisticsList::FormObjects, StatisticsList::WebObjects,
        StatisticsList::Statements, StatisticsList::Uses})
    fillList(list);
  usedBy_->clear();
  addTreeItems(nullptr, usedBy_, view_.usedBy);
  problems_[0]->setPlainText(joined(view_.problems.generalErrors));
  problems_[1]->setPlainText(joined(view_.problems.notRecognised));
  problems_[2]->setPlainText(joined(view_.problems.partlyRecognised));
  usesPages_->setCurrentIndex(0);
  // A naming run does not look at the code: its lists would be empty.
  for (int page = 1; page < kUsesPage + 1; ++page) setTabVisible(page, !view_.page.notChecked);
  if (!project.BackupFolder.empty()) backup_->setText(qtPath(project.BackupFolder));
}

void TStatsForm::fillPage() {
  for (const auto& [label, value] : values_) label->setText(qtText(view_.page.*value));
  notChecked_->setVisible(view_.page.notChecked);
}

void TStatsForm::fillList(StatisticsList list) {
  QTreeWidget* shown = lists_[static_cast<size_t>(list)];
  shown->clear();
  QList<QTreeWidgetItem*> items;
  for (const StatisticsRow& row : view_.rows(list)) {
    QStringList texts;
    for (const std::string& field : row) texts << qtText(field);
    items.append(new QTreeWidgetItem(texts));
  }
  shown->addTopLevelItems(items);
  for (int column = 1; column < shown->columnCount(); ++column)
    shown->resizeColumnToContents(column);
}

void TStatsForm::sortBy(StatisticsList list, int column) {
  if (!project_) return;
  clickStatisticsColumn(*project_, view_, list, column);
  fillList(list);
}

bool TStatsForm::showPage(const std::string& key) {
  for (size_t page = 0; page < kPageKeys.size(); ++page) {
    if (key != kPageKeys[page] || !isTabVisible(static_cast<int>(page))) continue;
    const QSignalBlocker blocker(this);
    setCurrentIndex(static_cast<int>(page));
    return true;
  }
  return false;
}

void TStatsForm::clear() {
  project_ = nullptr;
  view_ = StatisticsView();
  for (QTreeWidget* list : lists_) list->clear();
  usedBy_->clear();
  for (QPlainTextEdit* text : problems_) text->clear();
  for (const auto& [label, value] : values_) label->clear();
  values_[6].first->setText("0:00");
  backup_->setText("(No Changes Applied)");
}

void TStatsForm::saveClicked() {
  if (!project_) return;
  const QString path = QFileDialog::getSaveFileName(
      this, "Save", QString(), "Text files (*.txt);;CSV files (*.csv);;All files (*)");
  if (!path.isEmpty()) savePage(pathBytes(path));
}

bool TStatsForm::savePage(const std::string& path) {
  Prompter& prompter = *context_.prompter;
  const int page = currentIndex();
  if (!project_ || page == kProblemsPage) return false;
  std::vector<std::string> lines;
  const char* failure = kListSaveError;
  if (page == 0) {
    lines = statisticsSaveLines(view_.page);
    failure = kDetailsSaveError;
  } else if (page == kUsesPage && usesPages_->currentIndex() == 1) {
    lines = usedByLines(view_.usedBy);
  } else {
    const auto list =
        page == kUsesPage ? StatisticsList::Uses : static_cast<StatisticsList>(page - 1);
    if (view_.rows(list).empty()) {
      prompter.showWarning(kEmptyListWarning);
      return false;
    }
    lines = listSaveLines(*project_, view_, list);
  }
  if (saveLines(path, lines)) return true;
  prompter.showError(failure);
  return false;
}

QTreeWidget* TStatsForm::list(StatisticsList list) const {
  return lists_[static_cast<size_t>(list)];
}

}  // namespace sorvik
