// The "Spelling options" dialog: duplicates, string constants, the checker and dictionary
// language; the calls whose arguments are spelled; the properties whose assigned strings
// are spelled; the words of the user's dictionary; the script messages. "&OK" stores them
// and the next spelling run uses them.
#pragma once

#include <QDialog>
#include <array>

#include "spelling/spelling_options.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace sorvik {

struct AppContext;

class TConfigSpell : public QDialog {
  Q_OBJECT

 public:
  TConfigSpell(AppContext& context, QWidget* parent);

  QTreeWidget* ruleList() const { return ruleList_; }
  QLineEdit* statementEdit() const { return statementEdit_; }
  // The boxes of the first, second and third argument position.
  QComboBox* positionBox(int i) const { return positions_[static_cast<size_t>(i)]; }
  QPushButton* addRuleButton() const { return addRule_; }
  QListWidget* propertyList() const { return propertyList_; }
  QLineEdit* propertyEdit() const { return propertyEdit_; }
  QPlainTextEdit* dictionaryEditor() const { return dictionary_; }
  QComboBox* languageBox() const { return language_; }

  // "&Add" and "&Remove" of the call rules and of the properties.
  void addRule();
  void removeRule();
  void addProperty();
  void removeProperty();
  // "&OK" and "&Defaults".
  void save();
  void restoreDefaults();

 private:
  QWidget* buildGeneralPage();
  QWidget* buildRulesPage();
  QWidget* buildPropertiesPage();
  QWidget* buildDictionaryPage();
  QWidget* buildScriptPage();
  void fill(const SpellingOptions& options);
  void fillLists(const SpellingOptions& options);
  void updateRuleControls();
  std::vector<TCallRule> listedRules() const;

  AppContext& context_;
  QCheckBox* dupeSpell_;
  QCheckBox* stringConstants_;
  QRadioButton* engine_;
  QRadioButton* hunspell_;
  QComboBox* language_;
  QTreeWidget* ruleList_;
  QLineEdit* statementEdit_;
  std::array<QComboBox*, 3> positions_{};
  QPushButton* addRule_;
  QListWidget* propertyList_;
  QLineEdit* propertyEdit_;
  QPushButton* addProperty_;
  QPlainTextEdit* dictionary_;
  QCheckBox* alert_;
  QCheckBox* prompt_;
  QCheckBox* confirm_;
  QCheckBox* msgBox_;
};

}  // namespace sorvik
