#include "search/search_options.h"

#include <algorithm>

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/config.h"
#include "project/prompter.h"
#include "search/search_utils.h"
#include "source/line_forms.h"

namespace sorvik {

namespace {

constexpr const char* kSection = "sorvikscan";
constexpr const char* kRecentSection = "cbRecentScan";
constexpr size_t kRecentCount = 10;
constexpr int kUnlimited = 2147483647;

// A comment opener outside the quoted parts; with regular expressions "{" is a repetition,
// and any "{" outside quotes leaves the question out.
bool hasCommentOpener(const std::string& text, bool regular) {
  bool quoted = false, opener = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') {
      quoted = !quoted;
      continue;
    }
    if (quoted) continue;
    if (c == '{') {
      if (regular) return false;
      opener = true;
    }
    if ((c == '(' || c == '/') && i + 1 < text.size() && text[i + 1] == (c == '(' ? '*' : '/'))
      opener = true;
  }
  return opener;
}

int maxResults(const SearchDialogValues& values) {
  const std::string amount = trim(values.LimitAmount);
  if (!values.Limit || amount.empty()) return kUnlimited;
  return toInt(amount, kUnlimited);
}

// Upper case, with the placeholder words of variable expressions back in lower case and the
// unnumbered ones numbered. The literals of a variable expression keep their case, as the
// code's compact lines keep theirs.
std::string normalise(const std::string& text, bool useTemplate) {
  if (!useTemplate) return upperCase(text);
  std::string out = upperOutsideLiterals(text);
  for (const char* word :
       {"<integer", "<string", "<stringvalue", "<charvalue", "<floatvalue", "<intvalue"})
    out = replaceAllText(out, word, word);
  out = replaceAll(out, "<integer>", "<integer1>");
  out = replaceAll(out, "<string>", "<string1>");
  // The dialog's own example "<string1>:=IntToStr(<intvalue>);" finds "s:=IntToStr(99);":
  // an unnumbered value stands for the first value of its kind.
  for (const char* word : {"<intvalue", "<strvalue", "<charvalue"})
    out = replaceAllText(out, std::string(word) + ">", std::string(word) + "1>");
  return out;
}

}  // namespace

bool hasExpressionCharacter(const std::string& text) {
  return text.find_first_of("#%()*<>?[\\]_{}") != std::string::npos;
}

SearchDialogValues ReadSearchSettings(const Config& config, bool resultsExist) {
  SearchDialogValues values;
  values.Text = config.readString(kSection, "Search1", "");
  values.Scope = config.readInteger(kSection, "SelIndex", kScopeAllFiles);
  if (values.Scope < kScopeSourceCode || values.Scope > kScopeAllFiles)
    values.Scope = kScopeAllFiles;
  values.CaseSensitive = config.readBool(kSection, "Case", false);
  values.WholeWords = config.readBool(kSection, "WholeWords", false);
  values.IgnoreSpacing = config.readBool(kSection, "Spaces", true);
  values.IgnoreComments = config.readBool(kSection, "Comments", true);
  values.Limit = config.readBool(kSection, "Limit", false);
  values.LimitAmount = config.readString(kSection, "LimitAmt", "");
  values.IgnoreLiterals = config.readBool(kSection, "StringLiterals", false);
  values.Expressions = std::clamp(config.readInteger(kSection, "Expressions", 0), 0, 2);
  values.WithinLastResults = resultsExist && config.readBool(kSection, "SearchLastResults", false);
  return values;
}

bool WriteSearchSettings(Config& config, const SearchDialogValues& values) {
  config.writeString(kSection, "Search1", values.Text);
  config.writeInteger(kSection, "SelIndex", values.Scope);
  config.writeBool(kSection, "Case", values.CaseSensitive);
  config.writeBool(kSection, "WholeWords", values.WholeWords);
  config.writeBool(kSection, "Spaces", values.IgnoreSpacing);
  config.writeBool(kSection, "Comments", values.IgnoreComments);
  config.writeBool(kSection, "Limit", values.Limit);
  config.writeString(kSection, "LimitAmt", values.LimitAmount);
  config.writeBool(kSection, "StringLiterals", values.IgnoreLiterals);
  config.writeInteger(kSection, "Expressions", values.Expressions);
  config.writeBool(kSection, "SearchLastResults", values.WithinLastResults);
  return config.file().save();
}

bool ConfirmSearch(SearchDialogValues& values, Prompter& prompter) {
  const std::string& text = values.Text;
  if (trim(text).empty()) {
    prompter.showWarning("A search cannot be performed on empty text");
    return false;
  }
  if (values.Scope != kScopeForms) {
    if (values.IgnoreComments &&
        hasCommentOpener(text, values.Expressions == kRegularExpressions) &&
        !prompter.askYesNo("You have chosen to ignore comments\rbut you have comments in your "
                           "search text.\r\rAre you sure you want to continue ?"))
      return false;
    if (values.IgnoreSpacing && text.find("  ") != std::string::npos) {
      prompter.showWarning(
          "You have chosen to ignore excessive spacing\r\nwhich means you cannot have more than "
          "one space\r\nin your search text");
      return false;
    }
    if (values.CaseSensitive && values.Expressions == kVariableExpressions &&
        !prompter.askYesNo(
            "Variable expression searches are case insensitive\r\rDo you want to continue ?"))
      return false;
  }
  if (values.IgnoreLiterals && text.find_first_of("'\"") != std::string::npos) {
    prompter.showWarning(
        "You have chosen to ignore string literals\r\nwhich means you cannot have "
        "quotes\r\nin your search text");
    return false;
  }
  if (values.Expressions == kRegularExpressions && !hasExpressionCharacter(text)) {
    if (!prompter.askYesNo("No expression characters are in this regular expression "
                           "search.\r\rThis search will be a normal text search. Do you want to "
                           "continue ?"))
      return false;
    values.Expressions = kNoExpressions;
  }
  // An expression the engine cannot read would fail on every line: it is refused here.
  if (values.Expressions == kRegularExpressions) {
    const std::string error = regularExpressionError(text, values.CaseSensitive);
    if (!error.empty()) {
      prompter.showWarning("The regular expression cannot be used: " + error);
      return false;
    }
  }
  return true;
}

std::vector<std::string> RecentSearches(const Config& config) {
  std::vector<std::string> recent;
  for (size_t i = 0; i < kRecentCount; ++i) {
    std::string text = config.readString(kRecentSection, "R" + std::to_string(i), "");
    if (text.empty()) break;
    recent.push_back(std::move(text));
  }
  return recent;
}

bool AddRecentSearch(Config& config, const std::string& text) {
  std::vector<std::string> recent = RecentSearches(config);
  if (text.empty() || std::any_of(recent.begin(), recent.end(),
                                  [&](const std::string& entry) { return sameText(entry, text); }))
    return true;
  recent.insert(recent.begin(), text);
  if (recent.size() > kRecentCount) recent.resize(kRecentCount);
  config.eraseSection(kRecentSection);
  for (size_t i = 0; i < recent.size(); ++i)
    config.writeString(kRecentSection, "R" + std::to_string(i), recent[i]);
  return config.file().save();
}

TSearchOptions::TSearchOptions(const SearchDialogValues& values, std::string programFolder)
    : SearchText(values.Text),
      Scope(values.Scope),
      MaxResults(maxResults(values)),
      programFolder_(std::move(programFolder)) {
  const std::string stored = joinPath(programFolder_, kSearchResultsFile);
  WithinLastResults = values.WithinLastResults && fileExists(stored);
  if (WithinLastResults) {
    TSearchResults last;
    last.LoadResults(stored);
    LastResults.emplace(last.Entries);
  }
  IgnoreLiterals = values.IgnoreLiterals;
  CaseSensitive = values.CaseSensitive;
  WholeWords = values.WholeWords;
  IgnoreSpacing = values.IgnoreSpacing;
  IgnoreComments = values.IgnoreComments;
  if (Scope != kScopeForms && values.Expressions == kVariableExpressions) {
    UseTemplate =
        values.Text.find('<') != std::string::npos && values.Text.find('>') != std::string::npos;
  } else if (values.Expressions == kRegularExpressions) {
    UseRegExpr = hasExpressionCharacter(values.Text);
  }
  // A regular expression keeps its escapes: letter case is left to the engine.
  if (UseRegExpr) Expression = values.Text;
  if (!CaseSensitive) SearchText = normalise(SearchText, UseTemplate);
  if (UseTemplate) {
    SearchTemplate = std::make_unique<TCodeTemplate>();
    SearchTemplate->LoadSearchTemplate(SearchText);
  }
}

TSearchOptions::~TSearchOptions() {
  if (Scope == kScopeSourceCode && !Results.Entries.empty())
    Results.SaveResults(joinPath(programFolder_, kSearchResultsFile));
}

bool TSearchOptions::full() const {
  return static_cast<long long>(Results.Entries.size()) >= MaxResults;
}

}  // namespace sorvik
