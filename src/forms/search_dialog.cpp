#include "forms/search_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "forms/qt_text.h"
#include "generic/paths.h"
#include "project/app_context.h"
#include "project/prompter.h"
#include "search/search_results.h"
#include "search/search_run.h"

namespace sorvik {

namespace {

struct Example {
  const char* text;
  const char* description;
};

constexpr std::array<Example, 5> kVariableExamples = {{
    {"<integer1>:=<integer2>+<integer3>;", "would find x:=y+z;"},
    {"<string1>:=IntToStr(<intvalue>);", "would find s:=IntToStr(99);"},
    {"<integer1>:=<integer1>+<intvalue>;", "would find x:=x+10;"},
    {"<string1>:=<charvalue1>;", "would find s:='A';"},
    {"var <integer1>:integer;", "would find x:integer;"},
}};

constexpr std::array<Example, 5> kRegularExamples = {{
    {"foo(bar|foo)", "matches strings 'foobar' or 'foofoo'"},
    {"(?i)Saint-Petersburg", "matches 'Saint-petersburg' and 'Saint-Petersburg'"},
    {"(\\+\\d *)?(\\(\\d+\\) *)?(\\d+(-\\d*)*)", "International phone number"},
    {"[A-Za-z0-9_.-]+@[A-Za-z0-9_-]+(\\.[A-Za-z0-9_-]+)+", "Email address"},
    {"^(?i)M*(D?C{0,3}|C[DM])(L?X{0,3}|X[LC])(V?I{0,3}|I[VX])$", "Roman numeral"},
}};

// The example shown for each kind of expression, kept while the program runs.
struct SearchExamples {
  std::array<int, 2> index{};
};

QCheckBox* makeCheck(const char* name, const char* caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

TfrmSorvikscan::TfrmSorvikscan(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("frmSorvikscan");
  setWindowTitle("Search");
  auto* layout = new QVBoxLayout(this);

  edtSearch = new QLineEdit(this);
  edtSearch->setObjectName("edtSearch");
  cbRecentScan = new QComboBox(this);
  cbRecentScan->setObjectName("cbRecentScan");
  layout->addWidget(new QLabel("Search for :", this));
  layout->addWidget(edtSearch);
  layout->addWidget(cbRecentScan);
  connect(cbRecentScan, &QComboBox::activated, this,
          [this](int row) { edtSearch->setText(cbRecentScan->itemText(row)); });

  auto* scopes = new QHBoxLayout;
  const std::array<const char*, 3> scopeNames = {"lblSourceCode", "lblForms", "lblAllFiles"};
  const std::array<const char*, 3> scopeCaptions = {"Source code", "Forms", "All Files"};
  for (size_t i = 0; i < scopeLabels_.size(); ++i) {
    scopeLabels_[i] = new QLabel(scopeCaptions[i], this);
    scopeLabels_[i]->setObjectName(scopeNames[i]);
    scopeLabels_[i]->setCursor(Qt::PointingHandCursor);
    scopeLabels_[i]->installEventFilter(this);
    scopes->addWidget(scopeLabels_[i]);
  }
  layout->addLayout(scopes);

  auto* options = new QGroupBox("Options", this);
  auto* grid = new QGridLayout(options);
  cbCase = makeCheck("cbCase", "Case sensitive", options);
  cbWholeWords = makeCheck("cbWholeWords", "Whole words", options);
  cbSpaces = makeCheck("cbSpaces", "Ignore excessive spacing", options);
  cbComments = makeCheck("cbComments", "Ignore comments", options);
  cbStringLiterals = makeCheck("cbStringLiterals", "Ignore String literals", options);
  cbSearchLastResults = makeCheck("cbSearchLastResults", "Search within last results", options);
  cbLimit = makeCheck("cbLimit", "Limit results to :", options);
  edtLimit = new QLineEdit(options);
  edtLimit->setObjectName("edtLimit");
  edtLimit->setMaxLength(5);
  edtLimit->setValidator(new QRegularExpressionValidator(QRegularExpression("\\d*"), edtLimit));
  connect(cbLimit, &QCheckBox::toggled, edtLimit, &QLineEdit::setEnabled);
  grid->addWidget(cbCase, 0, 0);
  grid->addWidget(cbWholeWords, 1, 0);
  grid->addWidget(cbSpaces, 2, 0);
  grid->addWidget(cbComments, 3, 0);
  grid->addWidget(cbStringLiterals, 0, 1);
  grid->addWidget(cbSearchLastResults, 1, 1);
  grid->addWidget(cbLimit, 2, 1);
  grid->addWidget(edtLimit, 3, 1);
  layout->addWidget(options);

  auto* kinds = new QHBoxLayout;
  const std::array<const char*, 3> kindCaptions = {"No expressions", "Variable expressions",
                                                   "Regular expressions"};
  const std::array<const char*, 3> kindNames = {"rbNoExpressions", "rbVariableExpressions",
                                                "rbRegularExpressions"};
  for (size_t i = 0; i < expressions_.size(); ++i) {
    expressions_[i] = new QRadioButton(kindCaptions[i], this);
    expressions_[i]->setObjectName(kindNames[i]);
    connect(expressions_[i], &QRadioButton::toggled, this, [this] { showExamples(); });
    kinds->addWidget(expressions_[i]);
  }
  layout->addLayout(kinds);

  examples_ = new QWidget(this);
  auto* exampleLayout = new QGridLayout(examples_);
  lblExample = new QLabel(examples_);
  lblExample->setObjectName("lblExample");
  lblExample->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblExampleText = new QLabel(examples_);
  lblExampleText->setObjectName("lblExampleText");
  auto* back = new QPushButton("<", examples_);
  back->setObjectName("btnExampleBack");
  auto* next = new QPushButton(">", examples_);
  next->setObjectName("btnExampleNext");
  connect(back, &QPushButton::clicked, this, [this] { stepExample(-1); });
  connect(next, &QPushButton::clicked, this, [this] { stepExample(1); });
  exampleLayout->addWidget(new QLabel("Examples:", examples_), 0, 0);
  exampleLayout->addWidget(back, 0, 1);
  exampleLayout->addWidget(next, 0, 2);
  exampleLayout->addWidget(lblExample, 1, 0, 1, 3);
  exampleLayout->addWidget(lblExampleText, 2, 0, 1, 3);
  layout->addWidget(examples_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmSorvikscan::confirm);
  connect(buttons, &QDialogButtonBox::rejected, this, &TfrmSorvikscan::reject);
  layout->addWidget(buttons);
  load();
}

void TfrmSorvikscan::load() {
  const bool resultsExist = fileExists(joinPath(context_.programFolder, kSearchResultsFile));
  const SearchDialogValues values = ReadSearchSettings(context_.config, resultsExist);
  edtSearch->setText(qtText(values.Text));
  cbCase->setChecked(values.CaseSensitive);
  cbWholeWords->setChecked(values.WholeWords);
  cbSpaces->setChecked(values.IgnoreSpacing);
  cbComments->setChecked(values.IgnoreComments);
  cbLimit->setChecked(values.Limit);
  edtLimit->setText(qtText(values.LimitAmount));
  edtLimit->setEnabled(values.Limit);
  cbStringLiterals->setChecked(values.IgnoreLiterals);
  cbSearchLastResults->setChecked(values.WithinLastResults);
  cbSearchLastResults->setEnabled(resultsExist);
  expressions_[static_cast<size_t>(values.Expressions)]->setChecked(true);
  for (const std::string& text : RecentSearches(context_.config))
    cbRecentScan->addItem(qtText(text));
  chooseScope(values.Scope);
  showExamples();
}

SearchDialogValues TfrmSorvikscan::values() const {
  SearchDialogValues values;
  values.Text = libraryText(edtSearch->text());
  values.Scope = scope_;
  values.CaseSensitive = cbCase->isChecked();
  values.WholeWords = cbWholeWords->isChecked();
  values.IgnoreSpacing = cbSpaces->isChecked();
  values.IgnoreComments = cbComments->isChecked();
  values.Limit = cbLimit->isChecked();
  values.LimitAmount = libraryText(edtLimit->text());
  values.IgnoreLiterals = cbStringLiterals->isChecked();
  values.WithinLastResults = cbSearchLastResults->isChecked();
  for (size_t i = 0; i < expressions_.size(); ++i)
    if (expressions_[i]->isChecked()) values.Expressions = static_cast<int>(i);
  return values;
}

void TfrmSorvikscan::confirm() {
  SearchDialogValues chosen = values();
  Prompter& prompter = *context_.prompter;
  if (!ConfirmSearch(chosen, prompter)) return;
  // A regular expression without expression characters became a plain search.
  expressions_[static_cast<size_t>(chosen.Expressions)]->setChecked(true);
  if (!WriteSearchSettings(context_.config, chosen))
    prompter.showWarning("There was an error saving the settings");
  AddRecentSearch(context_.config, chosen.Text);
  SetSearchOptions(context_, std::make_unique<TSearchOptions>(chosen, context_.programFolder));
  accept();
}

void TfrmSorvikscan::reject() {
  SetSearchOptions(context_, nullptr);
  QDialog::reject();
}

void TfrmSorvikscan::chooseScope(int scope) {
  scope_ = scope;
  boldScopes(0);
}

// The chosen scope's label is bold, and so is the one the pointer is on.
void TfrmSorvikscan::boldScopes(int pointedAt) {
  for (int scope = kScopeSourceCode; scope <= kScopeAllFiles; ++scope) {
    QFont font = scopeLabel(scope)->font();
    font.setBold(scope == scope_ || scope == pointedAt);
    scopeLabel(scope)->setFont(font);
  }
}

bool TfrmSorvikscan::eventFilter(QObject* watched, QEvent* event) {
  for (int scope = kScopeSourceCode; scope <= kScopeAllFiles; ++scope) {
    if (watched != scopeLabel(scope)) continue;
    if (event->type() == QEvent::MouseButtonPress) chooseScope(scope);
    if (event->type() == QEvent::Enter) boldScopes(scope);
    if (event->type() == QEvent::Leave) boldScopes(0);
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmSorvikscan::showExamples() {
  const bool variables = expressions_[kVariableExpressions]->isChecked();
  const bool regular = expressions_[kRegularExpressions]->isChecked();
  examples_->setVisible(variables || regular);
  if (!variables && !regular) return;
  const int index = context_.service<SearchExamples>().index[regular ? 1 : 0];
  const Example& example =
      (regular ? kRegularExamples : kVariableExamples)[static_cast<size_t>(index)];
  lblExample->setText(example.text);
  lblExampleText->setText(example.description);
}

void TfrmSorvikscan::stepExample(int by) {
  const bool regular = expressions_[kRegularExpressions]->isChecked();
  if (!regular && !expressions_[kVariableExpressions]->isChecked()) return;
  int& index = context_.service<SearchExamples>().index[regular ? 1 : 0];
  index += by;
  if (index < 0) index = 4;
  if (index > 4) index = 0;
  showExamples();
}

}  // namespace sorvik
