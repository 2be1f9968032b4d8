// search: a code search of a project with the options of the search dialog, one row per hit.
#include <iostream>

#include "cli/session.h"
#include "generic/encoding.h"
#include "project/project.h"
#include "search/search_options.h"
#include "search/search_run.h"

namespace sorvik {

namespace {

struct SearchArguments {
  std::string project;
  std::string text;
  std::string scope = "all";
  bool caseSensitive = false, wholeWords = false, keepSpacing = false, keepComments = false;
  bool ignoreLiterals = false, regex = false, vars = false, withinLast = false;
  std::optional<int> limit;
};

// The options on the command line stand for the user's answers: the dialog's messages go to
// stderr, and its questions, printed there too, are answered Yes.
class SearchPrompter : public Prompter {
 public:
  explicit SearchPrompter(Prompter& messages) : messages_(messages) {}
  void showError(const std::string& text) override { messages_.showError(text); }
  void showWarning(const std::string& text) override { messages_.showWarning(text); }
  void showInformation(const std::string& text) override { messages_.showInformation(text); }
  bool askYesNo(const std::string& question) override {
    messages_.showInformation(question);
    return true;
  }
  DisclaimerAnswer askDisclaimer() override { return messages_.askDisclaimer(); }
  DisclaimerAnswer askChangeWarning() override { return messages_.askChangeWarning(); }

 private:
  Prompter& messages_;
};

SearchDialogValues dialogValues(const SearchArguments& arguments) {
  SearchDialogValues values;
  values.Text = arguments.text;
  values.Scope = arguments.scope == "code"    ? kScopeSourceCode
                 : arguments.scope == "forms" ? kScopeForms
                                              : kScopeAllFiles;
  values.CaseSensitive = arguments.caseSensitive;
  values.WholeWords = arguments.wholeWords;
  values.IgnoreSpacing = !arguments.keepSpacing;
  values.IgnoreComments = !arguments.keepComments;
  values.IgnoreLiterals = arguments.ignoreLiterals;
  values.Expressions = arguments.regex  ? kRegularExpressions
                       : arguments.vars ? kVariableExpressions
                                        : kNoExpressions;
  values.Limit = arguments.limit.has_value();
  if (arguments.limit) values.LimitAmount = std::to_string(*arguments.limit);
  values.WithinLastResults = arguments.withinLast;
  return values;
}

// The rows in UTF-8, like every text the command line prints.
ResultRows utf8Rows(TProject& project) {
  ResultRows rows = searchRows(project);
  for (auto& row : rows)
    for (auto& text : row) text = toUtf8(text);
  return rows;
}

int runSearch(const GlobalOptions& options, const SearchArguments& arguments) {
  Session session(options, false);
  if (!session.start()) return kExitUsage;
  AppContext& context = session.context();
  // A search text given in UTF-8 (as a terminal gives it) is searched in Windows-1252.
  SearchArguments given = arguments;
  if (isValidUtf8(given.text)) given.text = utf8ToWindows1252(given.text);
  SearchDialogValues values = dialogValues(given);
  SearchPrompter prompter(*context.prompter);
  if (!ConfirmSearch(values, prompter)) return kExitUsage;
  auto project = session.open(arguments.project);
  if (!project) return kExitUsage;
  SetSearchOptions(context, std::make_unique<TSearchOptions>(values, context.programFolder));
  StartSearch(*project);
  const ResultRows rows = utf8Rows(*project);
  session.writeRun("search", *project, &rows);
  // The hits of a source-code search are stored for a later search within them.
  SetSearchOptions(context, nullptr);
  return session.exitStatus(*project);
}

}  // namespace

void addSearchCommands(CommandSetup& setup) {
  auto arguments = std::make_shared<SearchArguments>();
  auto* search = setup.app.add_subcommand("search", "search the code and forms of a project");
  search->add_option("PROJECT", arguments->project, "the project file")->required();
  search->add_option("--text", arguments->text, "the text to search for")->required();
  search->add_option("--scope", arguments->scope, "code, forms or all (default all)")
      ->check(CLI::IsMember({"code", "forms", "all"}));
  search->add_flag("--case", arguments->caseSensitive, "compare letter case");
  search->add_flag("--whole-words", arguments->wholeWords, "whole-word matches only");
  search->add_flag("--keep-spacing", arguments->keepSpacing,
                   "search the lines as written, not compacted");
  search->add_flag("--keep-comments", arguments->keepComments, "search comments too");
  search->add_flag("--ignore-literals", arguments->ignoreLiterals, "skip quoted text");
  auto* regex = search->add_flag("--regex", arguments->regex, "a regular expression");
  auto* vars = search->add_flag("--vars", arguments->vars, "a variable expression");
  regex->excludes(vars);
  search->add_option("--limit", arguments->limit, "stop after this many hits")
      ->check(CLI::NonNegativeNumber);
  search->add_flag("--within-last", arguments->withinLast,
                   "search only the lines the last source-code search found");
  search->callback([&setup, arguments] { setup.status = runSearch(setup.options, *arguments); });
}

}  // namespace sorvik
