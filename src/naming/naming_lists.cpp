#include "naming/naming_lists.h"

#include "generic/strings.h"

namespace sorvik {

std::string NamingLists::recordKey(int formLine, const std::string& formPath) {
  return std::to_string(formLine) + upperCase(formPath);
}

void NamingLists::addRename(TNameReplace record) {
  byFormLine_.emplace(recordKey(record.FormLine, record.FormPath), renames_.size());
  newNames_.insert(upperCase(record.NewName));
  renames_.push_back(std::move(record));
}

void NamingLists::addVariable(VariableCorrection entry) {
  variableKeys_.insert(entry.Key);
  variables_.push_back(std::move(entry));
}

void NamingLists::keep(const std::vector<bool>& renames, const std::vector<bool>& variables) {
  std::vector<TNameReplace> keptRenames;
  for (size_t i = 0; i < renames_.size(); ++i)
    if (i < renames.size() && renames[i]) keptRenames.push_back(std::move(renames_[i]));
  std::vector<VariableCorrection> keptVariables;
  for (size_t i = 0; i < variables_.size(); ++i)
    if (i < variables.size() && variables[i]) keptVariables.push_back(std::move(variables_[i]));
  renames_ = std::move(keptRenames);
  variables_ = std::move(keptVariables);
  index();
}

void NamingLists::clear() {
  renames_.clear();
  variables_.clear();
  suggestionLines_.clear();
  index();
}

void NamingLists::index() {
  byFormLine_.clear();
  newNames_.clear();
  variableKeys_.clear();
  for (size_t i = 0; i < renames_.size(); ++i) {
    byFormLine_.emplace(recordKey(renames_[i].FormLine, renames_[i].FormPath), i);
    newNames_.insert(upperCase(renames_[i].NewName));
  }
  for (const VariableCorrection& entry : variables_) variableKeys_.insert(entry.Key);
}

const TNameReplace* NamingLists::findRename(int formLine, const std::string& formPath) const {
  const auto found = byFormLine_.find(recordKey(formLine, formPath));
  return found == byFormLine_.end() ? nullptr : &renames_[found->second];
}

bool NamingLists::isNewName(const std::string& name) const {
  return newNames_.count(upperCase(name)) > 0;
}

bool NamingLists::hasVariable(const std::string& key) const {
  return variableKeys_.count(key) > 0;
}

bool NamingLists::isSuggestionLine(const std::string& display) const {
  return suggestionLines_.count(display) > 0;
}

void NamingLists::addSuggestionLine(std::string display) {
  suggestionLines_.insert(std::move(display));
}

NamingLists& namingLists(TProject& project) {
  return project.projectData<NamingLists>();
}

}  // namespace sorvik
