// The user's own dictionary, user.dic in the program folder: lower-case words kept sorted in
// a compressed list file, merged with the dictionary when a spelling run loads it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sorvik {

inline constexpr const char* kUserDictionaryFile = "user.dic";

// The words of user.dic as stored; an empty list when there is none, and none when it is
// there but cannot be read, so that no one writes over the words it holds.
std::optional<std::vector<std::string>> ReadCustomDictionary(const std::string& programFolder);
// Sorts the words and writes them as user.dic; false when it could not be written.
bool WriteCustomDictionary(const std::string& programFolder, std::vector<std::string> words);
// What the options' "Custom Dictionary" page saves: each line trimmed and lower-cased,
// empty lines and repeats dropped; user.dic is deleted when nothing remains. False when it
// could not be written or deleted.
bool SaveCustomDictionary(const std::string& programFolder, const std::vector<std::string>& lines);

}  // namespace sorvik
