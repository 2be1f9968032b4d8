// spell: the spelling run on a project or on the forms of an executable, and the
// suggestions for one word.
#include <exception>
#include <iostream>

#include "cli/session.h"
#include "formanalysis/executable_reader.h"
#include "generic/encoding.h"
#include "project/open_project.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/scan_driver.h"
#include "spelling/spell_run.h"

namespace sorvik {

namespace {

struct SpellArguments {
  std::string project;
  std::string executable;
  std::string word;
};

// The words are single-byte text, whatever the encoding of the file they came from; like
// the file names, they are written in UTF-8.
ResultRows utf8Rows(const TSpell& spell) {
  ResultRows rows = spell.rows();
  for (auto& row : rows) {
    row[0] = windows1252ToUtf8(row[0]);
    for (size_t i = 1; i < row.size(); ++i) row[i] = toUtf8(row[i]);
  }
  return rows;
}

int spell(Session& session, TProject& project, StartCommand command) {
  setModeFlags(project, command);
  SetupSpell(project);
  Start(project);
  const ResultRows rows = utf8Rows(*currentSpell(project));
  session.writeRun("spell", project, &rows);
  return session.exitStatus(project);
}

int runSpellProject(const GlobalOptions& options, const std::string& path) {
  Session session(options, false);
  if (!session.start()) return kExitUsage;
  auto project = session.open(path);
  if (!project) return kExitUsage;
  return spell(session, *project, StartCommand::SpellCheck);
}

int runSpellExecutable(const GlobalOptions& options, const std::string& path) {
  Session session(options, false);
  if (!session.start()) return kExitUsage;
  AppContext& context = session.context();
  auto project = std::make_unique<TProject>(context, path);
  if (!acceptDisclaimer(context)) return kExitUsage;
  try {
    LoadExecutableForms(context, path);
  } catch (const std::exception& failure) {
    context.prompter->showError(failure.what());
    return kExitUsage;
  }
  return spell(session, *project, StartCommand::SpellCheckExe);
}

// A word given in UTF-8 (as a terminal gives it) is asked about in Windows-1252; the
// suggestions are written in UTF-8.
int runSuggest(const GlobalOptions& options, const std::string& word) {
  Session session(options, false);
  if (!session.start()) return kExitUsage;
  TProject project(session.context());
  TSpell& spell = SetupSpell(project);
  ResultRows rows;
  for (const std::string& suggestion :
       spell.GetSpellSuggestions(isValidUtf8(word) ? utf8ToWindows1252(word) : word))
    rows.push_back({windows1252ToUtf8(suggestion)});
  if (session.format() == OutputFormat::Text) {
    writeRows(std::cout, rows);
    for (const auto& line : project.Errors) std::cerr << "error: " << line << '\n';
  } else {
    writeJsonRun(std::cout, "spell", project, rows);
  }
  return kExitOk;
}

int runSpell(const GlobalOptions& options, const SpellArguments& arguments) {
  const int given =
      !arguments.project.empty() + !arguments.executable.empty() + !arguments.word.empty();
  if (given != 1)
    throw CLI::ValidationError("spell", "give one of PROJECT, --exe FILE and --suggest WORD");
  if (!arguments.executable.empty()) return runSpellExecutable(options, arguments.executable);
  if (!arguments.word.empty()) return runSuggest(options, arguments.word);
  return runSpellProject(options, arguments.project);
}

}  // namespace

void addSpellCommands(CommandSetup& setup) {
  auto arguments = std::make_shared<SpellArguments>();
  auto* spell = setup.app.add_subcommand(
      "spell", "spell-check a project, or the forms of an executable; or suggest for a word");
  spell->add_option("PROJECT", arguments->project, "the project file");
  spell->add_option("--exe", arguments->executable, "an executable whose forms are spelled");
  spell->add_option("--suggest", arguments->word, "a word to print the suggestions for");
  spell->callback([&setup, arguments] { setup.status = runSpell(setup.options, *arguments); });
}

}  // namespace sorvik
