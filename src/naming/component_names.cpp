#include "naming/component_names.h"

#include <algorithm>
#include <string_view>

#include "formanalysis/component_kinds.h"
#include "formanalysis/form_code.h"
#include "formanalysis/property_readers.h"
#include "generic/strings.h"
#include "naming/clean_name.h"
#include "naming/naming_lists.h"
#include "naming/prefix_table.h"
#include "project/results.h"
#include "source/code_unit.h"

namespace sorvik {

namespace {

constexpr int kNamingKind = 300;

bool isUnknownClass(const TFormObject& component) {
  return component.Kind == kKindListedUnknown || component.Kind == kKindUnknown;
}

// Kinds whose caption names them.
bool namedByCaption(int kind) {
  constexpr int kKinds[] = {1, 3, 4, 5, 6, 11, 12, 13, 14, 15, 17, 21};
  return std::find(std::begin(kKinds), std::end(kKinds), kind) != std::end(kKinds);
}

bool isDialog(int kind) {
  return kind == 31 || (kind >= 61 && kind <= 69);
}

// The name a default name begins with: the kind's name, or for a component of unknown
// class its class as written without the "T" and any position (" [2]") after it, since
// that is what the IDE numbers.
std::string baseName(const TFormObject& component) {
  if (!isUnknownClass(component)) return std::string(componentKindTableName(component.Kind));
  std::string_view text = component.ClassText;
  text = text.substr(0, std::min(text.find(' '), text.size()));
  if (!text.empty() && (text.front() == 'T' || text.front() == 't')) text.remove_prefix(1);
  return std::string(text);
}

// The name begins with the base name and goes on with nothing or a number.
bool hasDefaultName(const TFormObject& component) {
  const std::string base = baseName(component);
  if (base.empty() || !startsWithText(component.Name, base)) return false;
  const std::string_view rest = std::string_view(component.Name).substr(base.size());
  return std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class NameMaker {
 public:
  NameMaker(TProject& project, const TFormObject& component, const FormComponentNames& formNames,
            std::string prefix)
      : lists_(namingLists(project)),
        component_(component),
        formNames_(formNames),
        prefix_(std::move(prefix)) {}

  // The name made of one of the component's texts, or "".
  std::string make(std::string_view value) const {
    if (value.empty() || sameText(value, component_.Name)) return {};
    const std::string text = prefix_ + std::string(value);
    std::string name = CleanName(text, 3);
    if (name.empty() || !taken(name)) return name;
    for (const int words : {4, 5}) {
      name = CleanName(text, words);
      if (!taken(name)) return name;
    }
    for (int n = 2; n <= 98; ++n) {
      std::string numbered = name + std::to_string(n);
      if (!taken(numbered)) return numbered;
    }
    return {};
  }

 private:
  bool taken(const std::string& name) const {
    return lists_.isNewName(name) || formNames_.count(upperCase(name)) > 0;
  }

  const NamingLists& lists_;
  const TFormObject& component_;
  const FormComponentNames& formNames_;
  std::string prefix_;
};

// The field declaration of the component in the form's class: the 0-based file line, or -1.
int declarationLine(const TCodeUnit& unit, const std::string& formName,
                    const TFormObject& component) {
  const int last = unit.ImplLine > 0 ? unit.ImplLine : static_cast<int>(unit.size()) - 1;
  const std::string classLine = "T" + upperCase(formName) + "=CLASS(TFORM)";
  const std::string name = upperCase(component.Name);
  const std::string field = name + ":T" + upperCase(componentKindTableName(component.Kind)) + ";";
  int line = 0;
  while (line <= last && unit.ScanLines[static_cast<size_t>(line)] != classLine) ++line;
  for (++line; line <= last; ++line) {
    const std::string_view text = unit.ScanLines[static_cast<size_t>(line)];
    if (text == "END;") return -1;
    const bool found = isUnknownClass(component) ? text.starts_with(name + ":") : text == field;
    if (found) return unit.LineMap[static_cast<size_t>(line)];
  }
  return -1;
}

}  // namespace

FormComponentNames componentNames(const TFormCode& form) {
  FormComponentNames names;
  for (const FormObjectEntry& entry : form.Objects) names.insert(upperCase(entry.Name));
  return names;
}

std::string BuildName(TProject& project, const PrefixTable& prefixes, const TFormObject& component,
                      const TFormCode& form, const FormComponentNames& formNames) {
  const std::string prefix = GetPrefix(prefixes, component);
  if (prefix.empty()) return {};
  const TSettings& settings = project.settings();
  const NameMaker maker(project, component, formNames, prefix);
  std::string name;
  const int kind = component.Kind;
  const std::string& caption = component.text("Caption").Value;
  if (settings.NameCaption &&
      (namedByCaption(kind) || (isUnknownClass(component) && !caption.empty())))
    name = maker.make(caption);
  if (name.empty() && settings.NameText && (kind == kKindEdit || isUnknownClass(component)))
    name = maker.make(component.text("Text").Value);
  if (name.empty() && settings.NameHint && component.visual())
    name = maker.make(component.visual()->Hint.Hint);
  if (name.empty() && settings.NameTitle && isDialog(kind))
    name = maker.make(component.text("Title").Value);
  for (size_t i = 0; name.empty() && i < settings.NamingSuggestions.size(); ++i) {
    const std::string& property = settings.NamingSuggestionTypes[i];
    if (property.empty()) continue;
    const std::string made = maker.make(ReadStringProperty(component, form.Lines, property).Value);
    if (!made.empty())
      name = replaceAllText(settings.NamingSuggestions[i], "<" + property + ">", made);
  }
  return name;
}

void SuggestComponentNames(TProject& project, TCodeUnit& unit, TFormCode& form) {
  NamingLists& lists = namingLists(project);
  const PrefixTable& prefixes = project.context().service<PrefixTable>();
  // One result per line holds within this form, whatever line numbers other files used.
  project.report().RoutineReportedLines.clear();
  const FormComponentNames formNames = componentNames(form);
  for (const FormObjectEntry& entry : form.Objects) {
    const TFormObject& component = *entry.Object;
    if (lists.findRename(component.StartLine, project.CurrentFile) || !hasDefaultName(component))
      continue;
    const std::string name = BuildName(project, prefixes, component, form, formNames);
    if (name.empty()) continue;
    const std::string text = "Replace '" + component.Name + "' to '" + name + "'";
    AddResult(project, kNamingKind, component.StartLine, text, &form);
    if (project.RenameMode) continue;
    TNameReplace record;
    record.FormLine = component.StartLine;
    record.DeclarationLine = declarationLine(unit, form.FormName, component);
    record.FormName = form.FormName;
    record.OldName = component.Name;
    record.NewName = name;
    record.ClassName = "T" + std::string(componentKindTableName(component.Kind));
    record.FormPath = project.CurrentFile;
    record.Display = displayLine(project.CurrentFile, component.StartLine + 1, "):" + text);
    lists.addSuggestionLine(record.Display);
    lists.addRename(std::move(record));
  }
}

}  // namespace sorvik
