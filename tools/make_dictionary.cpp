// Makes a dictionary file for the spell engine from a word list of one word per line in
// UTF-8, such as Debian's /usr/share/dict/american-english:
//
//   make_dictionary WORDLIST OUTPUT
//
// The words are turned into Windows-1252 and lower-cased, as the engine looks words up,
// then sorted and written once each as a compressed list. The text splitter ends a word at
// an apostrophe, so an entry with one could never be looked up whole; it gives the pieces
// the splitter makes of it instead ("isn't" gives "isn" and "t", "you'll" "you" and "ll"),
// so that the contractions of a text are accepted as they are split. Words with a letter
// that Windows-1252 cannot hold are left out.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "generic/compressed_list.h"
#include "generic/encoding.h"
#include "generic/strings.h"
#include "generic/text_file.h"

namespace {

// The entry's words: its pieces between apostrophes, lower-cased Windows-1252; none when it
// holds a letter Windows-1252 cannot hold.
std::vector<std::string> dictionaryWords(const std::string& line) {
  const std::string text = sorvik::utf8ToWindows1252(line);
  if (sorvik::windows1252ToUtf8(text) != line) return {};
  std::vector<std::string> words;
  for (const std::string& piece : sorvik::split(text, '\''))
    if (!piece.empty()) words.push_back(sorvik::lowerCase(piece));
  return words;
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
    for (std::string& word : dictionaryWords(line)) words.push_back(std::move(word));
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  if (!sorvik::SaveCompressedList(words, argv[2])) {
    std::fprintf(stderr, "make_dictionary: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
