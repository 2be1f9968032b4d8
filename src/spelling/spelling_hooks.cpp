#include "spelling/spelling_hooks.h"

#include "formanalysis/form_code.h"
#include "formanalysis/form_spelling.h"
#include "generic/paths.h"
#include "project/project.h"
#include "source/routine_analysers.h"
#include "spelling/code_speller.h"
#include "spelling/spell_run.h"

namespace sorvik {

namespace {

void spellRoutine(TProject& project, TProcedureItem& routine) {
  if (!project.SpellMode) return;
  const TCodeSpeller& speller = project.context().service<TCodeSpeller>();
  speller.CheckCalls(project, routine);
  speller.CheckPropertyAssignments(project, routine);
}

void spellConstant(TProject& project, const std::string& value, int line) {
  if (TSpell* spell = currentSpell(project))
    spell->CheckText(value, kCodeSource, nullptr, line, fileNameOf(project.CurrentFile));
}

// The form's own lines go with its texts, so that a word in a string continued over several
// lines is reported on the line that holds it.
void spellForm(TProject& project, const TFormCode& form) {
  TSpell* spell = currentSpell(project);
  if (!spell) return;
  spell->formFound();
  CollectFormSpelling(form, [&](const std::string& text, int kind, int line) {
    spell->CheckText(text, kind, &form.Lines.text(), line, form.FileName);
  });
}

}  // namespace

void attachSpelling(AppContext& context) {
  LoadCodeSpeller(context);
  auto& analysers = context.service<RoutineAnalysers>();
  analysers.onRoutine.push_back(spellRoutine);
  analysers.spellConstant = spellConstant;
  context.service<FormSpeller>().spellForm = spellForm;
}

}  // namespace sorvik
