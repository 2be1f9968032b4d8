// The main window's spelling commands: the spelling run on the project or on the forms of
// an executable, the spelling page's suggestions, dictionary and ignore buttons, and the
// spelling options.
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <exception>

#include "formanalysis/executable_reader.h"
#include "forms/edit_form.h"
#include "forms/main_form.h"
#include "forms/qt_text.h"
#include "forms/spelling_options_form.h"
#include "forms/spelling_page.h"
#include "project/open_project.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/scan_driver.h"
#include "spelling/spell_run.h"

namespace sorvik {

namespace {

constexpr const char* kSpellTab = "Spell";
constexpr const char* kNoSuggestions = "No suggestions";

}  // namespace

void TMainForm::connectSpellingPage() {
  TSpellingPage* page = editForm_->spellingPage();
  connect(page, &TSpellingPage::wordSelected, this, &TMainForm::showSpellSuggestions);
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
