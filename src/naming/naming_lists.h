// What a naming run leaves for the rename run that applies it: one rename record per
// proposed component name, and one entry per variable whose letter case is to be corrected.
// They live with the project, across the reset that starts the rename run, until a run in
// another mode empties them.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "project/project.h"

namespace sorvik {

struct TNameReplace {
  int FormLine = -1;         // 0-based index of the component's "object" line in its form
  int DeclarationLine = -1;  // 0-based file line of its field declaration in the unit; -1: none
  std::string FormName;
  std::string OldName, NewName;
  std::string ClassName;  // "T" and the component's type display name
  std::string FormPath;
  std::string Display;  // the output line of its suggestion
};

// A variable reference whose case the rename run corrects: key is the processed line, the
// unit's path, "," and the text found.
struct VariableCorrection {
  std::string Key;
  std::string Display;
};

class NamingLists : public RunData {
 public:
  const std::vector<TNameReplace>& renames() const { return renames_; }
  const std::vector<VariableCorrection>& variables() const { return variables_; }

  void addRename(TNameReplace record);
  void addVariable(VariableCorrection entry);
  // Keeps the entries whose flag is set (one flag per entry, in order).
  void keep(const std::vector<bool>& renames, const std::vector<bool>& variables);
  void clear();

  const TNameReplace* findRename(int formLine, const std::string& formPath) const;
  // Some record proposes `name` (ignoring case).
  bool isNewName(const std::string& name) const;
  bool hasVariable(const std::string& key) const;
  // One of the output lines of the naming run, which the rename run does not show again.
  bool isSuggestionLine(const std::string& display) const;
  void addSuggestionLine(std::string display);

 private:
  static std::string recordKey(int formLine, const std::string& formPath);
  void index();

  std::vector<TNameReplace> renames_;  // in the order they were made
  std::vector<VariableCorrection> variables_;
  std::unordered_map<std::string, size_t> byFormLine_;
  std::unordered_set<std::string> newNames_;  // upper case
  std::unordered_set<std::string> variableKeys_;
  std::unordered_set<std::string> suggestionLines_;
};

NamingLists& namingLists(TProject& project);

}  // namespace sorvik
