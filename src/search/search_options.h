// The options of a code search: what the search dialog holds (stored in [sorvikscan] of
// config.ini), the checks its "OK" makes, the recent searches, and the confirmed search that
// a run uses.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "checks/code_template.h"
#include "search/search_results.h"

namespace sorvik {

class Config;
class Prompter;

enum SearchScope { kScopeSourceCode = 1, kScopeForms = 2, kScopeAllFiles = 3 };
enum SearchExpressions { kNoExpressions = 0, kVariableExpressions = 1, kRegularExpressions = 2 };

// The dialog's controls.
struct SearchDialogValues {
  std::string Text;
  int Scope = kScopeAllFiles;
  bool CaseSensitive = false;
  bool WholeWords = false;
  bool IgnoreSpacing = true;
  bool IgnoreComments = true;
  bool Limit = false;
  std::string LimitAmount{};
  bool IgnoreLiterals = false;
  int Expressions = kNoExpressions;
  bool WithinLastResults = false;
};

// The settings as stored; "Search within last results" only when `resultsExist`.
SearchDialogValues ReadSearchSettings(const Config& config, bool resultsExist);
// Stores the settings; false when config.ini could not be written.
bool WriteSearchSettings(Config& config, const SearchDialogValues& values);

// The checks of "OK" in their order: a warning ends the confirmation, and so does a
// question answered No; a regular-expression search without expression characters
// becomes a plain one when the user agrees. True when the search may start.
bool ConfirmSearch(SearchDialogValues& values, Prompter& prompter);

// The recent searches, newest first.
std::vector<std::string> RecentSearches(const Config& config);
// Puts a text that is not yet in the list (ignoring case) at its top, keeping ten; false
// when config.ini could not be written.
bool AddRecentSearch(Config& config, const std::string& text);

// The search text holds one of the characters that make a regular expression.
bool hasExpressionCharacter(const std::string& text);

// A confirmed search.
class TSearchOptions {
 public:
  // Builds the options from the dialog's values; the stored results of the last search are
  // read from `programFolder` when asked for.
  TSearchOptions(const SearchDialogValues& values, std::string programFolder);
  // Stores the hits of a source-code search that found any in results.dat.
  ~TSearchOptions();
  TSearchOptions(const TSearchOptions&) = delete;
  TSearchOptions& operator=(const TSearchOptions&) = delete;

  bool full() const;

  std::string SearchText;  // normalised: upper case unless the search is case-sensitive
  std::string Expression;  // a regular expression as typed
  int Scope = kScopeAllFiles;
  int MaxResults = 2147483647;
  bool CaseSensitive = false;
  bool WholeWords = false;
  bool UseTemplate = false;
  bool UseRegExpr = false;
  bool IgnoreSpacing = true;
  bool IgnoreComments = true;
  bool WithinLastResults = false;
  bool IgnoreLiterals = false;
  std::unique_ptr<TCodeTemplate> SearchTemplate;
  TSearchResults Results;
  std::optional<TFileResults> LastResults;

 private:
  std::string programFolder_;
};

// The current search options of an application: the last confirmed search, kept until the
// dialog is next closed.
struct CurrentSearch {
  std::unique_ptr<TSearchOptions> Options;
};

}  // namespace sorvik
