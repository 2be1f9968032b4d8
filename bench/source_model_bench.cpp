// Times the source model alone: loading and preparing every unit of a project and building
// all its routines in every variant, with no analyser attached.
//
//   source_model_bench PROJECT [--set SECTION.KEY=VALUE]...   a project (.dpr, .svk, ...)
//   source_model_bench --stress LINES                          generated units of LINES lines
//
// Prints the lines read, the wall and processor time with the lines per second of each
// (on a busy machine the processor time is the figure to compare), and the peak memory.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "generic/paths.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "project/project_files.h"
#include "project/scan_driver.h"
#include "report/proj_report.h"
#include "source/source_model.h"

namespace {

using sorvik::AppContext;
using sorvik::TProject;

rusage resourceUsage() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage;
}

double cpuSeconds(const rusage& usage) {
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::unique_ptr<AppContext> sourceModelContext(const std::string& home,
                                               const std::vector<std::string>& sets) {
  auto context = std::make_unique<AppContext>();
  context->programFolder = home;
  context->config = sorvik::Config(home + "config.ini");
  for (const std::string& set : sets) context->config.addOverride(set);
  context->settings = sorvik::TSettings(context->config, home);
  context->makeReport = [](TProject& project) {
    return std::make_unique<sorvik::TProjReport>(project);
  };
  sorvik::attachSourceModel(*context);
  return context;
}

// Scans the units of `project`; prints the figures under `label`.
void timeScan(TProject& project, const std::string& label) {
  // Reading the files alone, for comparison.
  long lines = 0;
  const double readBefore = cpuSeconds(resourceUsage());
  for (const std::string& unit : project.UnitFiles) {
    if (auto read = sorvik::readLines(unit)) lines += static_cast<long>(read->size());
  }
  const double reading = cpuSeconds(resourceUsage()) - readBefore;
  project.FormFiles.clear();
  project.WebFiles.clear();
  const auto began = std::chrono::steady_clock::now();
  const double cpuBefore = cpuSeconds(resourceUsage());
  sorvik::setModeFlags(project, sorvik::StartCommand::Scan);
  sorvik::Start(project);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  const rusage usage = resourceUsage();
  const double cpu = cpuSeconds(usage) - cpuBefore;
  std::printf(
      "%s: %zu units, %ld lines, %zu errors\n  wall %.3f s (%.0f lines/s), cpu %.3f s (%.0f "
      "lines/s), peak memory %ld MB\n  reading the files alone: cpu %.3f s\n",
      label.c_str(), project.UnitFiles.size(), lines, project.Errors.size(), seconds,
      lines / seconds, cpu, lines / cpu, usage.ru_maxrss / 1024, reading);
}

int scanProject(const std::string& path, const std::vector<std::string>& sets,
                const std::string& home) {
  auto context = sourceModelContext(home, sets);
  const std::string absolute = std::filesystem::absolute(path).string();
  TProject project(*context, absolute);
  std::vector<std::string> files;
  if (!sorvik::ReadProjectFile(project, absolute, files)) {
    std::cerr << "cannot read " << path << '\n';
    return 2;
  }
  sorvik::ClassifyFiles(project, files);
  timeScan(project, sorvik::fileNameOf(path));
  return 0;
}

// A unit of about `lines` lines full of one-line "if ... then ...;" statements, in routines
// of `routineLines` lines each.
std::string stressUnit(long lines, long routineLines) {
  std::string text = "unit Stress;\r\ninterface\r\nimplementation\r\nconst\r\n  Limit = 10;\r\n";
  long written = 5;
  for (long routine = 0; written < lines; ++routine) {
    text +=
        "procedure P" + std::to_string(routine) + "(A: Integer);\r\nvar\r\n  I, J: Integer;\r\n";
    text += "begin\r\n";
    written += 4;
    for (long n = 0; n < routineLines && written < lines; ++n, ++written)
      text += n % 2 ? "  if A > Limit then I := A else J := 1;\r\n"
                    : "  try I := J; finally J := 0; end;\r\n";
    text += "end;\r\n\r\n";
    written += 2;
  }
  return text + "end.\r\n";
}

int stress(long lines, const std::string& home) {
  for (const long routineLines : {lines, 20L}) {
    const std::string unit = home + "Stress.pas";
    sorvik::writeFileBytes(unit, stressUnit(lines, routineLines));
    auto context = sourceModelContext(home, {});
    TProject project(*context, unit);
    project.UnitFiles = {unit};
    project.UnitCount = 1;
    timeScan(project, "stress, routines of " + std::to_string(routineLines) + " lines");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto home = std::filesystem::temp_directory_path() / "sorvik-source-bench";
  std::filesystem::create_directories(home);
  const std::string folder = home.string() + "/";
  if (args.size() == 2 && args[0] == "--stress") return stress(std::stol(args[1]), folder);
  if (args.empty() || args[0].starts_with("--")) {
    std::cerr << "usage: source_model_bench PROJECT [--set SECTION.KEY=VALUE]...\n"
                 "       source_model_bench --stress LINES\n";
    return 2;
  }
  std::vector<std::string> sets;
  for (size_t i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == "--set") sets.push_back(args[i + 1]);
  }
  return scanProject(args[0], sets, folder);
}
