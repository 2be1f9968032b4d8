// The naming settings as the naming options dialog shows and stores them: the prefixes of
// the standard types, of the components of packages and of other vendors, the texts a
// name is taken from, the name patterns and the variable convention.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sorvik {

class Config;
struct ComponentPackage;

struct PrefixRow {
  std::string name;    // a type's display name, a class stem, or a variable type
  std::string prefix;  // "?" for a package component without one
};

struct NamingOptions {
  std::vector<PrefixRow> standard;    // every standard type with a name, in kind order
  std::vector<PrefixRow> thirdParty;  // [NamingSuggest3rdParty]
  std::vector<PrefixRow> variables;   // [NamingVarSuggest]: variable type and prefix
  bool caption = true, text = true, hint = true, title = true;
  std::vector<std::string> patterns;  // "<caption>_new"
  bool varCheck = true;
  int varSolution = 0;
  bool varApply = true;
};

// `programFolder` holds the component list files.
NamingOptions loadNamingOptions(const Config& config, const std::string& programFolder);
// Rewrites [Naming], [NamingSuggest], [NamingSuggest3rdParty] and [NamingVarSuggest].
void saveNamingOptions(Config& config, const NamingOptions& options);
// "&Defaults": forgets the prefixes and suggestions the user set.
void resetNamingOptions(Config& config);

// A package's components with the prefixes saved for them ("?" for none).
std::vector<PrefixRow> packagePrefixes(const Config& config, const ComponentPackage& package);
// Stores the rows that have a prefix, keeping the entries of other packages; the entries
// stay numbered from 1 without gaps.
void savePackagePrefixes(Config& config, const std::vector<PrefixRow>& rows);

// Why a name pattern cannot be added to `patterns`: the message, and whether it is an error
// (else a warning); none when it can.
struct PatternProblem {
  std::string message;
  bool error = true;
};
std::optional<PatternProblem> patternProblem(const std::vector<std::string>& patterns,
                                             const std::string& pattern);

}  // namespace sorvik
