#include "forms/search_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "forms/qt_text.h"
#include "generic/strings.h"

namespace sorvik {

TSearchPage::TSearchPage(QWidget* parent) : QWidget(parent) {
  setObjectName("SearchTab");
  auto* layout = new QVBoxLayout(this);
  countLabel_ = new QLabel(this);
  countLabel_->setObjectName("SearchCount");
  layout->addWidget(countLabel_);
  ListBad = new QTreeWidget(this);
  ListBad->setObjectName("ListBad");
  ListBad->setRootIsDecorated(false);
  ListBad->setHeaderLabels({"Text", "Type", "File", "Line"});
  ListBad->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  ListBad->header()->setStretchLastSection(false);
  layout->addWidget(ListBad, 1);
  const auto rowOf = [this](QTreeWidgetItem* item) {
    return hasHits_ && item ? ListBad->indexOfTopLevelItem(item) : -1;
  };
  connect(ListBad, &QTreeWidget::itemClicked, this, [this, rowOf](QTreeWidgetItem* item) {
    if (const int row = rowOf(item); row >= 0) emit hitChosen(row);
  });
  connect(ListBad, &QTreeWidget::itemDoubleClicked, this, [this, rowOf](QTreeWidgetItem* item) {
    if (const int row = rowOf(item); row >= 0) emit hitOpened(row);
  });
  clear();
}

void TSearchPage::fill(const std::vector<std::vector<std::string>>& rows) {
  clear();
  if (rows.empty()) return;
  ListBad->clear();
  hasHits_ = true;
  for (const auto& row : rows) {
    QStringList columns;
    for (const std::string& text : row) columns << qtText(text);
    new QTreeWidgetItem(ListBad, columns);
  }
  for (int column = 1; column < ListBad->columnCount(); ++column)
    ListBad->resizeColumnToContents(column);
  countLabel_->setText(
      qtText("Search results: " + CountText(static_cast<int64_t>(rows.size()), "item")));
}

void TSearchPage::clear() {
  ListBad->clear();
  hasHits_ = false;
  new QTreeWidgetItem(ListBad, QStringList{"There are no results to display"});
  countLabel_->setText(qtText("Search results: " + CountText(0, "item")));
}

}  // namespace sorvik
