// The word checker backed by Hunspell and one of the system's Hunspell dictionaries.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "spelling/word_checker.h"

namespace sorvik {

// Debian's American English dictionary (package hunspell-en-us).
inline constexpr const char* kHunspellAffix = "/usr/share/hunspell/en_US.aff";
inline constexpr const char* kHunspellWords = "/usr/share/hunspell/en_US.dic";

// A checker on the dictionary's affix and word files; null when either of them cannot be
// read, so that the caller falls back on the dictionary engine.
std::unique_ptr<WordChecker> openHunspellChecker(const std::string& affixPath = kHunspellAffix,
                                                 const std::string& wordsPath = kHunspellWords);

// The checker that [SpellProps] UseWord selects in place of the dictionary engine:
// Hunspell, unless a test or a benchmark puts another in. None when it is not available.
struct UseWordChecker {
  std::function<std::unique_ptr<WordChecker>()> open = [] { return openHunspellChecker(); };
};

}  // namespace sorvik
