#include "naming/naming_options.h"

#include <algorithm>

#include "formanalysis/component_kinds.h"
#include "generic/strings.h"
#include "naming/prefix_table.h"
#include "project/config.h"
#include "project/settings.h"

namespace sorvik {

namespace {

constexpr const char* kSuggest = "NamingSuggest";
constexpr const char* kThirdParty = "NamingSuggest3rdParty";
constexpr const char* kPackages = "NamingSuggestPackage";
constexpr const char* kVariables = "NamingVarSuggest";

// Rows stored as SuggName<n> (name) and Sugg<n> (prefix), n from 1, up to the first
// empty name.
std::vector<PrefixRow> readRows(const Config& config, const char* section) {
  std::vector<PrefixRow> rows;
  for (int n = 1;; ++n) {
    std::string name = config.readString(section, "SuggName" + std::to_string(n));
    if (name.empty()) break;
    rows.push_back({std::move(name), config.readString(section, "Sugg" + std::to_string(n))});
  }
  return rows;
}

void writeRows(Config& config, const char* section, const std::vector<PrefixRow>& rows) {
  config.eraseSection(section);
  int n = 0;
  for (const PrefixRow& row : rows) {
    if (row.name.empty()) continue;
    ++n;
    config.writeString(section, "SuggName" + std::to_string(n), row.name);
    config.writeString(section, "Sugg" + std::to_string(n), row.prefix);
  }
}

}  // namespace

NamingOptions loadNamingOptions(const Config& config, const std::string& programFolder) {
  NamingOptions options;
  for (int kind = 1; kind <= kLastComponentKind; ++kind) {
    const std::string_view name = componentKindTableName(kind);
    if (name.empty() || kind == kKindListedUnknown || kind == kKindUnknown) continue;
    options.standard.push_back(
        {std::string(name),
         config.readString("Naming", "Prefix_" + std::string(name), defaultPrefix(kind))});
  }
  options.thirdParty = readRows(config, kThirdParty);
  // The variable types are stored under "Sugg<n>" and their prefixes under "SuggName<n>",
  // as the settings read them.
  const TSettings settings(config, programFolder);
  for (size_t i = 0; i < settings.VarPrefixTypes.size(); ++i)
    options.variables.push_back({settings.VarPrefixTypes[i], settings.VarPrefixes[i]});
  options.caption = settings.NameCaption;
  options.text = settings.NameText;
  options.hint = settings.NameHint;
  options.title = settings.NameTitle;
  options.patterns = settings.NamingSuggestions;
  options.varCheck = settings.VarCheck;
  options.varSolution = settings.VarSolution;
  options.varApply = settings.VarApply;
  return options;
}

void saveNamingOptions(Config& config, const NamingOptions& options) {
  config.eraseSection("Naming");
  for (const PrefixRow& row : options.standard)
    config.writeString("Naming", "Prefix_" + row.name, row.prefix);
  config.eraseSection(kSuggest);
  for (size_t n = 0; n < options.patterns.size(); ++n)
    config.writeString(kSuggest, "Sugg" + std::to_string(n), options.patterns[n]);
  config.writeBool(kSuggest, "Caption", options.caption);
  config.writeBool(kSuggest, "Text", options.text);
  config.writeBool(kSuggest, "Hint", options.hint);
  config.writeBool(kSuggest, "Title", options.title);
  config.writeBool(kSuggest, "VarCheck", options.varCheck);
  config.writeBool(kSuggest, "VarApply1", options.varApply);
  config.writeInteger(kSuggest, "VarSolution", options.varSolution);
  writeRows(config, kThirdParty, options.thirdParty);
  config.eraseSection(kVariables);
  int n = 0;
  for (const PrefixRow& row : options.variables) {
    if (row.name.empty()) continue;
    ++n;
    config.writeString(kVariables, "Sugg" + std::to_string(n), row.name);
    config.writeString(kVariables, "SuggName" + std::to_string(n), row.prefix);
  }
}

void resetNamingOptions(Config& config) {
  for (const char* section : {"Naming", kSuggest, kThirdParty, kPackages})
    config.eraseSection(section);
}

std::vector<PrefixRow> packagePrefixes(const Config& config, const ComponentPackage& package) {
  const std::vector<PrefixRow> saved = readRows(config, kPackages);
  std::vector<PrefixRow> rows;
  for (const std::string& component : package.classes) {
    const auto found = std::find_if(saved.begin(), saved.end(), [&](const PrefixRow& row) {
      return sameText(row.name, component);
    });
    rows.push_back({component, found == saved.end() ? "?" : found->prefix});
  }
  return rows;
}

void savePackagePrefixes(Config& config, const std::vector<PrefixRow>& rows) {
  std::vector<PrefixRow> entries = readRows(config, kPackages);
  for (const PrefixRow& row : rows) {
    std::erase_if(entries, [&](const PrefixRow& entry) { return sameText(entry.name, row.name); });
    if (!row.prefix.empty() && row.prefix != "?") entries.push_back(row);
  }
  writeRows(config, kPackages, entries);
}

std::optional<PatternProblem> patternProblem(const std::vector<std::string>& patterns,
                                             const std::string& pattern) {
  const size_t open = pattern.find('<');
  const size_t close = open == std::string::npos ? open : pattern.find('>', open);
  if (close == std::string::npos)
    return PatternProblem{
        "No property has been specified\r\n\r\nProperties should be enclosed using < and >, "
        "e.g. <Caption>"};
  if (pattern.find('<', open + 1) != std::string::npos ||
      pattern.find('>', close + 1) != std::string::npos)
    return PatternProblem{
        "Property has not been specified properly\r\n\r\nOnly one property can be specified for "
        "a name"};
  if (std::any_of(patterns.begin(), patterns.end(),
                  [&](const std::string& entry) { return sameText(entry, pattern); }))
    return PatternProblem{"This entry already exists on the list", false};
  return std::nullopt;
}

}  // namespace sorvik
