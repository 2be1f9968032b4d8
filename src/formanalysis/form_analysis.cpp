#include "formanalysis/form_analysis.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

#include "formanalysis/component_kinds.h"
#include "formanalysis/executable_reader.h"
#include "formanalysis/form_file_reader.h"
#include "formanalysis/form_spelling.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/form_facts.h"
#include "project/project.h"

namespace sorvik {

namespace {

// What the form analysis keeps for one run.
struct FormRunData : RunData {
  std::map<std::string, std::unique_ptr<TFormCode>> unitForms;  // by upper-cased unit path
  std::vector<std::string> Forms;                               // the paths of the forms analysed
  std::set<std::string> formNames;
  // The project's form files by their upper-cased resolved path.
  std::optional<std::unordered_map<std::string, std::string>> formFiles;
};

void spellForm(TProject& project, const TFormCode& form) {
  const auto& spell = project.context().service<FormSpeller>().spellForm;
  if (spell) spell(project, form);
}

FormRunData& runData(TProject& project) {
  return project.runData<FormRunData>();
}

std::string unitKey(const std::string& unitPath) {
  return upperCase(ResolvePath(unitPath));
}

const std::string* findFormFile(TProject& project, const std::string& path) {
  auto& files = runData(project).formFiles;
  if (!files) {
    files.emplace();
    for (const auto& file : project.FormFiles) files->emplace(upperCase(ResolvePath(file)), file);
  }
  const auto found = files->find(upperCase(ResolvePath(path)));
  return found == files->end() ? nullptr : &found->second;
}

void keepCompanionForm(TProject& project, std::vector<std::string>& pendingForms) {
  const std::string unit = project.CurrentFile;
  auto form = AnalyseCompanionForm(project, pendingForms, true);
  if (!form) return;
  CountFormObjects(project.report().Counts, *form);
  runData(project).unitForms[unitKey(unit)] = std::move(form);
}

void analyseForm(TProject& project, const std::string& path, bool runChecks, bool countObjects) {
  const auto form = AnalyseFormFile(project, path, runChecks);
  if (form && countObjects) CountFormObjects(project.report().Counts, *form);
}

// The facts the statement checks read of the units' forms.
void buildCrossUnitCollections(TProject& project) {
  FormFacts& facts = formFacts(project);
  facts.UnitForms.clear();
  facts.SingleSelectListBoxes.clear();
  facts.HasListBox = false;
  for (const auto& unit : project.UnitFiles) {
    const TFormCode* form = companionForm(project, unit);
    if (!form) continue;
    UnitFormFacts& unitForm = facts.UnitForms[unitKey(unit)];
    unitForm.FormName = form->FormName;
    for (const auto& entry : form->Objects) {
      const int kind = entry.Object->Kind;
      unitForm.ComponentMarkers.emplace_back(upperCase(entry.Name),
                                             "<" + upperCase(componentKindTableName(kind)) + ">");
      if (kind == kKindTable || kind == kKindQuery) unitForm.DatasetNames.push_back(entry.Name);
      if (kind != kKindListBox) continue;
      facts.HasListBox = true;
      if (!entry.Object->flag("MultiSelect").Value)
        facts.SingleSelectListBoxes.push_back(upperCase(entry.Name));
    }
  }
  if (facts.ComponentClassNames.empty())
    for (int kind = 1; kind <= kLastComponentKind; ++kind) {
      const std::string_view name = componentKindTableName(kind);
      if (!name.empty()) facts.ComponentClassNames.push_back("T" + upperCase(name));
    }
}

}  // namespace

void attachFormAnalysis(AppContext& context) {
  context.hooks.analyseCompanionForm = keepCompanionForm;
  context.hooks.analyseForm = analyseForm;
  context.hooks.buildCrossUnitCollections = buildCrossUnitCollections;
  context.hooks.scanExecutable = ScanExecutable;
}

std::unique_ptr<TFormCode> AnalyseFormFile(TProject& project, const std::string& path,
                                           bool runChecks) {
  const SearchWalk& search = project.Search;
  if (project.SearchMode && (!search.coversForms || search.isFull())) return nullptr;
  // Results name the file as the unit walk names units: with "." and ".." resolved.
  project.CurrentFile = ResolvePath(path);
  project.observer().fileLabel(project.CurrentFile);
  std::unique_ptr<TFormCode> form;
  try {
    // The search reads the form's text itself, as it is, and keeps no form.
    if (project.SearchMode) {
      if (search.searchForm) search.searchForm(project, path);
      runData(project).Forms.push_back(path);
      return nullptr;
    }
    auto lines = ReadFormText(path, project.context().prompter);
    form = std::make_unique<TFormCode>(lines ? std::move(*lines) : std::vector<std::string>());
    form->FileName = fileNameOf(path);
    form->FilePath = path;
    form->Project = &project;
    form->Binary = IsBinaryForm(path);
    form->ReadObjects(runChecks);
  } catch (const std::exception&) {
    project.addError("Error analysing file : " + project.CurrentFile);
    return nullptr;
  }
  if (project.SpellMode) spellForm(project, *form);
  // The naming runs only name.
  if (runChecks && !project.SpellMode && !project.NamingMode && !project.RenameMode) {
    form->RunFormHints();
    form->FlushHints();
  }
  auto& data = runData(project);
  data.Forms.push_back(path);
  if (!form->Objects.empty() && data.formNames.insert(form->Objects.front().Name).second)
    project.FormNames.push_back(form->Objects.front().Name);
  return form;
}

std::unique_ptr<TFormCode> AnalyseCompanionForm(TProject& project,
                                                std::vector<std::string>& pendingForms,
                                                bool runChecks) {
  const std::string unit = project.CurrentFile;
  if (!endsWithText(unit, ".pas")) return nullptr;
  const std::string stem = unit.substr(0, unit.size() - 4);
  const std::string* formFile = findFormFile(project, stem + ".DFM");
  if (!formFile) formFile = findFormFile(project, stem + ".NFM");
  if (!formFile) return nullptr;
  const std::string path = *formFile;
  const auto pending =
      std::find_if(pendingForms.begin(), pendingForms.end(),
                   [&](const std::string& entry) { return sameText(entry, path); });
  if (pending != pendingForms.end()) pendingForms.erase(pending);
  auto form = AnalyseFormFile(project, path, runChecks);
  project.report().Step();
  project.CurrentFile = unit;
  return form;
}

TFormCode* companionForm(TProject& project, const std::string& unitPath) {
  const auto& forms = runData(project).unitForms;
  const auto found = forms.find(unitKey(unitPath));
  return found == forms.end() ? nullptr : found->second.get();
}

int formsAnalysed(TProject& project) {
  return static_cast<int>(runData(project).Forms.size());
}

void ScanExecutable(TProject& project) {
  const TResourceInfo& resources = project.context().service<TResourceInfo>();
  for (int i = 0; i < resources.Count() && !project.StopRequested; ++i) {
    const TDfm& resource = resources.Item(i);
    TFormCode form(resource.Lines);
    form.FileName = resource.Name;
    form.FilePath = resource.Name;
    form.Project = &project;
    project.CurrentFile = resource.Name;
    form.ReadObjects(true);
    spellForm(project, form);
    project.report().Step();
  }
}

}  // namespace sorvik
