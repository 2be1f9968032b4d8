#include "cli/interrupt.h"

#include <gtest/gtest.h>

#include <csignal>

#include "project/project.h"
#include "project/scan_driver.h"
#include "support/test_support.h"

namespace sorvik {
namespace {

TEST(InterruptTest, SigintDuringAWalkStopsItLikeStop) {
  test::TempFolder home;
  InterruptObserver observer;
  auto context = test::makeContext(home, nullptr, &observer);
  context->settings.CheckStringConst = false;
  std::vector<std::string> walked;
  context->hooks.walkUnit = [&](TProject& project, bool) {
    walked.push_back(project.CurrentFile);
    if (walked.size() == 2) std::raise(SIGINT);
    project.pollEvents();
    return true;
  };
  TProject project(*context);
  project.UnitFiles = {"/a.pas", "/b.pas", "/c.pas", "/d.pas"};
  Start(project);
  EXPECT_EQ(walked, (std::vector<std::string>{"/a.pas", "/b.pas"}));
  EXPECT_TRUE(project.ScanDone);
}

}  // namespace
}  // namespace sorvik
