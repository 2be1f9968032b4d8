// Times the spell engine on a dictionary file: loading it, looking words up and proposing
// replacements.
//
//   spell_bench DICTIONARY [--repeat N]
//
// The words looked up are the dictionary's own, each as listed, with a capital first
// letter and with its last letter doubled (mostly not in the list), N times over (default
// 10). Suggestions are asked for every hundredth word with its last letter doubled. Prints
// the words loaded, the load's wall and processor time and the memory it took (resident
// size after the load less before it), then the lookups and suggestion requests per second
// of processor time.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "generic/compressed_list.h"
#include "generic/strings.h"
#include "spelling/spell_check.h"

using sorvik::bench::residentKilobytes;
using sorvik::bench::Stopwatch;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: spell_bench DICTIONARY [--repeat N]\n");
    return 2;
  }
  const std::string dictionary = argv[1];
  int repeat = 10;
  if (argc >= 4 && std::string(argv[2]) == "--repeat") {
    repeat = std::max(1, sorvik::toInt(argv[3], repeat));
  }

  // The program folder is one without user.dic, so that only the dictionary is loaded.
  sorvik::TSpellCheck engine("/nonexistent/");
  const long residentBefore = residentKilobytes();
  const Stopwatch load;
  engine.LoadDictionary(dictionary);
  const double loadWall = load.wall(), loadCpu = load.processor();
  const long loadedKilobytes = residentKilobytes() - residentBefore;

  const std::vector<std::string> words = sorvik::LoadCompressedList(dictionary);
  std::vector<std::string> asked;
  std::vector<std::string> misspelled;
  for (const std::string& word : words) {
    if (word.empty()) continue;
    asked.push_back(word);
    asked.push_back(sorvik::upperCase(word.substr(0, 1)) + word.substr(1));
    asked.push_back(word + word.back());
    if (asked.size() % 300 == 0) misspelled.push_back(asked.back());
  }
  std::printf("%zu words loaded in %.3f s wall, %.3f s processor; %ld kB resident\n", words.size(),
              loadWall, loadCpu, loadedKilobytes);

  long accepted = 0;
  const Stopwatch lookups;
  for (int round = 0; round < repeat; ++round) {
    for (const std::string& word : asked) accepted += engine.CheckWord(word) ? 1 : 0;
  }
  const double lookupCpu = lookups.processor();
  const double lookupCount = static_cast<double>(asked.size()) * repeat;
  std::printf("%.0f lookups (%ld accepted) in %.3f s processor: %.0f lookups/s\n", lookupCount,
              accepted, lookupCpu, lookupCount / lookupCpu);

  size_t proposals = 0;
  const Stopwatch suggestions;
  for (const std::string& word : misspelled) proposals += engine.GetSuggestions(word).size();
  const double suggestionCpu = suggestions.processor();
  std::printf("%zu suggestion requests (%.1f proposals each) in %.3f s processor: %.0f/s\n",
              misspelled.size(), static_cast<double>(proposals) / misspelled.size(), suggestionCpu,
              misspelled.size() / suggestionCpu);
  return 0;
}
