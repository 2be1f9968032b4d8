// One spelling run: the pieces of text the code speller finds are cut into words, each word
// is checked by the dictionary engine (or by Hunspell when the options
// choose it) and every misspelled occurrence becomes a result with its source and place.
// After the run the results can be added to the user's dictionary or ignored.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "spelling/spell_check.h"
#include "spelling/word_checker.h"

namespace sorvik {

class TProject;

// Source kinds of the results that are not the kind of a form or page object.
inline constexpr int kCodeSource = 400;
inline constexpr int kSearchSource = 401;
inline constexpr int kCommentSource = 300;
inline constexpr int kPageTextSource = 301;

// One misspelled occurrence.
struct TSpellResult {
  int SourceKind = kCodeSource;  // 400 code, a form or page object's kind, 301 page text
  std::string FileName;          // without folder
  int Line = 0;                  // 0-based
  int Column = 0;                // 1-based; 0 when not located
};

// One item of the results list: the word as found and where.
struct SpellListItem {
  std::string Word;
  TSpellResult Result;
};

class TSpell {
 public:
  // Reads [SpellProps] Language and UseWord, opens Hunspell's checker when asked
  // for and loads `<Language>.dic` of the program folder (else english.dic) with user.dic.
  explicit TSpell(TProject& project);

  // Cuts the text into words and checks each; true when a word was reported. `fileLines`,
  // when given, are the lines of the file the text came from, where a reported word is
  // looked for to give its exact place.
  bool CheckText(std::string_view text, int sourceKind, const std::vector<std::string>* fileLines,
                 int line, const std::string& fileName);
  // Checks one word of a text; `occurrence` counts the words of the text equal to it so far.
  bool CheckOneWord(const std::string& word, int sourceKind, int occurrence,
                    const std::vector<std::string>* fileLines, int line,
                    const std::string& fileName);
  // Replacements for a word: Hunspell's when it is in use, else the engine's.
  std::vector<std::string> GetSpellSuggestions(const std::string& word);

  // Removes every result of the word (ignoring case).
  void RemoveResults(std::string_view word);
  // "&Ignore for now": the results of each word leave the list.
  void IgnoreForNow(const std::vector<std::string>& words);
  // "Add to Custom &Dictionary": each word, lower-cased, joins user.dic and its results leave
  // the list; the running engine is not reloaded. False, with a line in the project's
  // errors, when user.dic is there but cannot be read (it is then left as it is) or when it
  // could not be written.
  bool AddToCustomDictionary(const std::vector<std::string>& words);

  // A form was found and is being spelled.
  void formFound() { ++FormsFound; }

  const std::vector<SpellListItem>& items() const { return items_; }
  // The results list as rows: the word, its source, file name and line (1-based).
  std::vector<std::vector<std::string>> rows() const;
  // "3 results (1 duplicate)", or "No results".
  std::string resultCountText() const;
  // The result count, the forms found and the words checked, as the status bar shows them.
  std::string statusText() const;

  int WordsChecked = 0;
  int Duplicates = 0;
  int FormsFound = 0;

 private:
  bool isMisspelled(const std::string& word, const std::string& lowered) const;
  void addResult(const std::string& word, const TSpellResult& result);

  TProject& project_;
  TSpellCheck engine_;
  std::unique_ptr<WordChecker> wordChecker_;
  std::vector<SpellListItem> items_;
  // The reported words, lower-cased, with the number of results each has.
  std::unordered_map<std::string, int> reported_;
};

// The name the results list shows for a source kind: "Code" for text from code, "Text" for
// page text, "Comment", a page object's name as the web layer gives it, else the name of
// the component kind.
std::string SpellSourceName(TProject& project, int sourceKind);

// Starts a spelling run on the project: a new TSpell replaces the one before.
TSpell& SetupSpell(TProject& project);
// The project's spelling run, or none before SetupSpell.
TSpell* currentSpell(TProject& project);

}  // namespace sorvik
