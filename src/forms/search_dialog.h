// The search dialog ("Start Search"): the text with the recent searches, the scope, the
// options and the kind of expression, with examples. "OK" checks the choices, stores them
// and makes them the current search options; "Cancel" ends the current search.
#pragma once

#include <QDialog>
#include <array>

#include "search/search_options.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace sorvik {

struct AppContext;

class TfrmSorvikscan : public QDialog {
  Q_OBJECT

 public:
  TfrmSorvikscan(AppContext& context, QWidget* parent);

  // "OK": the checks of the options; the dialog closes when they pass.
  void confirm();
  // "Cancel" (and closing the dialog): the current search options end.
  void reject() override;
  // Makes `scope` (1 source code, 2 forms, 3 all files) the scope, its label bold.
  void chooseScope(int scope);
  // The example shown moves on (1) or back (-1), round the five of its kind.
  void stepExample(int by);

  // The dialog's controls as the options read them.
  SearchDialogValues values() const;

  QLineEdit* searchEdit() const { return edtSearch; }
  QComboBox* recentList() const { return cbRecentScan; }
  QLabel* scopeLabel(int scope) const { return scopeLabels_[static_cast<size_t>(scope - 1)]; }
  QLineEdit* limitEdit() const { return edtLimit; }
  QLabel* exampleLabel() const { return lblExample; }
  QLabel* exampleDescription() const { return lblExampleText; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void load();
  void boldScopes(int pointedAt);
  void showExamples();

  AppContext& context_;
  int scope_ = kScopeAllFiles;
  QLineEdit* edtSearch;
  QComboBox* cbRecentScan;
  std::array<QLabel*, 3> scopeLabels_{};
  QCheckBox* cbCase;
  QCheckBox* cbWholeWords;
  QCheckBox* cbSpaces;
  QCheckBox* cbComments;
  QCheckBox* cbLimit;
  QLineEdit* edtLimit;
  QCheckBox* cbStringLiterals;
  QCheckBox* cbSearchLastResults;
  std::array<QRadioButton*, 3> expressions_{};
  QWidget* examples_;
  QLabel* lblExample;
  QLabel* lblExampleText;
};

}  // namespace sorvik
