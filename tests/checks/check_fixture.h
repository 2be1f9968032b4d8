// Scans Pascal text as a project of its own and gives back what the statement checks
// reported: the tests write a routine, not a file.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "project/project.h"
#include "support/test_support.h"

namespace sorvik::test {

// One result as the tests compare it.
struct Finding {
  int line = -1;  // 1-based file line
  int kind = 0;
  std::string text;                      // the message without the tag
  std::vector<std::string> suggestions;  // empty: none
  bool hasSuggestion = false;
  int lineCount = 1;
};

class CheckFixture {
 public:
  // `templateIni`, when given, is the program folder's template.ini.
  explicit CheckFixture(const std::string& templateIni = {});
  TSettings& settings() { return context_->settings; }
  TProject& project() { return *project_; }
  // Writes a unit file from `lines` (joined with CR LF) and adds it to the project; its
  // companion form, when given, is written beside it as text.
  std::string addUnit(const std::string& name, const std::vector<std::string>& lines,
                      const std::vector<std::string>& form = {});
  // Writes a file beside the units (an include file, say) without adding it to the project.
  std::string writeFile(const std::string& name, const std::vector<std::string>& lines);
  // Runs a scan of the project and returns its results in report order.
  std::vector<Finding> scan();
  // The results of the kinds given, or of every kind when none is given.
  std::vector<Finding> scanFor(std::vector<int> kinds);
  const std::vector<std::string>& errors() const { return project_->Errors; }

 private:
  TempFolder home_;
  ScriptedPrompter prompter_;
  RecordingObserver observer_;
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<TProject> project_;
};

// A unit "Unit1" whose implementation holds `body` (a routine and what it needs), written
// with a plain interface part that uses SysUtils (on line index 3).
std::vector<std::string> unitWith(const std::vector<std::string>& body);

// A unit "Unit1" with one procedure "Test" that declares `vars` (the lines of its var
// section; none: no section) and runs `body`.
std::vector<std::string> routineUnit(const std::vector<std::string>& vars,
                                     const std::vector<std::string>& body);
// The file line (1-based) of body line `k` of routineUnit(vars, ...).
int routineBodyLine(const std::vector<std::string>& vars, size_t k);

// One case of a statement check: a routine's declarations and statements, and what `kind`
// reports on them: nothing when `message` is empty, else one result on body line `at` with
// that message and `suggestion` (empty: none).
struct RoutineCase {
  RoutineCase(std::string name, std::vector<std::string> vars, std::vector<std::string> body,
              int kind, std::string message = {}, std::vector<std::string> suggestion = {},
              size_t at = 0)
      : name(std::move(name)),
        vars(std::move(vars)),
        body(std::move(body)),
        kind(kind),
        message(std::move(message)),
        suggestion(std::move(suggestion)),
        at(at) {}

  std::string name;  // the test's name: letters, digits and "_"
  std::vector<std::string> vars;
  std::vector<std::string> body;
  int kind;
  std::string message;
  std::vector<std::string> suggestion;
  size_t at;
};
// The parameterised test of a table of cases: a theme instantiates it with its own
// (INSTANTIATE_TEST_SUITE_P(Theme, RoutineCaseTest, testing::Values(...), routineCaseName)).
class RoutineCaseTest : public testing::TestWithParam<RoutineCase> {};
// Scans the case, with `form` as the unit's companion form when given, and checks what it
// expects.
void expectRoutineCase(const RoutineCase& routineCase, const std::vector<std::string>& form = {});
// The case as the test output names it.
void PrintTo(const RoutineCase& routineCase, std::ostream* out);
// The case's name, for parameterised tests.
std::string routineCaseName(const testing::TestParamInfo<RoutineCase>& info);

}  // namespace sorvik::test
