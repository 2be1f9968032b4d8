// A project folder with a context around it, for the tests of the project-file readers:
// files are written below `work`, and an opened project's lists are shown relative to it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "project/project.h"
#include "project/project_files.h"
#include "support/test_support.h"

namespace sorvik::test {

class ProjectFilesTest : public ::testing::Test {
 protected:
  std::string write(const std::string& relative, const std::string& bytes = "x") {
    return work.write(relative, bytes);
  }

  std::string relative(const std::string& path) const {
    return path.starts_with(work.path()) ? path.substr(work.path().size()) : path;
  }

  // The classified lists: "unit Unit1.pas", "form Unit1.dfm", "web Default.aspx".
  std::vector<std::string> lists(const TProject& project) const {
    std::vector<std::string> out;
    for (const std::string& path : project.UnitFiles) out.push_back("unit " + relative(path));
    for (const std::string& path : project.FormFiles) out.push_back("form " + relative(path));
    for (const std::string& path : project.WebFiles) out.push_back("web " + relative(path));
    return out;
  }

  // Reads `path` with the reader its extension calls for and classifies what it names.
  std::vector<std::string> open(const std::string& path, bool expectRead = true) {
    project = std::make_unique<TProject>(*context, path);
    std::vector<std::string> files;
    EXPECT_EQ(ReadProjectFile(*project, path, files), expectRead) << relative(path);
    ClassifyFiles(*project, files);
    EXPECT_TRUE(files.empty());
    return lists(*project);
  }

  TempFolder home, work;
  ScriptedPrompter prompter;
  RecordingObserver observer;
  std::unique_ptr<AppContext> context = makeContext(home, &prompter, &observer);
  std::unique_ptr<TProject> project;
};

}  // namespace sorvik::test
