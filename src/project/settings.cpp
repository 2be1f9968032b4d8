#include "project/settings.h"

#include <algorithm>
#include <map>

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/result_kinds.h"

namespace sorvik {

namespace {

// Class-name prefixes of components from other vendors, when [Prefix] lists none.
const std::vector<std::string> kDefaultPrefixes = {"rx",  "ww",  "rz",  "jv",
                                                   "jvx", "led", "lmd", "ib"};

// Values of "<Key>1", "<Key>2", ... until the first missing key.
std::vector<std::string> numberedValues(const Config& config, std::string_view section,
                                        std::string_view key, int first) {
  std::vector<std::string> values;
  for (int n = first;; ++n) {
    const std::string name = std::string(key) + std::to_string(n);
    if (!config.valueExists(section, name)) break;
    values.push_back(config.readString(section, name));
  }
  return values;
}

void loadComponentNames(const std::string& programFolder, std::vector<std::string>& names) {
  for (const ComponentPackage& package : loadComponentPackages(programFolder))
    for (const std::string& name : package.classes) names.push_back(upperCase(name));
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
}

}  // namespace

bool defaultHintEnabled(int kind) {
  return kind != 37;
}
bool defaultWarningEnabled(int kind) {
  return kind != 106;
}

std::string componentFileName(int ideNumber) {
  switch (ideNumber) {
    case 9:
      return "Comp_D2005.txt";
    case 10:
      return "Comp_D2006.txt";
    case 11:
      return "Comp_D2007.txt";
    case 12:
      return "Comp_D2009.txt";
    default:
      return "Comp_D" + std::to_string(ideNumber) + ".txt";
  }
}

TSettings::TSettings(const Config& config, const std::string& programFolder) {
  for (int i = 0; i < 38; ++i)
    HintEnabled[i] = config.readBool("Hints", std::to_string(i), defaultHintEnabled(i));
  for (int i = 0; i < 17; ++i)
    WarningEnabled[i] =
        config.readBool("Warnings", std::to_string(100 + i), defaultWarningEnabled(100 + i));
  for (int i = 0; i < 19; ++i)
    WebHintEnabled[i] = config.readBool("AspHints", std::to_string(230 + i), true);

  NameCaption = config.readBool("NamingSuggest", "Caption", true);
  NameText = config.readBool("NamingSuggest", "Text", true);
  NameHint = config.readBool("NamingSuggest", "Hint", true);
  NameTitle = config.readBool("NamingSuggest", "Title", true);
  VarCheck = config.readBool("NamingSuggest", "VarCheck", true);
  VarSolution = config.readInteger("NamingSuggest", "VarSolution", 0);
  VarApply = config.readBool("NamingSuggest", "VarApply1", true);
  TabStops = config.readInteger("General", "TabStops", 8);
  loadComponentNames(programFolder, ComponentNames);

  NamingSuggestions = numberedValues(config, "NamingSuggest", "Sugg", 0);
  for (const auto& entry : NamingSuggestions) {
    const auto open = entry.find('<');
    const auto close = open == std::string::npos ? open : entry.find('>', open + 1);
    NamingSuggestionTypes.push_back(
        close == std::string::npos ? std::string() : entry.substr(open + 1, close - open - 1));
  }
  if (config.sectionExists("NamingVarSuggest")) {
    VarPrefixTypes = numberedValues(config, "NamingVarSuggest", "Sugg", 1);
    for (size_t n = 1; n <= VarPrefixTypes.size(); ++n)
      VarPrefixes.push_back(config.readString("NamingVarSuggest", "SuggName" + std::to_string(n)));
  } else {
    VarPrefixTypes = {"string", "integer", "boolean", "TStringlist"};
    VarPrefixes = {"s", "i", "b", "sl"};
  }

  UseIfDefs = config.readBool("Compiler", "UseIfDefs", false);
  DoIncludes = config.readBool("Compiler", "DoIncludes", true);
  DoUses = config.readBool("Compiler", "DoUses", false);
  GuessComponents = config.readBool("General", "GuessComponents", true);
  DelphiVersion = config.readInteger("General", "UseDelphiVersion", -1);
  ComponentPrefixes = numberedValues(config, "Prefix", "item", 1);
  if (ComponentPrefixes.empty()) ComponentPrefixes = kDefaultPrefixes;
  CheckStringConst = config.readBool("General", "CheckStringConst", true);
}

bool TSettings::kindEnabled(int kind) const {
  if (isHintRange(kind)) return HintEnabled[kind];
  if (isWarningRange(kind)) return WarningEnabled[kind - 100];
  if (isWebHintRange(kind)) return WebHintEnabled[kind - 230];
  if (isTemplateKind(kind)) {
    const size_t index = static_cast<size_t>(kind - kFirstTemplateKind);
    return index < Templates.size() && Templates[index].enabled;
  }
  return true;
}

void TSettings::resetSwitchesToDefaults() {
  for (int i = 0; i < 38; ++i) HintEnabled[i] = defaultHintEnabled(i);
  for (int i = 0; i < 17; ++i) WarningEnabled[i] = defaultWarningEnabled(100 + i);
  WebHintEnabled.fill(true);
  for (auto& item : Templates) item.enabled = true;
}

std::vector<ComponentPackage> loadComponentPackages(const std::string& programFolder) {
  std::vector<ComponentPackage> packages;
  std::map<std::string, size_t> byName;
  for (int ide = 5; ide <= 12; ++ide) {
    const auto lines = readLines(joinPath(programFolder, componentFileName(ide)));
    if (!lines) continue;
    // Classes listed before any package name belong to a package without a name.
    std::string package;
    for (const std::string& line : *lines) {
      const std::string text = trimRight(line);
      if (text.empty()) continue;
      if (static_cast<unsigned char>(text[0]) > ' ') {
        package = text;
        continue;
      }
      if (text.size() <= 2) continue;
      const auto [at, added] = byName.emplace(upperCase(package), packages.size());
      if (added) packages.push_back({package, {}});
      packages[at->second].classes.push_back(text.substr(2));
    }
  }
  return packages;
}

}  // namespace sorvik
