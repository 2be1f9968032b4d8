// A project for the statistics tests, with the sources that other layers fill given
// directly: the routine headers, kind names ("Label" for 1, else "Kind" + number) and web
// object names ("W" + number; "Compiler Directive" and "Comment" for 299 and 300).
#pragma once

#include <gtest/gtest.h>

#include "project/project.h"
#include "report/statistics_sources.h"
#include "support/test_support.h"

namespace sorvik::test {

class StatisticsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    context = makeContext(home, nullptr, nullptr);
    project = std::make_unique<TProject>(*context, "/p/App.dpr");
    auto& sources = context->service<StatisticsSources>();
    sources.routineHeaders = [this](TProject&) { return &headers; };
    sources.componentKindName = [](TProject&, int kind) {
      return kind == 1 ? std::string("Label") : "Kind" + std::to_string(kind);
    };
    sources.webObjectName = [](int id) {
      if (id == 299) return std::string("Compiler Directive");
      if (id == 300) return std::string("Comment");
      return "W" + std::to_string(id);
    };
    sources.webObjectSpacedName = sources.webObjectName;
  }
  TCounts& counts() { return project->Report->Counts; }

  TempFolder home;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TProject> project;
  std::vector<TProcedureHeader> headers;
};

}  // namespace sorvik::test
