#include "spelling/hunspell_checker.h"

#include <hunspell/hunspell.hxx>

#include <fstream>

#include "generic/encoding.h"

namespace sorvik {

namespace {

bool readable(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return file.good() && file.peek() != std::ifstream::traits_type::eof();
}

class HunspellChecker : public WordChecker {
 public:
  HunspellChecker(const std::string& affixPath, const std::string& wordsPath)
      : hunspell_(affixPath.c_str(), wordsPath.c_str()),
        utf8_(hunspell_.get_dict_encoding() == "UTF-8") {}

  bool check(const std::string& word) override { return hunspell_.spell(toDictionary(word)); }

  std::vector<std::string> suggestions(const std::string& word) override {
    const std::string asked = toDictionary(word);
    std::vector<std::string> result;
    if (hunspell_.spell(asked)) return result;
    for (const std::string& suggestion : hunspell_.suggest(asked)) {
      std::string text = utf8_ ? utf8ToWindows1252(suggestion) : suggestion;
      // A suggestion that single-byte text cannot hold is of no use to the caller.
      if (!utf8_ || windows1252ToUtf8(text) == suggestion) result.push_back(std::move(text));
    }
    return result;
  }

 private:
  // Words are single-byte text; a dictionary in another encoding than UTF-8 is taken to
  // be single-byte as well.
  std::string toDictionary(const std::string& word) const {
    return utf8_ ? windows1252ToUtf8(word) : word;
  }

  Hunspell hunspell_;
  bool utf8_;
};

}  // namespace

std::unique_ptr<WordChecker> openHunspellChecker(const std::string& affixPath,
                                                 const std::string& wordsPath) {
  if (!readable(affixPath) || !readable(wordsPath)) return nullptr;
  return std::make_unique<HunspellChecker>(affixPath, wordsPath);
}

}  // namespace sorvik
