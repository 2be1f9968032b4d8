#include "forms/project_files_form.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "forms/qt_text.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/app_context.h"
#include "project/project_files.h"
#include "project/prompter.h"

namespace sorvik {

bool isProjectSourceFile(const std::string& path) {
  const std::string extension = upperCase(extensionOf(path));
  for (const char* accepted : {".DFM", ".PAS", ".NFM", ".HTM", ".HTML", ".ASPX", ".ASP"})
    if (extension == accepted) return true;
  return false;
}

// The browser shows folders and the source files that are not in the project yet.
class SourceFileFilter : public QSortFilterProxyModel {
 public:
  SourceFileFilter(const TProjectFilesForm& form, QObject* parent)
      : QSortFilterProxyModel(parent), form_(form) {}
  void refresh() { invalidateFilter(); }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* model = static_cast<const QFileSystemModel*>(sourceModel());
    const QModelIndex index = model->index(row, 0, parent);
    if (model->isDir(index)) return true;
    return ShellListView1FilterItem(pathBytes(model->filePath(index)));
  }

 private:
  bool ShellListView1FilterItem(const std::string& path) const {
    return isProjectSourceFile(path) && !form_.HasFileBeenAdded(path);
  }

  const TProjectFilesForm& form_;
};

TProjectFilesForm::TProjectFilesForm(AppContext& context, std::string projectPath, QWidget* parent)
    : QDialog(parent), context_(context), projectPath_(std::move(projectPath)) {
  setWindowTitle("Project Files");
  setObjectName("TProjectFilesForm");
  resize(900, 560);
  auto* layout = new QVBoxLayout(this);
  auto* help = new QLabel(
      "Choose a source file or a folder on the left and press \"Add Source files\"; the list "
      "on the right is what the project will scan.",
      this);
  help->setWordWrap(true);
  layout->addWidget(help);

  auto* splitter = new QSplitter(this);
  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
  model_->setRootPath(QDir::rootPath());
  filter_ = new SourceFileFilter(*this, this);
  filter_->setSourceModel(model_);
  browser_ = new QTreeView(splitter);
  browser_->setObjectName("ShellListView1");
  browser_->setModel(filter_);
  browser_->setSelectionMode(QAbstractItemView::SingleSelection);
  browser_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  const QString start = projectPath_.empty() ? QDir::homePath() : qtPath(folderOf(projectPath_));
  const QModelIndex startIndex = filter_->mapFromSource(model_->index(start));
  browser_->setCurrentIndex(startIndex);
  browser_->scrollTo(startIndex);
  browser_->expand(startIndex);
  list_ = new QListWidget(splitter);
  list_->setObjectName("SourceList");
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  layout->addWidget(splitter, 1);

  auto* sourceButtons = new QHBoxLayout;
  auto* add = new QPushButton("Add Source files", this);
  auto* remove = new QPushButton("Remove Source file", this);
  sourceButtons->addWidget(add);
  sourceButtons->addWidget(remove);
  sourceButtons->addStretch(1);
  layout->addLayout(sourceButtons);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText("OK");
  buttons->button(QDialogButtonBox::Cancel)->setText("Cancel");
  layout->addWidget(buttons);

  connect(add, &QPushButton::clicked, this, &TProjectFilesForm::AddSrcBtnClick);
  connect(remove, &QPushButton::clicked, this, &TProjectFilesForm::RemoveSourceBtnClick);
  connect(browser_, &QTreeView::activated, this, &TProjectFilesForm::AddSrcBtnClick);
  connect(buttons, &QDialogButtonBox::accepted, this, &TProjectFilesForm::OKBtnClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &TProjectFilesForm::CancelBtnClick);

  chooseProjectPath = [this] {
    QFileDialog dialog(this, "Save Project", QDir::homePath(), "sorvik Projects (*.svk)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("svk");
    return dialog.exec() == QDialog::Accepted ? pathBytes(dialog.selectedFiles().value(0))
                                              : std::string();
  };
}

TProjectFilesForm::~TProjectFilesForm() = default;

void TProjectFilesForm::LoadProject() {
  std::vector<std::string> entries;
  ReadOwnProject(projectPath_, entries);
  for (const auto& entry : entries) appendFile(entry);
  refreshBrowser();
}

bool TProjectFilesForm::HasFileBeenAdded(const std::string& path) const {
  return addedKeys_.contains(upperCase(path));
}

void TProjectFilesForm::appendFile(const std::string& path) {
  files_.push_back(path);
  addedKeys_.insert(upperCase(path));
  list_->addItem(qtPath(path));
}

void TProjectFilesForm::refreshBrowser() {
  filter_->refresh();
}

void TProjectFilesForm::addSource(const std::string& path) {
  Prompter& prompter = *context_.prompter;
  if (folderExists(path)) {
    if (!prompter.askYesNo("Do you want to add all the source files in this directory," + path +
                           ", to your project?"))
      return;
    for (const auto& file : listFiles(path, "*"))
      if (isProjectSourceFile(file) && !HasFileBeenAdded(file)) appendFile(file);
  } else if (HasFileBeenAdded(path)) {
    prompter.showWarning("This file has already been added to your project :\r\r" +
                         fileNameOf(path));
    return;
  } else {
    appendFile(path);
  }
  refreshBrowser();
}

void TProjectFilesForm::AddSrcBtnClick() {
  const QModelIndex index = filter_->mapToSource(browser_->currentIndex());
  if (!index.isValid() || browser_->selectionModel()->selectedIndexes().isEmpty()) {
    context_.prompter->showWarning("Select a source file above to add");
    return;
  }
  addSource(pathBytes(model_->filePath(index)));
}

void TProjectFilesForm::RemoveSourceBtnClick() {
  std::vector<int> rows;
  for (const QListWidgetItem* item : list_->selectedItems()) rows.push_back(list_->row(item));
  std::sort(rows.rbegin(), rows.rend());
  for (int row : rows) {
    const auto entry = files_.begin() + row;
    addedKeys_.erase(addedKeys_.find(upperCase(*entry)));
    files_.erase(entry);
    std::unique_ptr<QListWidgetItem> removed(list_->takeItem(row));
  }
  refreshBrowser();
}

void TProjectFilesForm::OKBtnClick() {
  if (files_.empty()) {
    context_.prompter->showWarning("You have not added any source files");
    return;
  }
  std::string path = projectPath_;
  if (path.empty()) {
    path = chooseProjectPath();
    if (path.empty()) return;
    // A project of that name is replaced, not merged.
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool written = WriteOwnProject(path, files_);
  QApplication::restoreOverrideCursor();
  if (!written) {
    context_.prompter->showError("The project file could not be written:\r\r" + path);
    return;
  }
  projectPath_ = path;
  accept();
}

void TProjectFilesForm::CancelBtnClick() {
  reject();
}

}  // namespace sorvik
