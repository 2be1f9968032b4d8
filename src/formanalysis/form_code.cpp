#include "formanalysis/form_code.h"

#include "formanalysis/component_factory.h"
#include "formanalysis/component_kinds.h"
#include "generic/strings.h"
#include "project/counts.h"

namespace sorvik {

namespace {

bool lineChecksRun(const TProject& project) {
  return !project.ExeMode && !project.SpellMode && !project.NamingMode && !project.SearchMode &&
         !project.RenameMode && !project.OverviewMode;
}

// The component classes the naming settings list, by the class name without its "T".
const std::set<std::string>& classStems(TProject& project) {
  auto& notes = project.runData<FormNotes>();
  if (!notes.classStems) {
    notes.classStems.emplace();
    const Config& config = project.context().config;
    for (std::string_view section : {"NamingSuggestPackage", "NamingSuggest3rdParty"}) {
      for (int n = 1;; ++n) {
        const std::string stem = config.readString(section, "SuggName" + std::to_string(n));
        if (stem.empty()) break;
        notes.classStems->insert(lowerCase(stem));
      }
    }
  }
  return *notes.classStems;
}

void addUnrecognisedNote(TProject& project, const std::string& className,
                         const std::string& example) {
  // The trailing blank keeps a class from matching the note of a longer class name.
  const std::string note = "Form object not recognised : " + className + " ";
  auto& listed = project.runData<FormNotes>().unrecognised;
  const std::string key = upperCase(note);
  const auto next = listed.lower_bound(key);
  if (next != listed.end() && startsWith(*next, key)) return;
  std::string entry = note + "(for example : " + example + ")";
  listed.insert(upperCase(entry));
  project.UnrecognisedObjects.push_back(std::move(entry));
}

}  // namespace

std::optional<ObjectLine> parseObjectLine(std::string_view line) {
  const std::string_view text = trimView(line);
  const auto colon = text.size() > 6 ? text.find(':', 6) : std::string_view::npos;
  if (colon == std::string_view::npos) return std::nullopt;
  // 1-based: the colon stands beyond position 7 with at least four characters after it,
  // the first two of them a blank and "T".
  const size_t position = colon + 1;
  if (position <= 7 || position >= text.size() - 3 || text[colon + 1] != ' ' ||
      text[colon + 2] != 'T')
    return std::nullopt;
  size_t prefix = 0;
  if (startsWith(text, "object "))
    prefix = 7;
  else if (startsWith(text, "inherited "))
    prefix = 10;
  else
    return std::nullopt;
  if (colon < prefix) return std::nullopt;
  return ObjectLine{std::string(text.substr(prefix, colon - prefix)),
                    std::string(text.substr(colon + 3))};
}

void TFormCode::ReadObjects(bool checks) {
  TProject& project = *Project;
  const bool lineChecks = checks && lineChecksRun(project);
  // A line reported for an earlier file must not hide a finding on the same line here.
  if (lineChecks) project.report().RoutineReportedLines.clear();
  // The objects that may still enclose the next one, their indentation rising.
  std::vector<TFormObject*> enclosing;
  for (int i = 0; i < Lines.size(); ++i) {
    const auto objectLine = parseObjectLine(Lines[i]);
    if (!objectLine) {
      if (lineChecks) CheckLine(i, trim(Lines[i]));
      continue;
    }
    std::unique_ptr<TFormObject> made;
    if (Objects.empty()) {
      // The root of every form file is the form, whatever class it names.
      FormName = objectLine->name;
      made = CreateFormObject(*this, "form", i, objectLine->name);
    } else {
      made = CreateFormObject(*this, objectLine->className, i, objectLine->name);
    }
    if (!made) made = createUnknownObject(Lines, i, objectLine->name);
    TFormObject& object = append(objectLine->name, std::move(made), enclosing);

    if (object.Kind == kKindUnknown && classStems(project).count(lowerCase(objectLine->className)))
      object.Kind = kKindListedUnknown;
    if (object.Kind == kKindUnknown)
      addUnrecognisedNote(project, objectLine->className, FormName + "." + objectLine->name);
  }
}

// Appends the object and links its parent: the nearest earlier object whose property
// indentation is at most two less than its own, when it is exactly two less. The child
// of an action list whose class is unknown is a standard action.
TFormObject& TFormCode::append(std::string name, std::unique_ptr<TFormObject> object,
                               std::vector<TFormObject*>& enclosing) {
  const int indent = object->PropIndent;
  while (!enclosing.empty() && enclosing.back()->PropIndent >= indent) enclosing.pop_back();
  TFormObject* parent = nullptr;
  for (auto it = enclosing.rbegin(); it != enclosing.rend(); ++it) {
    if ((*it)->PropIndent > indent - 2) continue;
    if ((*it)->PropIndent == indent - 2) parent = *it;
    break;
  }
  if (parent && parent->Kind == kKindActionList && object->Kind == kKindUnknown)
    object = CreateByKey("action", Lines, object->StartLine, name);
  object->Parent = parent;
  enclosing.push_back(object.get());
  Objects.push_back({std::move(name), std::move(object)});
  return *Objects.back().Object;
}

void addPartlyRecognisedNote(TProject& project, std::string note) {
  if (!project.runData<FormNotes>().partlyRecognised.insert(note).second) return;
  project.PartlyRecognisedObjects.push_back(std::move(note));
}

void CountFormObjects(TCounts& counts, const TFormCode& form) {
  for (const auto& entry : form.Objects) counts.addFormObject(entry.Object->Kind);
}

}  // namespace sorvik
