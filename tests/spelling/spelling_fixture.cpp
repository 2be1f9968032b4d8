#include "spelling_fixture.h"

#include "generic/compressed_list.h"
#include "generic/strings.h"
#include "project/open_project.h"
#include "project/scan_driver.h"

namespace sorvik::test {

const Words& fixtureWords() {
  static const Words words = {
      "about",   "again", "and",   "are",   "caption", "long",   "of",     "cannot", "cat",
      "changes", "dog",   "enter", "file",  "first",   "hello",  "here",   "item",   "line",
      "main",    "name",  "one",   "open",  "press",   "save",   "second", "select", "sure",
      "table",   "the",   "this",  "title", "two",     "window", "world",  "you",    "your"};
  return words;
}

SpellingFixture::SpellingFixture(const std::string& config, const std::optional<std::string>& rules,
                                 const Words& words) {
  SaveCompressedList(words, home.path() + "english.dic");
  if (!config.empty()) home.write("config.ini", config);
  if (rules) home.write("spellcode.csv", *rules);
  context_ = makeContext(home, &prompter, &observer);
}

TProject& SpellingFixture::open(const std::string& path) {
  project_ = OpenProjectFile(*context_, work.path() + path);
  return *project_;
}

TProject& SpellingFixture::emptyProject() {
  project_ = std::make_unique<TProject>(*context_);
  setModeFlags(*project_, StartCommand::SpellCheck);
  SetupSpell(*project_);
  return *project_;
}

std::vector<std::string> SpellingFixture::spell() {
  setModeFlags(*project_, StartCommand::SpellCheck);
  SetupSpell(*project_);
  Start(*project_);
  return joinedRows(spellRun());
}

std::vector<std::string> joinedRows(const TSpell& spell) {
  std::vector<std::string> rows;
  for (const auto& row : spell.rows()) rows.push_back(join(row, "|"));
  return rows;
}

std::string unitText(const std::string& code) {
  return "unit Unit1;\r\n"
         "interface\r\n"
         "uses Dialogs, SysUtils;\r\n"
         "implementation\r\n"
         "procedure Go(Ok: Boolean);\r\n"
         "var S: string;\r\n"
         "begin\r\n" +
         code + "\r\nend;\r\nend.\r\n";
}

}  // namespace sorvik::test
