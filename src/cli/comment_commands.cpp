// comments: the comment builder with its questions answered from the command line.
#include <ctime>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "changes/apply_comment_headers.h"
#include "changes/comment_box.h"
#include "cli/session.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/prompter.h"

namespace sorvik {

namespace {

struct CommentOptions {
  std::string style;
  int delphiMode = 0;
  int cppMode = 0;
  std::string align = "left";
  std::string width = "default";
  std::vector<std::string> answers;  // QUESTION=VALUE
  bool preview = false;
};

std::tm today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// A date as the user's locale writes it in short form (the C locale's when none is set).
std::string shortDate(const std::tm& date) {
  std::ostringstream out;
  try {
    out.imbue(std::locale(""));
  } catch (const std::runtime_error&) {
    // an unknown locale in the environment: the classic one stays
  }
  out << std::put_time(&date, "%x");
  return out.str();
}

// Each question's answer: what it starts with, or what --answer gives; none (after the
// message) when an answer names a question the style does not ask.
std::optional<CommentAnswers> answersFor(const TCommentBox& box,
                                         const std::vector<std::string>& given) {
  const std::tm now = today();
  CommentAnswers answers{box.Questions, {}};
  for (const std::string& question : box.Questions) {
    answers.answers.push_back(
        isDateQuestion(question) ? shortDate(now) : initialAnswer(question, now.tm_year + 1900));
  }
  for (const std::string& assignment : given) {
    const size_t equals = assignment.find('=');
    const std::string question = assignment.substr(0, equals);
    size_t k = 0;
    while (k < box.Questions.size() && !sameText(box.Questions[k], question)) ++k;
    if (equals == std::string::npos || k == box.Questions.size()) {
      std::cerr << "--answer expects QUESTION=VALUE for a question of the style ("
                << join(box.Questions, ", ") << "), not: " << assignment << '\n';
      return std::nullopt;
    }
    answers.answers[k] = assignment.substr(equals + 1);
  }
  return answers;
}

std::optional<RenderChoices> renderChoices(const CommentOptions& options) {
  RenderChoices choices;
  if (options.align == "centered")
    choices.alignment = TextAlignment::Centered;
  else if (options.align == "right")
    choices.alignment = TextAlignment::Right;
  if (options.width == "reduced") {
    choices.width = BoxWidth::Reduced;
  } else if (options.width != "default") {
    choices.width = BoxWidth::Specific;
    choices.specificPosition = toInt(options.width, 0);
    if (choices.specificPosition < 1 || choices.specificPosition > 80) {
      std::cerr << "--width expects default, reduced or a number from 1 to 80, not: "
                << options.width << '\n';
      return std::nullopt;
    }
  }
  return choices;
}

// The header of one language as the preview page shows it: built, answered and drawn.
std::optional<std::vector<std::string>> headerFor(CommentLanguage language,
                                                  const CommentOptions& options,
                                                  const RenderChoices& choices) {
  std::optional<TCommentBox> box = BuildCommentStyle(options.style, language);
  const auto answers = answersFor(*box, options.answers);
  if (!answers) return std::nullopt;
  return Render(*box, choices, &*answers);
}

int runComments(const GlobalOptions& global, const std::string& path,
                const CommentOptions& options) {
  if (!BuildCommentStyle(options.style, CommentLanguage::Delphi)) {
    std::cerr << "--style \"" << options.style
              << "\" builds no header: \"Blank / Custom\" is written by hand in the window\n";
    return kExitUsage;
  }
  const auto choices = renderChoices(options);
  if (!choices) return kExitUsage;
  Session session(global, !options.preview);
  if (!session.start()) return kExitUsage;
  auto project = session.open(path);
  if (!project) return session.refused() ? kExitRefused : kExitUsage;
  const SourceLanguages languages = sourceLanguages(*project);
  if (!languages.delphi && !languages.cpp) {
    session.context().prompter->showError(std::string(kNoSourceFilesMessage));
    return kExitUsage;
  }

  CommentRequest request;
  if (languages.delphi) {
    auto header = headerFor(CommentLanguage::Delphi, options, *choices);
    if (!header) return kExitUsage;
    request.delphiHeader = std::move(*header);
    request.delphiMode = static_cast<CommentMode>(options.delphiMode);
  }
  if (languages.cpp) {
    auto header = headerFor(CommentLanguage::Cpp, options, *choices);
    if (!header) return kExitUsage;
    request.cppHeader = std::move(*header);
    request.cppMode = static_cast<CommentMode>(options.cppMode);
  }
  if (options.preview) {
    writeLines(std::cout, request.delphiHeader);
    if (languages.delphi && languages.cpp) std::cout << '\n';
    writeLines(std::cout, request.cppHeader);
    return kExitOk;
  }

  const CommentOutcome outcome = ApplyCommentHeaders(*project, request);
  if (outcome.declined) return kExitRefused;
  if (session.format() == OutputFormat::Text) {
    std::cout << outcome.resultsLabel << '\n';
    if (!outcome.warning.empty()) std::cout << terminalText(outcome.warning);
    return kExitOk;
  }
  // The document alone on stdout: one row per file left alone; the label and the warning
  // are messages like any other.
  Prompter& prompter = *session.context().prompter;
  prompter.showInformation(outcome.resultsLabel);
  if (!outcome.warning.empty()) prompter.showWarning(outcome.warning);
  ResultRows rows;
  for (const std::string& file : outcome.notApplied) rows.push_back({file});
  session.writeRun("comments", *project, &rows);
  return kExitOk;
}

}  // namespace

void addCommentCommands(CommandSetup& setup) {
  auto project = std::make_shared<std::string>();
  auto options = std::make_shared<CommentOptions>();
  auto* comments = setup.app.add_subcommand(
      "comments", "put a comment header at the top of every unit (needs --yes)");
  comments->add_option("PROJECT", *project, "the project file")->required();
  std::vector<std::string> styles(kCommentStyles.begin(), kCommentStyles.end());
  comments->add_option("--style", options->style, "the header's style")
      ->required()
      ->check(CLI::IsMember(styles));
  comments
      ->add_option("--delphi-mode", options->delphiMode,
                   "0: only units without comments before their heading (default), 1: every "
                   "unit, 2: comments before the heading removed")
      ->check(CLI::Range(0, 2));
  comments->add_option("--cpp-mode", options->cppMode, "the same for C++ files")
      ->check(CLI::Range(0, 2));
  comments->add_option("--align", options->align, "left, centered or right")
      ->check(CLI::IsMember({"left", "centered", "right"}));
  comments->add_option("--width", options->width, "default (80), reduced or a number of columns");
  comments->add_option("--answer", options->answers,
                       "QUESTION=VALUE: the answer to one of the style's questions");
  comments->add_flag("--preview", options->preview, "print the header instead of applying it");
  comments->callback([&setup, project, options] {
    setup.status = runComments(setup.options, *project, *options);
  });
}

}  // namespace sorvik
