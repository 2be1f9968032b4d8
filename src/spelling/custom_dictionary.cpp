#include "spelling/custom_dictionary.h"

#include <algorithm>
#include <filesystem>

#include "generic/compressed_list.h"
#include "generic/strings.h"

namespace sorvik {

std::optional<std::vector<std::string>> ReadCustomDictionary(const std::string& programFolder) {
  CompressedListFile file = ReadCompressedListFile(programFolder + kUserDictionaryFile);
  if (file.state == CompressedListFile::State::Damaged) return std::nullopt;
  return std::move(file.lines);
}

bool WriteCustomDictionary(const std::string& programFolder, std::vector<std::string> words) {
  std::sort(words.begin(), words.end());
  return SaveCompressedList(words, programFolder + kUserDictionaryFile);
}

bool SaveCustomDictionary(const std::string& programFolder, const std::vector<std::string>& lines) {
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    std::string word = lowerCase(trim(line));
    if (!word.empty()) words.push_back(std::move(word));
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  if (!words.empty()) return WriteCustomDictionary(programFolder, std::move(words));
  std::error_code error;
  std::filesystem::remove(programFolder + kUserDictionaryFile, error);
  return !error;
}

}  // namespace sorvik
