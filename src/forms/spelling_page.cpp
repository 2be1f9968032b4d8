#include "forms/spelling_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "forms/qt_text.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/result.h"
#include "project/result_kinds.h"
#include "project/run_report.h"
#include "spelling/spell_run.h"

namespace sorvik {

namespace {

constexpr const char* kNoResults = "There are no results to display";
// The row's word and place as the library holds them, kept beside the texts shown.
constexpr int kWordRole = Qt::UserRole;
constexpr int kFileRole = Qt::UserRole + 1;
constexpr int kLineRole = Qt::UserRole + 2;
constexpr int kPlaceholderRole = Qt::UserRole + 3;

std::string bytesOf(const QTreeWidgetItem& item, int role) {
  return item.data(0, role).toByteArray().toStdString();
}

SpellRow rowOf(const QTreeWidgetItem& item) {
  return {bytesOf(item, kWordRole), bytesOf(item, kFileRole), item.data(0, kLineRole).toInt()};
}

}  // namespace

TSpellingPage::TSpellingPage(QWidget* parent) : QWidget(parent) {
  setObjectName("SpellTab");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  ListBad = new QTreeWidget(this);
  ListBad->setObjectName("ListBad");
  ListBad->setRootIsDecorated(false);
  ListBad->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBad->setHeaderLabels({"Word", "Source", "File", "Line"});
  ListBad->header()->setStretchLastSection(false);
  ListBad->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  layout->addWidget(ListBad, 1);

  auto* buttons = new QHBoxLayout;
  add_ = new QPushButton("Add to Custom &Dictionary", this);
  add_->setObjectName("btnAddToDictionary");
  ignore_ = new QPushButton("&Ignore for now", this);
  ignore_->setObjectName("btnIgnore");
  buttons->addWidget(add_);
  buttons->addWidget(ignore_);
  buttons->addStretch(1);
  layout->addLayout(buttons);

  connect(ListBad, &QTreeWidget::itemSelectionChanged, this, &TSpellingPage::selectionChanged);
  connect(ListBad, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (item && !item->data(0, kPlaceholderRole).toBool()) emit rowOpened(rowOf(*item));
  });
  connect(add_, &QPushButton::clicked, this, &TSpellingPage::addToDictionary);
  connect(ignore_, &QPushButton::clicked, this, &TSpellingPage::ignoreForNow);
  clear();
}

void TSpellingPage::fill(TProject& project, const TSpell& spell) {
  clear();
  if (spell.items().empty()) return;
  ListBad->clear();
  QList<QTreeWidgetItem*> rows;
  for (const SpellListItem& item : spell.items()) {
    const TSpellResult& result = item.Result;
    auto* row = new QTreeWidgetItem(
        QStringList{qtText(item.Word), qtText(SpellSourceName(project, result.SourceKind)),
                    qtText(result.FileName), QString::number(result.Line + 1)});
    row->setData(0, kWordRole, QByteArray::fromStdString(item.Word));
    row->setData(0, kFileRole, QByteArray::fromStdString(result.FileName));
    row->setData(0, kLineRole, result.Line + 1);
    rows.append(row);
  }
  ListBad->addTopLevelItems(rows);
  for (int column = 1; column < 4; ++column) ListBad->resizeColumnToContents(column);
}

void TSpellingPage::clear() {
  ListBad->clear();
  auto* placeholder = new QTreeWidgetItem(ListBad, QStringList{kNoResults});
  placeholder->setData(0, kPlaceholderRole, true);
  add_->setEnabled(false);
  ignore_->setEnabled(false);
}

std::vector<std::string> TSpellingPage::selectedWords() const {
  std::vector<std::string> words;
  for (const QTreeWidgetItem* item : ListBad->selectedItems())
    if (!item->data(0, kPlaceholderRole).toBool()) words.push_back(bytesOf(*item, kWordRole));
  return words;
}

void TSpellingPage::selectionChanged() {
  const std::vector<std::string> words = selectedWords();
  add_->setEnabled(!words.empty());
  ignore_->setEnabled(!words.empty());
  // The row last chosen, while it is one of the selection; else the first selected.
  const QTreeWidgetItem* item = ListBad->currentItem();
  if (!item || !item->isSelected() || item->data(0, kPlaceholderRole).toBool()) {
    const auto selected = ListBad->selectedItems();
    item = nullptr;
    for (const QTreeWidgetItem* candidate : selected)
      if (!candidate->data(0, kPlaceholderRole).toBool() && !item) item = candidate;
  }
  emit rowSelected(item ? rowOf(*item) : SpellRow{});
}

void TSpellingPage::markApplied(const SpellRow& row, bool applied) {
  for (int i = 0; i < ListBad->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = ListBad->topLevelItem(i);
    const SpellRow shown = rowOf(*item);
    if (shown.word == row.word && shown.line == row.line && sameText(shown.fileName, row.fileName))
      item->setText(0, qtText(row.word) + (applied ? " (Applied)" : ""));
  }
}

std::optional<size_t> spellingResultOf(TProject& project, const SpellRow& row) {
  const auto& results = project.report().Results;
  for (size_t i = 0; i < results.size(); ++i) {
    const TFrontOutput& result = *results[i];
    if (result.Kind == kSpellingKind && result.Line == row.line && result.Text == row.word &&
        sameText(fileNameOf(result.FilePath), row.fileName))
      return i;
  }
  return std::nullopt;
}

SpellRow spellingRowOf(const TFrontOutput& result) {
  return {result.Text, fileNameOf(result.FilePath), result.Line};
}

}  // namespace sorvik
