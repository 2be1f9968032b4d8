// Makes a dictionary file for the spell engine from a word list of one word per line in
// UTF-8, such as Debian's /usr/share/dict/american-english:
//
//   make_dictionary WORDLIST OUTPUT
//
// The words are turned into Windows-1252 and lower-cased, as the engine looks words up,
// then sorted and written once each as a compressed list. Left out are:
// - words with an apostrophe ("aaron's", "isn't"): the engine keeps apostrophes, but the
//   text splitter ends a word at one, so such an entry could never be looked up;
// - words with a letter that Windows-1252 cannot hold.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "generic/compressed_list.h"
#include "generic/encoding.h"
#include "generic/strings.h"
#include "generic/text_file.h"

namespace {

std::optional<std::string> dictionaryWord(const std::string& line) {
  if (line.empty() || line.find('\'') != std::string::npos) return std::nullopt;
  const std::string word = sorvik::utf8ToWindows1252(line);
  if (sorvik::windows1252ToUtf8(word) != line) return std::nullopt;
  return sorvik::lowerCase(word);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_dictionary WORDLIST OUTPUT\n");
    return 2;
  }
  const std::optional<std::vector<std::string>> lines = sorvik::readLines(argv[1]);
  if (!lines) {
    std::fprintf(stderr, "make_dictionary: cannot read %s\n", argv[1]);
    return 1;
  }
  std::vector<std::string> words;
  for (const std::string& line : *lines) {
    if (std::optional<std::string> word = dictionaryWord(line)) words.push_back(std::move(*word));
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  if (!sorvik::SaveCompressedList(words, argv[2])) {
    std::fprintf(stderr, "make_dictionary: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
