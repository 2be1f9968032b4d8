// The stats and report commands end to end, and --fail-on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cli/command_line.h"
#include "cli/session.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/results.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

// Sets an environment variable for the life of the object.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) { setenv(name, value, 1); }
  ~ScopedVariable() { unsetenv(name_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
};

class ReportCommandsTest : public ::testing::Test {
 protected:
  // A copy of the fixture `name` in the work folder.
  std::string copyFixture(const std::string& name) {
    const std::string folder = work.path() + name;
    std::filesystem::copy(test::testDataFolder() + "fixtures/" + name, folder,
                          std::filesystem::copy_options::recursive);
    return folder;
  }
  int run(std::vector<std::string> args) {
    args.insert(args.begin(), {"sorvik", "--config-dir", home.path()});
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    return runCommandLine(static_cast<int>(argv.size()), argv.data());
  }
  test::TempFolder home, work;
};

TEST_F(ReportCommandsTest, ReportWritesTheRichTextOfTheScan) {
  const std::string folder = copyFixture("report-rtf");
  const ScopedVariable date("SORVIK_REPORT_DATE", "2031-03-23");
  ASSERT_EQ(run({"report", folder + "/Shop.dpr", "--rtf", work.path() + "out.rtf"}), kExitOk);
  const std::string expected = replaceAll(test::readAll(folder + "/expected.rtf"), "@DIR@", folder);
  EXPECT_EQ(test::readAll(work.path() + "out.rtf"), expected);
}

TEST_F(ReportCommandsTest, ReportRefusesAMalformedDateAndAnUnwritableFile) {
  const std::string folder = copyFixture("report-rtf");
  {
    const ScopedVariable date("SORVIK_REPORT_DATE", "23/03/2031");
    EXPECT_EQ(run({"report", folder + "/Shop.dpr", "--rtf", work.path() + "out.rtf"}), kExitUsage);
  }
  EXPECT_EQ(run({"report", folder + "/Shop.dpr", "--rtf", work.path() + "no/such/out.rtf"}),
            kExitUsage);
  EXPECT_FALSE(std::filesystem::exists(work.path() + "out.rtf"));
}

TEST_F(ReportCommandsTest, StatsSavesEveryListIntoTheCsvFolder) {
  const std::string folder = copyFixture("stats-text");
  const std::string csv = work.path() + "csv";
  ASSERT_EQ(run({"stats", folder + "/Shop.dpr", "--csv", csv}), kExitOk);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(csv))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  // No routines and no web objects: those lists are not saved.
  EXPECT_EQ(names, (std::vector<std::string>{"form-objects.csv", "statements.csv", "statistics.txt",
                                             "used-by.txt", "uses.csv"}));
  const std::string statistics = test::readAll(csv + "/statistics.txt");
  EXPECT_TRUE(statistics.starts_with("Code files scanned : 2\r\nForm files scanned : 1\r\n"));
  EXPECT_EQ(test::readAll(csv + "/uses.csv"),
            "Name,References\r\nClasses,1\r\nSysUtils,2\r\nTools,1\r\n");
  EXPECT_EQ(test::readAll(csv + "/used-by.txt"),
            "Classes\r\n\tMain\r\nSysUtils\r\n\tMain\r\n\tTools\r\nTools\r\n\tMain\r\n");
}

struct FailOnCase {
  const char* failOn;
  std::vector<int> kinds;
  int status;
};

TEST(FailOnTest, ExitStatusFollowsTheWorstResult) {
  const FailOnCase cases[] = {{"", {101}, kExitOk},
                              {"hint", {}, kExitOk},
                              {"hint", {17}, kExitFailOn},
                              {"hint", {101}, kExitFailOn},
                              {"warning", {17, 240}, kExitOk},
                              {"warning", {17, 101}, kExitFailOn},
                              {"warning", {300}, kExitFailOn}};
  for (const auto& c : cases) {
    test::TempFolder home;
    GlobalOptions options;
    options.configDir = home.path();
    options.failOn = c.failOn;
    Session session(options, false);
    ASSERT_TRUE(session.start());
    TProject project(session.context(), home.path() + "App.dpr");
    project.CurrentFile = home.path() + "Unit1.pas";
    int line = 0;
    for (int kind : c.kinds) AddResult(project, kind, line++, "found", nullptr);
    EXPECT_EQ(session.exitStatus(project), c.status) << c.failOn << " " << c.kinds.size();
  }
}

}  // namespace
}  // namespace sorvik
