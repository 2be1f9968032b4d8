// One command's run on a terminal: the options every command takes, the context with
// its prompter and observer, and the exit status.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_prompter.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "project/app_context.h"

namespace sorvik {

class TProject;

// Exit status: 0 the run completed; 1 --fail-on found a result of that severity; 2 a
// usage error or nothing open; 3 a change was refused.
enum ExitStatus { kExitOk = 0, kExitFailOn = 1, kExitUsage = 2, kExitRefused = 3 };

struct GlobalOptions {
  std::string configDir;
  std::vector<std::string> sets;
  std::string format = "text";
  std::string failOn;
  bool yes = false;
  unsigned jobs = 0;  // 0: one worker per processor core
  bool allowOutside = false;
};

class Session {
 public:
  // `changesFiles`: the command writes the user's files, so its questions need --yes.
  Session(const GlobalOptions& options, bool changesFiles);

  // Builds the context; false (message on stderr) when an override is malformed.
  bool start();
  // Opens a project; null (message on stderr) when nothing is open afterwards.
  std::unique_ptr<TProject> open(const std::string& path);

  AppContext& context() { return *context_; }
  OutputFormat format() const;
  // Writes a run in the chosen format: in text, the results list's rows when given, else
  // the output list, on stdout and the summary on stderr; else one JSON or SARIF document.
  void writeRun(const std::string& command, const TProject& project,
                const ResultRows* rows = nullptr) const;
  int exitStatus(const TProject& project) const;
  // A question was answered No.
  bool refused() const { return prompter_.refused(); }

 private:
  const GlobalOptions& options_;
  CliPrompter prompter_;
  InterruptObserver observer_;
  std::unique_ptr<AppContext> context_;
};

// One kind of `inspect`: prints the JSON model of ARG and returns the exit status.
struct InspectKind {
  std::string name;
  std::function<int(Session& session, const std::string& arg)> run;
};

// Every command adds itself to the parser; its callback sets `status`.
struct CommandSetup {
  CLI::App& app;
  const GlobalOptions& options;
  int& status;
  // The kinds `inspect` knows; a layer adds its own before the command line is parsed.
  std::vector<InspectKind> inspectKinds = {};
};

void addProjectCommands(CommandSetup& setup);   // files, scan
void addInspectCommands(CommandSetup& setup);   // inspect unit|routines|page|line
void addReportCommands(CommandSetup& setup);    // stats, report
void addFormCommands(CommandSetup& setup);      // convert, inspect form
void addNamingCommands(CommandSetup& setup);    // naming, rename
void addSpellCommands(CommandSetup& setup);     // spell
void addSearchCommands(CommandSetup& setup);    // search
void addOverviewCommands(CommandSetup& setup);  // overview
void addCommentCommands(CommandSetup& setup);   // comments

}  // namespace sorvik
