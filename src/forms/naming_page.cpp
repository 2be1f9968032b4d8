#include "forms/naming_page.h"

#include <QListWidget>

#include "forms/qt_text.h"
#include "naming/naming_lists.h"

namespace sorvik {

namespace {

QListWidget* makeCheckList(const char* name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  return list;
}

void addLine(QListWidget* list, const std::string& text, bool ticked) {
  auto* item = new QListWidgetItem(qtText(text), list);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

std::vector<bool> ticksOf(const QListWidget* list) {
  std::vector<bool> ticks;
  for (int row = 0; row < list->count(); ++row)
    ticks.push_back(list->item(row)->checkState() == Qt::Checked);
  return ticks;
}

}  // namespace

TNamingPage::TNamingPage(QWidget* parent) : QTabWidget(parent) {
  setObjectName("NamingTab");
  components_ = makeCheckList("ComponentRenames", this);
  variables_ = makeCheckList("VariableRenames", this);
  addTab(components_, "Component names");
  addTab(variables_, "Variable case");
}

void TNamingPage::fill(const NamingLists& lists, bool ticked) {
  clear();
  for (const TNameReplace& record : lists.renames()) addLine(components_, record.Display, ticked);
  for (const VariableCorrection& entry : lists.variables())
    addLine(variables_, entry.Display, ticked);
}

void TNamingPage::clear() {
  components_->clear();
  variables_->clear();
}

bool TNamingPage::isEmpty() const {
  return components_->count() == 0 && variables_->count() == 0;
}

NamingChoice TNamingPage::choice() const {
  return {ticksOf(components_), ticksOf(variables_)};
}

}  // namespace sorvik
