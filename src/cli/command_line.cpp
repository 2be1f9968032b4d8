#include "cli/command_line.h"

#include "cli/session.h"

namespace sorvik {

int runCommandLine(int argc, char** argv) {
  CLI::App app{"sorvik: a static analyser for Delphi projects", "sorvik"};
  app.require_subcommand(1);
  GlobalOptions options;
  app.add_option("--config-dir", options.configDir, "the program folder (config.ini, ...)");
  app.add_option("--set", options.sets, "SECTION.KEY=VALUE: a config.ini value for this run");
  app.add_option("--format", options.format, "text, json or sarif")
      ->check(CLI::IsMember({"text", "json", "sarif"}));
  app.add_option("--fail-on", options.failOn, "exit 1 when a result of this severity exists")
      ->check(CLI::IsMember({"hint", "warning"}));
  app.add_option("--jobs", options.jobs, "worker threads of a run (default: one per core)")
      ->check(CLI::Range(1u, 256u));
  app.add_flag("--yes", options.yes, "answer Yes to the questions of commands that change files");
  app.add_flag("--allow-outside", options.allowOutside,
               "let a command that changes files write outside the project's folder tree");
  // The global options may also follow the command and its arguments.
  app.fallthrough();

  int status = kExitOk;
  CommandSetup setup{app, options, status};
  addProjectCommands(setup);
  addInspectCommands(setup);
  addReportCommands(setup);
  addFormCommands(setup);
  addNamingCommands(setup);
  addSpellCommands(setup);
  addSearchCommands(setup);
  addOverviewCommands(setup);
  addCommentCommands(setup);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? kExitOk : kExitUsage;
  }
  return status;
}

}  // namespace sorvik
