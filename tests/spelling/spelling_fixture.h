// A program folder with a small dictionary of its own, and spelling runs on projects or on
// pieces of text there.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "project/project.h"
#include "spelling/spell_run.h"
#include "support/test_support.h"

namespace sorvik::test {

using Words = std::vector<std::string>;

// The words of the dictionary the fixtures write unless they are given others.
const Words& fixtureWords();

class SpellingFixture {
 public:
  // english.dic holds `words`; config.ini holds `config`; spellcode.csv holds `rules` (the
  // shipped defaults when none).
  explicit SpellingFixture(const std::string& config = "",
                           const std::optional<std::string>& rules = std::nullopt,
                           const Words& words = fixtureWords());

  AppContext& context() { return *context_; }
  // A project of the file at `path` (relative to the work folder) with the other files.
  TProject& open(const std::string& path);
  // A project without files, for spelling pieces of text.
  TProject& emptyProject();
  // Runs a spelling run on the open project; its rows as "word|source|file|line".
  std::vector<std::string> spell();
  TProject& project() { return *project_; }
  TSpell& spellRun() { return *currentSpell(*project_); }

  TempFolder home, work;
  ScriptedPrompter prompter;
  RecordingObserver observer;

 private:
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<TProject> project_;
};

// Rows as "word|source|file|line".
std::vector<std::string> joinedRows(const TSpell& spell);

// A unit Unit1 whose only routine's body is `code`, from the unit's 8th line.
std::string unitText(const std::string& code);
// P.dpr, the program that uses Unit1.
inline constexpr const char* kProgramText =
    "program P;\r\nuses\r\n  Unit1 in 'Unit1.pas';\r\nbegin\r\nend.\r\n";

}  // namespace sorvik::test
