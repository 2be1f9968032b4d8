// Times a spelling run on a whole project against Hunspell's "hunspell -l" on the same words.
//
//   spelling_run_bench PROJECT [--hunspell DICTIONARY]
//
// 1. "sorvik spell": the spelling run on the project with the default settings and the
//    build's english.dic, timed whole: reading the units and forms, taking the captions,
//    hints and strings out of them, checking every word and listing the mistakes.
// 2. The same run again, untimed, with a checker that records every word the run checks;
//    the words go to a file, one a line.
// 3. The dictionary engine alone on those words, timed.
// 4. "hunspell -l -i utf-8 -d DICTIONARY" (default /usr/share/hunspell/en_US) reading that
//    file, timed by /usr/bin/time.
// Prints each step's wall and processor time and peak memory, and the ratios of Hunspell's
// times to the run's and to the engine's.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "generic/encoding.h"
#include "project/open_project.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/scan_driver.h"
#include "report/library_setup.h"
#include "spelling/hunspell_checker.h"
#include "spelling/spell_check.h"
#include "spelling/spell_run.h"

extern char** environ;

namespace {

using sorvik::bench::Stopwatch;

// Accepts every word and keeps it.
class RecordingChecker : public sorvik::WordChecker {
 public:
  explicit RecordingChecker(std::vector<std::string>& words) : words_(words) {}
  bool check(const std::string& word) override {
    words_.push_back(word);
    return true;
  }
  std::vector<std::string> suggestions(const std::string&) override { return {}; }

 private:
  std::vector<std::string>& words_;
};

// Declines every question: the benchmark changes nothing.
class SilentPrompter : public sorvik::Prompter {
 public:
  void showError(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  void showWarning(const std::string&) override {}
  void showInformation(const std::string&) override {}
  bool askYesNo(const std::string&) override { return false; }
  DisclaimerAnswer askDisclaimer() override { return {true, false}; }
  DisclaimerAnswer askChangeWarning() override { return {false, false}; }
};

struct RunFigures {
  double wall = 0, processor = 0;
  int words = 0, results = 0, forms = 0;
};

RunFigures spellProject(sorvik::AppContext& context, const std::string& path) {
  auto project = sorvik::OpenProjectFile(context, path);
  if (!project) {
    std::fprintf(stderr, "cannot open %s\n", path.c_str());
    std::exit(1);
  }
  const Stopwatch clock;
  sorvik::setModeFlags(*project, sorvik::StartCommand::SpellCheck);
  sorvik::TSpell& spell = sorvik::SetupSpell(*project);
  sorvik::Start(*project);
  return {clock.wall(), clock.processor(), spell.WordsChecked,
          static_cast<int>(spell.items().size()), spell.FormsFound};
}

struct ChildFigures {
  double wall = 0, processor = 0;
  long peakKilobytes = 0;
  int status = -1;
};

// Runs the command under /usr/bin/time with stdin and stdout on the files. The time is
// taken by /usr/bin/time rather than here: a child spawned from this process would count
// this process's memory as its own peak.
ChildFigures runChild(const std::vector<std::string>& command, const std::string& input,
                      const std::string& output, const std::string& timeFile) {
  std::vector<std::string> timed = {"/usr/bin/time", "-f", "%e %U %S %M", "-o", timeFile};
  timed.insert(timed.end(), command.begin(), command.end());
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> argv;
  for (const std::string& part : timed) argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  ChildFigures figures;
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(child, &status, 0);
    figures.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream times(timeFile);
    double user = 0, system = 0;
    times >> figures.wall >> user >> system >> figures.peakKilobytes;
    figures.processor = user + system;
  }
  posix_spawn_file_actions_destroy(&actions);
  return figures;
}

long peakKilobytes() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

size_t lineCount(const std::string& path) {
  std::ifstream in(path);
  size_t lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--hunspell")) {
    std::fprintf(stderr, "usage: spelling_run_bench PROJECT [--hunspell DICTIONARY]\n");
    return 2;
  }
  const std::string project = argv[1];
  const std::string dictionary = argc == 4 ? argv[3] : "/usr/share/hunspell/en_US";
  const std::filesystem::path work = std::filesystem::temp_directory_path() /
                                     ("sorvik-spelling-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(work);
  SilentPrompter prompter;

  // 1. The whole run.
  auto context = sorvik::makeAppContext(work.string() + "/home/");
  context->prompter = &prompter;
  const RunFigures run = spellProject(*context, project);
  const long runPeak = peakKilobytes();
  std::printf("sorvik spell:      %d words checked, %d results, %d forms\n", run.words, run.results,
              run.forms);
  std::printf("                   %.2f s wall, %.2f s processor, peak %.1f MiB\n", run.wall,
              run.processor, runPeak / 1024.0);

  // 2. The words it checks.
  std::vector<std::string> words;
  context->config.addOverride("SpellProps.UseWord=1");
  context->service<sorvik::UseWordChecker>().open = [&words] {
    return std::make_unique<RecordingChecker>(words);
  };
  spellProject(*context, project);
  const std::string wordFile = (work / "words.txt").string();
  {
    std::ofstream out(wordFile, std::ios::binary);
    for (const std::string& word : words) out << sorvik::windows1252ToUtf8(word) << '\n';
  }

  // 3. The engine alone on them.
  sorvik::TSpellCheck engine(context->programFolder);
  engine.LoadDictionary(context->programFolder + "english.dic");
  size_t misspelled = 0;
  const Stopwatch engineClock;
  for (const std::string& word : words) misspelled += engine.CheckWord(word) ? 0 : 1;
  const double engineWall = engineClock.wall(), engineCpu = engineClock.processor();
  std::printf("engine alone:      %zu words (%zu misspelled), %.3f s wall, %.3f s processor\n",
              words.size(), misspelled, engineWall, engineCpu);

  // 4. Hunspell on the same words.
  const std::string misspelledFile = (work / "misspelled.txt").string();
  const ChildFigures hunspell = runChild({"hunspell", "-l", "-i", "utf-8", "-d", dictionary},
                                         wordFile, misspelledFile, (work / "time.txt").string());
  if (hunspell.status != 0) {
    std::fprintf(stderr,
                 "hunspell failed (status %d): apt-get install time hunspell hunspell-en-us\n",
                 hunspell.status);
    return 1;
  }
  std::printf(
      "hunspell -l:       %zu words (%zu misspelled), %.2f s wall, %.2f s processor, "
      "peak %.1f MiB\n",
      words.size(), lineCount(misspelledFile), hunspell.wall, hunspell.processor,
      hunspell.peakKilobytes / 1024.0);
  std::printf("hunspell / run:    %.2f x wall, %.2f x processor\n", hunspell.wall / run.wall,
              hunspell.processor / run.processor);
  std::printf("hunspell / engine: %.0f x processor\n", hunspell.processor / engineCpu);
  std::filesystem::remove_all(work);
  return 0;
}
