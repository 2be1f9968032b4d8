// The analysis switches that every result consults, loaded once from config.ini.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "project/config.h"

namespace sorvik {

// A user code template as far as the catalogue, the counters and the gate need it; the
// templates themselves are loaded by the code-template layer.
struct TemplateSwitch {
  std::string name;
  bool isWarning = false;
  bool enabled = true;
};

struct TSettings {
  TSettings() = default;
  // Reads everything from `config`; `programFolder` holds the Comp_D*.txt files.
  TSettings(const Config& config, const std::string& programFolder);

  std::array<bool, 38> HintEnabled{};
  std::array<bool, 17> WarningEnabled{};
  std::array<bool, 19> WebHintEnabled{};
  bool NameCaption = true, NameText = true, NameHint = true, NameTitle = true, VarCheck = true;
  int VarSolution = 0;
  bool VarApply = true;
  int TabStops = 8;
  std::vector<std::string> ComponentNames;  // upper-cased, sorted, unique
  std::vector<std::string> NamingSuggestions, NamingSuggestionTypes;
  std::vector<std::string> VarPrefixTypes, VarPrefixes;

  bool UseIfDefs = false;
  bool DoIncludes = true;
  bool DoUses = false;
  bool GuessComponents = true;
  int DelphiVersion = -1;
  std::vector<std::string> ComponentPrefixes;  // [Prefix] item1, item2, ...
  bool CheckStringConst = true;
  std::vector<TemplateSwitch> Templates;  // filled when the code templates are loaded

  // Whether results of `kind` are looked for at all (built-in kinds and templates).
  bool kindEnabled(int kind) const;
  void resetSwitchesToDefaults();
};

// The hint and warning switches' defaults.
bool defaultHintEnabled(int kind);
bool defaultWarningEnabled(int kind);

// "Comp_D5.txt" ... "Comp_D2009.txt": the component-name file of IDE number 5 to 12.
std::string componentFileName(int ideNumber);

// A package of the component list files and the component classes it holds.
struct ComponentPackage {
  std::string name;
  std::vector<std::string> classes;
};
// The packages of the component list files in the program folder, in file order; a
// package named in several files is one, and classes listed before any package name are
// a package named "". A package that lists no class is left out.
std::vector<ComponentPackage> loadComponentPackages(const std::string& programFolder);

}  // namespace sorvik
