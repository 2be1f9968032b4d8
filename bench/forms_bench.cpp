// Times reading and checking forms: every form file (.dfm, .nfm) below a folder is read
// with the binary-or-text reader, its objects built with the per-line checks and its
// object checks run, text measurement included.
//
//   forms_bench FOLDER [--repeat N] [--set SECTION.KEY=VALUE]...
//
// Prints the forms and lines read, the wall and processor time with the forms and lines
// per second of each (on a busy machine the processor time is the figure to compare),
// the results reported and the peak memory.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "formanalysis/form_code.h"
#include "formanalysis/form_file_reader.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "report/library_setup.h"

namespace {

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

std::vector<std::string> formFiles(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string extension = sorvik::extensionOf(entry.path().string());
    if (entry.is_regular_file() &&
        (sorvik::sameText(extension, ".dfm") || sorvik::sameText(extension, ".nfm")))
      files.push_back(entry.path().string());
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: forms_bench FOLDER [--repeat N] [--set SECTION.KEY=VALUE]...\n");
    return 2;
  }
  int repeat = 1;
  const std::string home =
      (std::filesystem::temp_directory_path() / "sorvik-forms-bench").string() + "/";
  sorvik::Config config(home + "config.ini");
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--repeat") repeat = std::max(1, sorvik::toInt(argv[i + 1], 1));
    if (option == "--set") config.addOverride(argv[i + 1]);
  }
  auto context = sorvik::makeAppContext(home, std::move(config));
  const std::vector<std::string> files = formFiles(argv[1]);

  long forms = 0, lines = 0, results = 0;
  const auto began = std::chrono::steady_clock::now();
  const double cpuBefore = cpuSeconds();
  for (int round = 0; round < repeat; ++round) {
    sorvik::TProject project(*context);
    for (const std::string& path : files) {
      project.CurrentFile = path;
      auto text = sorvik::ReadFormText(path, nullptr);
      if (!text) continue;
      sorvik::TFormCode form(std::move(*text));
      form.FileName = sorvik::fileNameOf(path);
      form.FilePath = path;
      form.Project = &project;
      form.ReadObjects(true);
      form.RunFormHints();
      form.FlushHints();
      ++forms;
      lines += form.Lines.size();
    }
    results += static_cast<long>(project.report().Results.size());
  }
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  const double cpu = cpuSeconds() - cpuBefore;
  std::printf(
      "%ld forms, %ld lines, %ld results\n  wall %.3f s (%.0f forms/s, %.0f lines/s)\n"
      "  cpu %.3f s (%.0f forms/s, %.0f lines/s), peak memory %ld MB\n",
      forms, lines, results, wall, forms / wall, lines / wall, cpu, forms / cpu, lines / cpu,
      peakMegabytes());
  return 0;
}
