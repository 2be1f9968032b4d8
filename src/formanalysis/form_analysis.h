// The form analysis of a run: reading and checking form files, the companion forms that
// pass 1 keeps with their units, the facts about them that the statement checks read
// across units (project/form_facts.h), and the scan of the forms stored in an executable.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "formanalysis/form_code.h"

namespace sorvik {

struct AppContext;

// What an overview run does with each form it would otherwise check; set by the project
// discussion, passed over while it is not.
struct FormDiscusser {
  std::function<void(TProject&, const TFormCode&)> discussForm;
};

// Attaches the form analysis to the scan driver's hooks.
void attachFormAnalysis(AppContext& context);

// Reads one form file and analyses it as the run's mode asks; none when it could not be
// read, and in a search, which reads the form itself. The form is recorded among the run's
// forms.
std::unique_ptr<TFormCode> AnalyseFormFile(TProject& project, const std::string& path,
                                           bool runChecks);
// The form of the unit `CurrentFile` (a ".pas" unit with a ".dfm" or ".nfm" of the same
// name among the project's forms), taken out of `pendingForms` and analysed; none when
// the unit has no form.
std::unique_ptr<TFormCode> AnalyseCompanionForm(TProject& project,
                                                std::vector<std::string>& pendingForms,
                                                bool runChecks);

// The companion form that pass 1 kept for a unit, or none.
TFormCode* companionForm(TProject& project, const std::string& unitPath);
// The number of form files analysed in this run.
int formsAnalysed(TProject& project);

// The walk of a run over the forms of the executable loaded last (TResourceInfo).
void ScanExecutable(TProject& project);

}  // namespace sorvik
