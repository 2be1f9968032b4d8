// The main window's spelling commands: the spelling run on the project or on the forms of
// an executable, the spelling page's suggestions, dictionary and ignore buttons, and the
// spelling options.
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <exception>

#include "changes/apply_suggestion.h"
#include "formanalysis/executable_reader.h"
#include "forms/edit_form.h"
#include "forms/main_form.h"
#include "forms/qt_text.h"
#include "forms/spelling_options_form.h"
#include "forms/spelling_page.h"
#include "project/open_project.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result.h"
#include "project/result_kinds.h"
#include "project/scan_driver.h"
#include "spelling/spell_run.h"

namespace sorvik {

namespace {

constexpr const char* kSpellTab = "Spell";
constexpr const char* kNoSuggestions = "No suggestions";

}  // namespace

void TMainForm::connectSpellingPage() {
  TSpellingPage* page = editForm_->spellingPage();
  connect(page, &TSpellingPage::rowSelected, this, &TMainForm::spellingRowSelected);
  connect(SuggestionBox, &QListWidget::currentRowChanged, this, &TMainForm::updateCommands);
  connect(page, &TSpellingPage::rowOpened, this, &TMainForm::openSpellingRow);
  connect(page, &TSpellingPage::addToDictionary, this, &TMainForm::AddToCustomDictionary1Click);
  connect(page, &TSpellingPage::ignoreForNow, this, &TMainForm::IgnoreForNow1Click);
}

void TMainForm::Startspellcheck1Click() {
  if (!project_ || isBusy()) return;
  if (!editForm_->releaseFile()) return;
  setModeFlags(*project_, StartCommand::SpellCheck);
  TProject* project = project_.get();
  beginRun(
      [project] {
        SetupSpell(*project);
        Start(*project);
      },
      &TMainForm::spellFinished);
}

void TMainForm::Spellcheckexe1Click() {
  if (isBusy()) return;
  if (project_ && !context_.prompter->askYesNo(kCloseQuestion)) return;
  const QString chosen = QFileDialog::getOpenFileName(this, "Spell check .exe", QString(),
                                                      "Executables (*.exe);;All files (*)");
  if (!chosen.isEmpty()) SpellCheckExecutable(pathBytes(chosen));
}

void TMainForm::SpellCheckExecutable(const std::string& path) {
  if (isBusy() || !editForm_->releaseFile()) return;
  closeProject();
  auto project = std::make_unique<TProject>(context_, path);
  if (!acceptDisclaimer(context_)) return;
  try {
    LoadExecutableForms(context_, path);
  } catch (const std::exception& failure) {
    context_.prompter->showError(failure.what());
    return;
  }
  project_ = std::move(project);
  setModeFlags(*project_, StartCommand::SpellCheckExe);
  updateCaption();
  outputPanel_->show();
  TProject* running = project_.get();
  beginRun(
      [running] {
        SetupSpell(*running);
        Start(*running);
      },
      &TMainForm::spellFinished);
}

void TMainForm::SpellingOptions1Click() {
  if (!isBusy()) TConfigSpell(context_, this).exec();
}

// The spelling page lists what the run found; the source view shows it beside the source.
void TMainForm::spellFinished() {
  runFinished();
  TSpell* spell = currentSpell(*project_);
  if (!spell) return;
  editForm_->spellingPage()->fill(*project_, *spell);
  editForm_->showViewPage(editForm_->spellingPage());
  showRightPanel(editForm_);
}

void TMainForm::showSpellSuggestions(const std::string& word) {
  SuggestionBox->clear();
  TSpell* spell = project_ ? currentSpell(*project_) : nullptr;
  if (word.empty() || !spell) {
    removeOutputTab(OutputPage::Suggestions);
    return;
  }
  const std::vector<std::string> suggestions = spell->GetSpellSuggestions(word);
  if (suggestions.empty()) SuggestionBox->addItem(kNoSuggestions);
  for (const std::string& suggestion : suggestions) SuggestionBox->addItem(qtText(suggestion));
  suggestionLabel_->setText("Suggestion");
  removeOutputTab(OutputPage::Suggestions);
  addOutputTab(OutputPage::Suggestions, kSpellTab, OutputTabs->count());
  showOutputPage(OutputPage::Suggestions);
}

void TMainForm::spellingRowSelected(const SpellRow& row) {
  if (!project_ || isBusy()) return;
  selectedResult_ = row.word.empty() ? std::nullopt : spellingResultOf(*project_, row);
  showSpellSuggestions(row.word);
  updateCommands();
}

bool TMainForm::spellingCorrectionChosen() const {
  if (!project_ || !project_->SpellMode || project_->ExeMode || !selectedResult_) return false;
  const auto& results = project_->report().Results;
  if (*selectedResult_ >= results.size()) return false;
  const TFrontOutput& result = *results[*selectedResult_];
  const QListWidgetItem* suggestion = SuggestionBox->currentItem();
  return result.Kind == kSpellingKind && !result.Applied && suggestion &&
         suggestion->isSelected() && suggestion->text() != kNoSuggestions;
}

bool TMainForm::applySpellingCorrection(size_t index) {
  const std::string replacement = libraryText(SuggestionBox->currentItem()->text());
  if (!ApplySpellingCorrection(*project_, index, replacement)) return false;
  editForm_->spellingPage()->markApplied(spellingRowOf(*project_->report().Results[index]), true);
  return true;
}

// The row's result in the source; the row's suggestions stay in view.
void TMainForm::openSpellingRow(const SpellRow& row) {
  if (!project_ || isBusy()) return;
  const std::optional<size_t> index = spellingResultOf(*project_, row);
  if (!index) return;
  openResult(*index, false);
  showSpellSuggestions(row.word);
}

void TMainForm::AddToCustomDictionary1Click() {
  TSpell* spell = project_ ? currentSpell(*project_) : nullptr;
  if (!spell || isBusy()) return;
  const size_t errors = project_->Errors.size();
  if (!spell->AddToCustomDictionary(editForm_->spellingPage()->selectedWords()) &&
      project_->Errors.size() > errors)
    context_.prompter->showError(project_->Errors.back());
  editForm_->spellingPage()->fill(*project_, *spell);
}

void TMainForm::IgnoreForNow1Click() {
  TSpell* spell = project_ ? currentSpell(*project_) : nullptr;
  if (!spell || isBusy()) return;
  spell->IgnoreForNow(editForm_->spellingPage()->selectedWords());
  editForm_->spellingPage()->fill(*project_, *spell);
}

}  // namespace sorvik
