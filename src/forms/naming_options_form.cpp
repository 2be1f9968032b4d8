#include "forms/naming_options_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "forms/page_widgets.h"
#include "forms/qt_text.h"
#include "naming/prefix_table.h"
#include "project/app_context.h"
#include "project/prompter.h"

namespace sorvik {

namespace {

constexpr const char* kStandardObjects = "Standard objects";

QTableWidget* makeGrid(const char* name, const QString& first, const QString& second,
                       QWidget* parent) {
  auto* grid = new QTableWidget(0, 2, parent);
  grid->setObjectName(name);
  grid->setHorizontalHeaderLabels({first, second});
  grid->horizontalHeader()->setStretchLastSection(true);
  grid->verticalHeader()->hide();
  return grid;
}

// The rows, and one empty row at the end where another entry can be typed.
void fillGrid(QTableWidget* grid, const std::vector<PrefixRow>& rows, bool openEnded) {
  grid->setRowCount(static_cast<int>(rows.size()) + (openEnded ? 1 : 0));
  for (int row = 0; row < grid->rowCount(); ++row) {
    const bool filled = row < static_cast<int>(rows.size());
    grid->setItem(row, 0, new QTableWidgetItem(filled ? qtText(rows[row].name) : QString()));
    grid->setItem(row, 1, new QTableWidgetItem(filled ? qtText(rows[row].prefix) : QString()));
  }
}

}  // namespace

TfrmNamingOptions::TfrmNamingOptions(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setWindowTitle("Naming Options");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* pages = new QTabWidget(this);
  pages->addTab(buildPrefixPage(), "Prefix");
  pages->addTab(buildSuggestionsPage(), "Suggestions");
  pages->addTab(buildThirdPartyPage(), "Third Party Prefix");
  pages->addTab(buildVariablesPage(), "Variable names");
  layout->addWidget(pages);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("&OK", QDialogButtonBox::AcceptRole)->setObjectName("btnOK");
  QPushButton* defaults = buttons->addButton("&Defaults", QDialogButtonBox::ResetRole);
  defaults->setObjectName("btnDefaults");
  buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmNamingOptions::save);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(defaults, &QPushButton::clicked, this, &TfrmNamingOptions::restoreDefaults);
  layout->addWidget(buttons);
  fill();
}

QWidget* TfrmNamingOptions::buildPrefixPage() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  prefixTree_ = new QTreeWidget(page);
  prefixTree_->setObjectName("PrefixTree");
  prefixTree_->setHeaderHidden(true);
  layout->addWidget(prefixTree_, 1);
  prefixGrid_ = makeGrid("PrefixGrid", "Component", "Prefix", page);
  layout->addWidget(prefixGrid_, 2);
  connect(prefixTree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { prefixListChosen(item); });
  connect(prefixGrid_, &QTableWidget::itemChanged, this, [this] { prefixesEdited_ = true; });
  return page;
}

QWidget* TfrmNamingOptions::buildSuggestionsPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  caption_ = addCheckBox(layout, "chkCaption", "Caption", page);
  text_ = addCheckBox(layout, "chkText", "Text", page);
  hint_ = addCheckBox(layout, "chkHint", "Hint", page);
  title_ = addCheckBox(layout, "chkTitle", "Title", page);
  patternList_ = new QListWidget(page);
  patternList_->setObjectName("PatternList");
  layout->addWidget(patternList_);
  auto* row = new QHBoxLayout;
  patternEdit_ = new QLineEdit(page);
  patternEdit_->setObjectName("PatternEdit");
  patternEdit_->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[A-Za-z0-9_<>]*"), patternEdit_));
  row->addWidget(patternEdit_, 1);
  auto* add = new QPushButton("&Add", page);
  auto* remove = new QPushButton("&Remove", page);
  row->addWidget(add);
  row->addWidget(remove);
  layout->addLayout(row);
  connect(add, &QPushButton::clicked, this, &TfrmNamingOptions::addPattern);
  connect(remove, &QPushButton::clicked, this, &TfrmNamingOptions::removePattern);
  return page;
}

QWidget* TfrmNamingOptions::buildThirdPartyPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  thirdPartyGrid_ = makeGrid("ThirdPartyGrid", "Component", "Prefix", page);
  layout->addWidget(thirdPartyGrid_);
  return page;
}

QWidget* TfrmNamingOptions::buildVariablesPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  varCheck_ = addCheckBox(layout, "chkVarCheck", "Enable variable case sensitivity warning", page);
  for (const char* caption :
       {"Make variables the same case as they were declared", "Make all variables lower case",
        "Start variable names with a capital and then lowercase", "Append type to variable name"}) {
    auto* button = new QRadioButton(caption, page);
    layout->addWidget(button);
    conventions_.push_back(button);
  }
  variableGrid_ = makeGrid("VariableGrid", "Variable type", "Prefix", page);
  layout->addWidget(variableGrid_);
  varApply_ =
      addCheckBox(layout, "chkVarApply", "Apply only to variables longer than one character", page);
  const auto enable = [this] {
    const bool on = varCheck_->isChecked();
    for (QRadioButton* button : conventions_) button->setEnabled(on);
    varApply_->setEnabled(on);
    variableGrid_->setEnabled(on && conventions_.back()->isChecked());
  };
  connect(varCheck_, &QCheckBox::toggled, this, enable);
  connect(conventions_.back(), &QRadioButton::toggled, this, enable);
  return page;
}

void TfrmNamingOptions::fill() {
  options_ = loadNamingOptions(context_.config, context_.programFolder);
  packages_ = loadComponentPackages(context_.programFolder);
  {
    const QSignalBlocker blocker(prefixTree_);
    prefixTree_->clear();
    auto* standard = new QTreeWidgetItem(prefixTree_, {kStandardObjects});
    standard->setData(0, Qt::UserRole, -1);
    for (size_t i = 0; i < packages_.size(); ++i) {
      if (packages_[i].name.empty()) continue;
      auto* item = new QTreeWidgetItem(standard, {qtText(packages_[i].name)});
      item->setData(0, Qt::UserRole, static_cast<int>(i));
    }
    prefixTree_->expandAll();
    prefixTree_->setCurrentItem(standard);
  }
  showPrefixes(-1);
  caption_->setChecked(options_.caption);
  text_->setChecked(options_.text);
  hint_->setChecked(options_.hint);
  title_->setChecked(options_.title);
  patternList_->clear();
  for (const std::string& pattern : options_.patterns) patternList_->addItem(qtText(pattern));
  fillGrid(thirdPartyGrid_, options_.thirdParty, true);
  fillGrid(variableGrid_, options_.variables, true);
  const int convention = std::clamp(options_.varSolution, 0, 3);
  conventions_[static_cast<size_t>(convention)]->setChecked(true);
  varApply_->setChecked(options_.varApply);
  varCheck_->setChecked(!options_.varCheck);  // toggled below, so that the page follows it
  varCheck_->setChecked(options_.varCheck);
}

void TfrmNamingOptions::showPrefixes(int package) {
  shownPackage_ = package;
  const QSignalBlocker blocker(prefixGrid_);
  if (package < 0)
    fillGrid(prefixGrid_, options_.standard, false);
  else
    fillGrid(prefixGrid_, packagePrefixes(context_.config, packages_[static_cast<size_t>(package)]),
             false);
  for (int row = 0; row < prefixGrid_->rowCount(); ++row)
    prefixGrid_->item(row, 0)->setFlags(Qt::ItemIsEnabled);
  prefixesEdited_ = false;
}

void TfrmNamingOptions::prefixListChosen(QTreeWidgetItem* item) {
  if (!item) return;
  if (prefixesEdited_ &&
      context_.prompter->askYesNo(
          "Changes have been made to the current list.\r\rDo you wish to save these changes ?"))
    savePrefixGrid();
  showPrefixes(item->data(0, Qt::UserRole).toInt());
}

std::vector<PrefixRow> TfrmNamingOptions::gridRows(const QTableWidget* grid) const {
  std::vector<PrefixRow> rows;
  for (int row = 0; row < grid->rowCount(); ++row) {
    const auto text = [grid, row](int column) {
      const QTableWidgetItem* item = grid->item(row, column);
      return item ? libraryText(item->text().trimmed()) : std::string();
    };
    rows.push_back({text(0), text(1)});
  }
  return rows;
}

// The standard types' prefixes go with the other options; a package's are stored at once.
void TfrmNamingOptions::savePrefixGrid() {
  if (shownPackage_ < 0)
    options_.standard = gridRows(prefixGrid_);
  else
    savePackagePrefixes(context_.config, gridRows(prefixGrid_));
  prefixesEdited_ = false;
}

void TfrmNamingOptions::addPattern() {
  const std::string pattern = libraryText(patternEdit_->text());
  std::vector<std::string> patterns;
  for (int row = 0; row < patternList_->count(); ++row)
    patterns.push_back(libraryText(patternList_->item(row)->text()));
  if (const auto problem = patternProblem(patterns, pattern)) {
    if (problem->error)
      context_.prompter->showError(problem->message);
    else
      context_.prompter->showWarning(problem->message);
    return;
  }
  patternList_->addItem(qtText(pattern));
  patternEdit_->clear();
}

void TfrmNamingOptions::removePattern() {
  delete patternList_->currentItem();
}

void TfrmNamingOptions::save() {
  savePrefixGrid();
  options_.caption = caption_->isChecked();
  options_.text = text_->isChecked();
  options_.hint = hint_->isChecked();
  options_.title = title_->isChecked();
  options_.patterns.clear();
  for (int row = 0; row < patternList_->count(); ++row)
    options_.patterns.push_back(libraryText(patternList_->item(row)->text()));
  options_.thirdParty = gridRows(thirdPartyGrid_);
  options_.variables = gridRows(variableGrid_);
  options_.varCheck = varCheck_->isChecked();
  for (size_t i = 0; i < conventions_.size(); ++i)
    if (conventions_[i]->isChecked()) options_.varSolution = static_cast<int>(i);
  options_.varApply = varApply_->isChecked();
  saveNamingOptions(context_.config, options_);
  // The next naming run reads the new settings.
  context_.settings = TSettings(context_.config, context_.programFolder);
  LoadPrefixes(context_.service<PrefixTable>(), context_.config);
  accept();
}

void TfrmNamingOptions::restoreDefaults() {
  if (!context_.prompter->askYesNo(
          "Are you sure you want to resort to the defaults ?\r\rAll changes will be lost"))
    return;
  resetNamingOptions(context_.config);
  fill();
}

}  // namespace sorvik
