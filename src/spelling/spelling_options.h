// The spelling options as the options dialog reads and saves them, as library operations:
// the settings in config.ini, the call rules in spellcode.csv and the dictionaries found.
// The keys are [General] DupeSpell and CheckStringConst, [SpellProps] UseWord, Language and
// Item1, Item2, ... (the properties whose assigned strings are spelled), [SpellJScript]
// Alert, Prompt and Confirm, and [SpellVBScript] MsgBox.
#pragma once

#include <string>
#include <vector>

#include "spelling/call_rules.h"

namespace sorvik {

struct AppContext;

struct SpellingOptions {
  bool DupeSpell = true;  // list every occurrence of a misspelled word
  bool CheckStringConst = true;
  bool UseWord = false;  // check words with Hunspell instead of the dictionary engine
  std::string Language = "English";
  std::vector<TCallRule> Rules;
  // The properties whose assigned strings are spelled; Caption, Hint and Text while the
  // settings name none (no Item1 at all); an empty Item1 means no property.
  std::vector<std::string> Properties;
  bool Alert = true, Prompt = true, Confirm = true;
  bool MsgBox = true;  // stored and shown; no VBScript is spelled
};

// The properties that "&Defaults" writes: Caption, Hint and Text.
const std::vector<std::string>& defaultSpellProperties();

SpellingOptions ReadSpellingOptions(const AppContext& context);
// "&OK": replaces spellcode.csv with the rules, writes the settings (the whole [SpellProps]
// section anew) and makes the code speller afresh, so that the next run uses them; the
// string-constant switch takes its new value at once. False when spellcode.csv could not
// be written (the settings are saved all the same).
bool SaveSpellingOptions(AppContext& context, const SpellingOptions& options);
// "&Defaults": [SpellProps] anew with `language`, the default properties and UseWord off,
// and spellcode.csv with the default rules; the options as they now read. The code
// speller is made afresh when the options are saved.
SpellingOptions RestoreSpellingDefaults(AppContext& context, const std::string& language);
// The languages of the dictionaries in the program folder: every "*.dic" but user.dic, the
// name without extension, lower case with a capital first letter; "English" first.
std::vector<std::string> DictionaryLanguages(const std::string& programFolder);

}  // namespace sorvik
