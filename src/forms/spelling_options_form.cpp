#include "forms/spelling_options_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "forms/page_widgets.h"
#include "forms/qt_text.h"
#include "generic/strings.h"
#include "project/app_context.h"
#include "project/prompter.h"
#include "spelling/custom_dictionary.h"

namespace sorvik {

namespace {

constexpr const char* kDisabled = "Disabled";
constexpr const char* kNone = "-";
constexpr const char* kSelectEntry = "Select an entry to remove";

QComboBox* positionCombo(const char* name, const char* first, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItem(first);
  for (int position = 1; position <= 9; ++position) box->addItem(QString::number(position));
  return box;
}

QString positionText(int position, const char* none) {
  return position == 0 ? QString(none) : QString::number(position);
}

// A rule's row: "Disabled" with empty positions, else the positions with "-" for none.
QStringList ruleRow(const TCallRule& rule) {
  if (rule.disabled()) return {qtText(rule.Statement), kDisabled, "", ""};
  return {qtText(rule.Statement), positionText(rule.Positions[0], kNone),
          positionText(rule.Positions[1], kNone), positionText(rule.Positions[2], kNone)};
}

int positionOf(const QString& text) {
  return text.toInt();  // "Disabled", "-" and "" read as 0
}

QPushButton* addButton(QLayout* layout, const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  layout->addWidget(button);
  return button;
}

}  // namespace

TConfigSpell::TConfigSpell(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("TConfigSpell");
  setWindowTitle("Spelling options");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* pages = new QTabWidget(this);
  pages->addTab(buildGeneralPage(), "General");
  pages->addTab(buildRulesPage(), "Code Parameters");
  pages->addTab(buildPropertiesPage(), "Code Properties");
  pages->addTab(buildDictionaryPage(), "Custom Dictionary");
  pages->addTab(buildScriptPage(), "Javascript / VBScript");
  layout->addWidget(pages);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("&OK", QDialogButtonBox::AcceptRole)->setObjectName("btnOK");
  QPushButton* defaults = buttons->addButton("&Defaults", QDialogButtonBox::ResetRole);
  defaults->setObjectName("btnDefaults");
  buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &TConfigSpell::save);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(defaults, &QPushButton::clicked, this, &TConfigSpell::restoreDefaults);
  layout->addWidget(buttons);
  fill(ReadSpellingOptions(context_));
}

QWidget* TConfigSpell::buildGeneralPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  dupeSpell_ = addCheckBox(layout, "chkDupeSpell", "Show duplicate spelling mistakes", page);
  stringConstants_ = addCheckBox(layout, "chkStringConst",
                                 "Spell check all string constants and resourcestrings", page);
  engine_ = new QRadioButton("Use sorvik spell checker", page);
  engine_->setObjectName("rbEngine");
  hunspell_ = new QRadioButton("Use Hunspell (if available)", page);
  hunspell_->setObjectName("rbHunspell");
  layout->addWidget(engine_);
  layout->addWidget(hunspell_);
  auto* languageRow = new QHBoxLayout;
  languageRow->addWidget(new QLabel("Language dictionary:", page));
  language_ = new QComboBox(page);
  language_->setObjectName("cbLanguage");
  languageRow->addWidget(language_, 1);
  layout->addLayout(languageRow);
  layout->addStretch(1);
  return page;
}

QWidget* TConfigSpell::buildRulesPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  ruleList_ = new QTreeWidget(page);
  ruleList_->setObjectName("lvRules");
  ruleList_->setRootIsDecorated(false);
  ruleList_->setHeaderLabels({"Statement", "Parameter", "Parameter", "Parameter"});
  ruleList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  layout->addWidget(ruleList_, 1);
  auto* form = new QFormLayout;
  statementEdit_ = new QLineEdit(page);
  statementEdit_->setObjectName("edStatement");
  form->addRow("Statement :", statementEdit_);
  positions_ = {positionCombo("cbFirst", kDisabled, page), positionCombo("cbSecond", kNone, page),
                positionCombo("cbThird", kNone, page)};
  form->addRow("First parameter to check :", positions_[0]);
  form->addRow("Second parameter to check :", positions_[1]);
  form->addRow("Third parameter to check :", positions_[2]);
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  addRule_ = addButton(buttons, "btnAddRule", "&Add", page);
  QPushButton* remove = addButton(buttons, "btnRemoveRule", "&Remove", page);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  connect(statementEdit_, &QLineEdit::textChanged, this, &TConfigSpell::updateRuleControls);
  for (QComboBox* box : positions_)
    connect(box, &QComboBox::currentIndexChanged, this, &TConfigSpell::updateRuleControls);
  connect(addRule_, &QPushButton::clicked, this, &TConfigSpell::addRule);
  connect(remove, &QPushButton::clicked, this, &TConfigSpell::removeRule);
  updateRuleControls();
  return page;
}

QWidget* TConfigSpell::buildPropertiesPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel("Property", page));
  propertyList_ = new QListWidget(page);
  propertyList_->setObjectName("lbProperties");
  layout->addWidget(propertyList_, 1);
  auto* row = new QHBoxLayout;
  propertyEdit_ = new QLineEdit(page);
  propertyEdit_->setObjectName("edProperty");
  row->addWidget(propertyEdit_, 1);
  addProperty_ = addButton(row, "btnAddProperty", "Add", page);
  QPushButton* remove = addButton(row, "btnRemoveProperty", "Remove", page);
  layout->addLayout(row);
  connect(propertyEdit_, &QLineEdit::textChanged, this,
          [this](const QString& text) { addProperty_->setEnabled(!text.trimmed().isEmpty()); });
  connect(addProperty_, &QPushButton::clicked, this, &TConfigSpell::addProperty);
  connect(remove, &QPushButton::clicked, this, &TConfigSpell::removeProperty);
  addProperty_->setEnabled(false);
  return page;
}

QWidget* TConfigSpell::buildDictionaryPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  dictionary_ = new QPlainTextEdit(page);
  dictionary_->setObjectName("memDictionary");
  layout->addWidget(dictionary_);
  return page;
}

QWidget* TConfigSpell::buildScriptPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* script = new QGroupBox("Spell check the following Javascript statements :", page);
  auto* scriptLayout = new QVBoxLayout(script);
  alert_ = addCheckBox(scriptLayout, "chkAlert", "Alert", script);
  prompt_ = addCheckBox(scriptLayout, "chkPrompt", "Prompt", script);
  confirm_ = addCheckBox(scriptLayout, "chkConfirm", "Confirm", script);
  auto* vbscript = new QGroupBox("Spell check the following VBScript statements :", page);
  auto* vbLayout = new QVBoxLayout(vbscript);
  msgBox_ = addCheckBox(vbLayout, "chkMsgBox", "MsgBox", vbscript);
  layout->addWidget(script);
  layout->addWidget(vbscript);
  layout->addStretch(1);
  return page;
}

void TConfigSpell::fill(const SpellingOptions& options) {
  dupeSpell_->setChecked(options.DupeSpell);
  stringConstants_->setChecked(options.CheckStringConst);
  (options.UseWord ? hunspell_ : engine_)->setChecked(true);
  language_->clear();
  for (const std::string& name : DictionaryLanguages(context_.programFolder))
    language_->addItem(qtText(name));
  language_->setEnabled(language_->count() > 0);
  for (int i = 0; i < language_->count(); ++i)
    if (sameText(libraryText(language_->itemText(i)), options.Language))
      language_->setCurrentIndex(i);
  fillLists(options);
  alert_->setChecked(options.Alert);
  prompt_->setChecked(options.Prompt);
  confirm_->setChecked(options.Confirm);
  msgBox_->setChecked(options.MsgBox);

  // A user.dic that cannot be read is shown as nothing and never written over.
  const auto words = ReadCustomDictionary(context_.programFolder);
  QStringList lines;
  for (const std::string& word : words.value_or(std::vector<std::string>{}))
    lines.append(qtText(word));
  dictionary_->setPlainText(lines.join('\n'));
  dictionary_->setReadOnly(!words);
  dictionary_->document()->setModified(false);
}

void TConfigSpell::fillLists(const SpellingOptions& options) {
  ruleList_->clear();
  for (const TCallRule& rule : options.Rules) new QTreeWidgetItem(ruleList_, ruleRow(rule));
  propertyList_->clear();
  for (const std::string& name : options.Properties) propertyList_->addItem(qtText(name));
}

void TConfigSpell::updateRuleControls() {
  const bool statement = !statementEdit_->text().trimmed().isEmpty();
  addRule_->setEnabled(statement);
  positions_[0]->setEnabled(statement);
  positions_[1]->setEnabled(statement && positions_[0]->currentIndex() > 0);
  positions_[2]->setEnabled(positions_[1]->isEnabled() && positions_[1]->currentIndex() > 0);
}

std::vector<TCallRule> TConfigSpell::listedRules() const {
  std::vector<TCallRule> rules;
  for (int row = 0; row < ruleList_->topLevelItemCount(); ++row) {
    const QTreeWidgetItem* item = ruleList_->topLevelItem(row);
    rules.push_back(
        {libraryText(item->text(0)),
         {positionOf(item->text(1)), positionOf(item->text(2)), positionOf(item->text(3))}});
  }
  return rules;
}

void TConfigSpell::addRule() {
  const QString statement = statementEdit_->text().trimmed();
  if (statement.isEmpty()) return;
  TCallRule rule{libraryText(statement), {}};
  // A box that is switched off counts as no position.
  for (size_t i = 0; i < positions_.size(); ++i)
    if (positions_[i]->isEnabled()) rule.Positions[i] = positions_[i]->currentIndex();
  const QStringList row = ruleRow(rule);
  for (int i = 0; i < ruleList_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = ruleList_->topLevelItem(i);
    if (!sameText(libraryText(item->text(0)), rule.Statement)) continue;
    if (!context_.prompter->askYesNo(
            "This statement has already been added.\r\n\r\nDo you wish to overwrite the "
            "existing entry ?"))
      return;
    for (int column = 0; column < row.size(); ++column) item->setText(column, row[column]);
    return;
  }
  new QTreeWidgetItem(ruleList_, row);
}

void TConfigSpell::removeRule() {
  QTreeWidgetItem* item = ruleList_->currentItem();
  if (!item) {
    context_.prompter->showError(kSelectEntry);
    return;
  }
  delete item;
}

void TConfigSpell::addProperty() {
  const QString name = propertyEdit_->text().trimmed();
  if (name.isEmpty()) return;
  for (int row = 0; row < propertyList_->count(); ++row) {
    if (propertyList_->item(row)->text().compare(name, Qt::CaseInsensitive) == 0) {
      context_.prompter->showInformation("A property with this name has already been added.");
      return;
    }
  }
  propertyList_->addItem(name);
  propertyEdit_->clear();
}

void TConfigSpell::removeProperty() {
  QListWidgetItem* item = propertyList_->currentItem();
  if (!item) {
    context_.prompter->showError(kSelectEntry);
    return;
  }
  delete item;
}

void TConfigSpell::save() {
  SpellingOptions options;
  options.DupeSpell = dupeSpell_->isChecked();
  options.CheckStringConst = stringConstants_->isChecked();
  options.UseWord = hunspell_->isChecked();
  if (language_->count() > 0) options.Language = libraryText(language_->currentText());
  options.Rules = listedRules();
  for (int row = 0; row < propertyList_->count(); ++row)
    options.Properties.push_back(libraryText(propertyList_->item(row)->text()));
  options.Alert = alert_->isChecked();
  options.Prompt = prompt_->isChecked();
  options.Confirm = confirm_->isChecked();
  options.MsgBox = msgBox_->isChecked();
  if (!SaveSpellingOptions(context_, options))
    context_.prompter->showError("The call rules could not be saved:\r" + context_.programFolder +
                                 kCallRulesFile);
  if (dictionary_->document()->isModified()) {
    std::vector<std::string> lines;
    for (const QString& line : dictionary_->toPlainText().split('\n'))
      lines.push_back(libraryText(line));
    // The dialog stays open, so that the words typed are not lost with it.
    if (!SaveCustomDictionary(context_.programFolder, lines)) {
      context_.prompter->showError("The custom dictionary could not be saved:\r" +
                                   context_.programFolder + kUserDictionaryFile);
      return;
    }
  }
  accept();
}

void TConfigSpell::restoreDefaults() {
  const std::string language =
      language_->count() > 0 ? libraryText(language_->currentText()) : "English";
  const SpellingOptions options = RestoreSpellingDefaults(context_, language);
  (options.UseWord ? hunspell_ : engine_)->setChecked(true);
  fillLists(options);
}

}  // namespace sorvik
