#include "spelling/spell_run.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <unordered_set>

#include "formanalysis/component_kinds.h"
#include "generic/date_names.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/result_kinds.h"
#include "project/results.h"
#include "spelling/code_speller.h"
#include "spelling/custom_dictionary.h"
#include "spelling/hunspell_checker.h"
#include "spelling/locate_word.h"
#include "spelling/page_spelling.h"
#include "spelling/spelling_text.h"
#include "spelling/split_words.h"

namespace sorvik {

namespace {

struct SpellRunData : RunData {
  std::unique_ptr<TSpell> spell;
};

// Words that are never reported: names of the trade and of file types, and page markup.
bool isPassedOver(const std::string& word) {
  static const std::unordered_set<std::string> kWords = {
      "dll",    "dpr", "dfm", "delphi", "exe",  "english", "http", "microsoft", "pas",
      "pascal", "rtf", "br",  "html",   "head", "nbsp",    "tr",   "td"};
  if (kWords.count(word) || startsWith(word, "www.")) return true;
  // A web address ending ".com", ".org" or ".net".
  const size_t n = word.size();
  return n > 4 && word[n - 4] == '.' &&
         (endsWith(word, "com") || endsWith(word, "org") || endsWith(word, "net"));
}

// Month and day names, which Hunspell rejects in lower case.
bool isDateName(const std::string& word) {
  const auto named = [&](const auto& names) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* name) { return sameText(word, name); });
  };
  return named(kLongMonths) || named(kWeekdays);
}

}  // namespace

TSpell::TSpell(TProject& project) : project_(project), engine_(project.context().programFolder) {
  AppContext& context = project.context();
  const std::string& folder = context.programFolder;
  const std::string language = context.config.readString("SpellProps", "Language", "English");
  if (context.config.readBool("SpellProps", "UseWord", false)) {
    wordChecker_ = context.service<UseWordChecker>().open();
    if (!wordChecker_)
      project.addError("Error starting Hunspell, sorvik spell checker used instead");
  }
  std::error_code error;
  engine_.UseUserDictionary = std::filesystem::exists(folder + kUserDictionaryFile, error);
  std::string dictionary = findExistingPath(folder + language + ".dic");
  if (dictionary.empty()) dictionary = findExistingPath(folder + "english.dic");
  for (const std::string& path : engine_.LoadDictionary(dictionary))
    project.addError("Dictionary could not be read, its words are not used: " + path);
}

bool TSpell::CheckText(std::string_view text, int sourceKind,
                       const std::vector<std::string>* fileLines, int line,
                       const std::string& fileName) {
  bool reported = false;
  std::unordered_map<std::string, int> seen;
  for (std::string& word : SplitWords(decodeForSpelling(text))) {
    if (!word.empty() && word.front() == '.') word.erase(0, 1);
    if (word.empty()) continue;
    const std::string lowered = lowerCase(word);
    if (isPassedOver(lowered)) continue;
    const int occurrence = ++seen[lowered];
    if (CheckOneWord(word, sourceKind, occurrence, fileLines, line, fileName)) {
      ++project_.report().Counts.SpellingMistakes;
      reported = true;
    }
  }
  return reported;
}

bool TSpell::CheckOneWord(const std::string& word, int sourceKind, int occurrence,
                          const std::vector<std::string>* fileLines, int line,
                          const std::string& fileName) {
  ++WordsChecked;
  const std::string lowered = lowerCase(word);
  if (project_.context().service<TCodeSpeller>().HideDuplicates && reported_.count(lowered)) {
    ++Duplicates;
    return false;
  }
  if (!isMisspelled(word, lowered)) return false;
  TSpellResult result{sourceKind, fileName, line, 0};
  if (fileLines) {
    if (const auto place = locateWord(*fileLines, fileName, word, occurrence, line)) {
      result.Line = place->line;
      result.Column = place->column;
    }
  }
  ++reported_[lowered];
  addResult(word, result);
  return true;
}

bool TSpell::isMisspelled(const std::string& word, const std::string& lowered) const {
  if (wordChecker_) return !wordChecker_->check(lowered) && !isDateName(lowered);
  return !engine_.CheckWord(word);
}

void TSpell::addResult(const std::string& word, const TSpellResult& result) {
  try {
    items_.push_back({word, result});
    ResultSpan span;
    if (result.Column > 0) span = {result.Column, static_cast<int>(word.size()), 0};
    AddOutput(project_, result.Line + 1, word, std::nullopt, 1, span, kSpellingKind);
  } catch (const std::exception&) {
    if (Prompter* prompter = project_.context().prompter)
      prompter->showError("Error occurred during spell check");
    project_.StopRequested = true;
  }
}

std::vector<std::string> TSpell::GetSpellSuggestions(const std::string& word) {
  if (wordChecker_) return wordChecker_->suggestions(word);
  return engine_.GetSuggestions(word);
}

void TSpell::RemoveResults(std::string_view word) {
  std::erase_if(items_, [&](const SpellListItem& item) { return sameText(item.Word, word); });
  reported_.erase(lowerCase(word));
}

void TSpell::IgnoreForNow(const std::vector<std::string>& words) {
  for (const std::string& word : words) RemoveResults(word);
}

bool TSpell::AddToCustomDictionary(const std::vector<std::string>& words) {
  const std::string& folder = project_.context().programFolder;
  std::optional<std::vector<std::string>> dictionary = ReadCustomDictionary(folder);
  if (!dictionary) {
    project_.addError("Custom dictionary could not be read, no word was added: " + folder +
                      kUserDictionaryFile);
    return false;
  }
  std::unordered_set<std::string> listed(dictionary->begin(), dictionary->end());
  bool added = false;
  for (const std::string& word : words) {
    std::string lowered = lowerCase(word);
    if (lowered.empty() || !listed.insert(lowered).second) continue;
    dictionary->push_back(std::move(lowered));
    RemoveResults(word);
    added = true;
  }
  if (!added || WriteCustomDictionary(folder, std::move(*dictionary))) return true;
  project_.addError("Custom dictionary could not be saved: " + folder + kUserDictionaryFile);
  return false;
}

std::vector<std::vector<std::string>> TSpell::rows() const {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(items_.size());
  for (const SpellListItem& item : items_) {
    rows.push_back({item.Word, SpellSourceName(project_, item.Result.SourceKind),
                    item.Result.FileName, std::to_string(item.Result.Line + 1)});
  }
  return rows;
}

std::string TSpell::resultCountText() const {
  std::string text = CountText(static_cast<int64_t>(items_.size()), "result");
  if (Duplicates > 0) text += " (" + CountText(Duplicates, "duplicate") + ")";
  return text;
}

std::string TSpell::statusText() const {
  return resultCountText() + ", Forms found: " + thousands(FormsFound) +
         ", Words checked: " + thousands(WordsChecked);
}

std::string SpellSourceName(TProject& project, int sourceKind) {
  switch (sourceKind) {
    case kCodeSource:
    case kSearchSource:
      return "Code";
    case kPageTextSource:
      return "Text";
    case kCommentSource:
      return "Comment";
    default:
      break;
  }
  const auto& webName = project.context().service<WebSpelling>().sourceName;
  if (webName) {
    if (std::string name = webName(sourceKind); !name.empty()) return name;
  }
  return std::string(componentKindTableName(sourceKind));
}

TSpell& SetupSpell(TProject& project) {
  auto& data = project.runData<SpellRunData>();
  data.spell.reset();
  data.spell = std::make_unique<TSpell>(project);
  return *data.spell;
}

TSpell* currentSpell(TProject& project) {
  return project.runData<SpellRunData>().spell.get();
}

}  // namespace sorvik
