// The "Naming Options" dialog: prefixes of the standard types and of package components,
// the texts and patterns names are made of, the prefixes of other vendors' components, and
// the variable convention. "&OK" stores them and reloads the prefix table.
#pragma once

#include <QDialog>
#include <vector>

#include "naming/naming_options.h"
#include "project/settings.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace sorvik {

struct AppContext;

class TfrmNamingOptions : public QDialog {
  Q_OBJECT

 public:
  TfrmNamingOptions(AppContext& context, QWidget* parent);

  QTableWidget* prefixGrid() const { return prefixGrid_; }
  QTreeWidget* prefixTree() const { return prefixTree_; }
  QLineEdit* patternEdit() const { return patternEdit_; }
  QListWidget* patternList() const { return patternList_; }

  // "&Add" and "&Remove" of the name patterns.
  void addPattern();
  void removePattern();
  // "&OK" and "&Defaults".
  void save();
  void restoreDefaults();

 private:
  QWidget* buildPrefixPage();
  QWidget* buildSuggestionsPage();
  QWidget* buildThirdPartyPage();
  QWidget* buildVariablesPage();
  void fill();
  // The prefix grid shows the standard types (`package` < 0) or one package.
  void showPrefixes(int package);
  void prefixListChosen(QTreeWidgetItem* item);
  std::vector<PrefixRow> gridRows(const QTableWidget* grid) const;
  void savePrefixGrid();

  AppContext& context_;
  NamingOptions options_;
  std::vector<ComponentPackage> packages_;
  int shownPackage_ = -1;
  bool prefixesEdited_ = false;

  QTreeWidget* prefixTree_;
  QTableWidget* prefixGrid_;
  QCheckBox* caption_;
  QCheckBox* text_;
  QCheckBox* hint_;
  QCheckBox* title_;
  QListWidget* patternList_;
  QLineEdit* patternEdit_;
  QTableWidget* thirdPartyGrid_;
  QCheckBox* varCheck_;
  std::vector<QRadioButton*> conventions_;
  QTableWidget* variableGrid_;
  QCheckBox* varApply_;
};

}  // namespace sorvik
