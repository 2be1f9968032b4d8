// A project in a temporary folder for the source model's tests: units written as text,
// loaded and walked as a scan would.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "project/project.h"
#include "source/code_unit.h"
#include "source/ifdef_handler.h"
#include "source/line_props.h"
#include "source/procedure_item.h"
#include "support/test_support.h"

namespace sorvik::test {

// What a test reads of a routine after the walk has released it.
struct RoutineSnapshot {
  std::string name, className, returnType;
  int kind = 5, headingLine = -1, beginLine = -1, endLine = -1;
  std::vector<std::string> params, locals, allVars, constNames, constValues;
  std::vector<std::string> body;  // CompactUpperLines of the body lines
  std::vector<TLineProps> props;
  std::vector<int> fileLines;  // LineMap of the body lines
};

class SourceFixture {
 public:
  SourceFixture();
  TProject& project() { return *project_; }
  TSettings& settings() { return context_->settings; }
  const std::string& folder() const { return home_.path(); }
  // Writes `lines` joined with CR LF (and a final CR LF) as `name`; returns the path.
  std::string write(const std::string& name, const std::vector<std::string>& lines);
  // Adds the unit to the project's units.
  std::string addUnit(const std::string& name, const std::vector<std::string>& lines);
  // Loads the unit as the second pass does (after the first pass when the run has two).
  std::unique_ptr<TIFDEFHandler> load(const std::string& path);
  // The routines of the unit's current variant.
  std::vector<RoutineSnapshot> routines(TIFDEFHandler& handler);
  std::vector<RoutineSnapshot> routines(const std::string& path);

 private:
  TempFolder home_;
  ScriptedPrompter prompter_;
  RecordingObserver observer_;
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<TProject> project_;
};

}  // namespace sorvik::test
