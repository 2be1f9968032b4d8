// Running the object checks of a form and reporting what they held.
#include <exception>

#include "formanalysis/form_analysis.h"
#include "formanalysis/form_hints.h"
#include "project/prompter.h"
#include "project/results.h"

namespace sorvik {

void TFormCode::RunFormHints() {
  TFormHints(*this).run();
}

void TFormCode::FlushHints() {
  if (Binary) {
    for (PendingEntry& entry : PendingHints) entry.suggestions.reset();
  }
  FlushPendingHints(*Project, PendingHints);
}

bool TFormHints::enabled(int kind) const {
  return project_.settings().kindEnabled(kind);
}

void TFormHints::report(int kind, int line, const std::string& text, SuggestionLines suggestions) {
  AddResult(project_, kind, line, text, &form_, false, std::move(suggestions), 1);
}

void TFormHints::run() {
  project_.report().RoutineReportedLines.clear();
  // The project overview discusses the form instead of checking it.
  if (project_.OverviewMode) {
    const auto& discuss = project_.context().service<FormDiscusser>().discussForm;
    if (discuss) discuss(project_, form_);
    return;
  }
  // A failure of the first two checks is shown, and the others still run.
  auto showingFailure = [this](void (TFormHints::*check)()) {
    try {
      (this->*check)();
    } catch (const std::exception& failure) {
      if (project_.context().prompter) project_.context().prompter->showError(failure.what());
    }
  };
  if (enabled(5)) showingFailure(&TFormHints::checkHintsShown);
  if (enabled(6)) showingFailure(&TFormHints::checkDefaultCaptions);
  if (enabled(26)) checkAcceleratorKeys();
  if (enabled(19)) checkToolbarCaptions();
  if (enabled(3)) checkActiveDatasets();
  if (enabled(10)) checkEvents();
  if (enabled(21)) checkDataLinks();
  if (enabled(20)) checkDatasets();
  if (enabled(22)) checkConnectedDatabases();
  checkTruncatedText();
}

}  // namespace sorvik
