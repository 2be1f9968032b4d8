// What the window tests share: a project written to a temporary folder, a context whose
// program folder lies there too, scripted answers to the window's questions, and waiting
// for the worker.
#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "project/app_context.h"
#include "support/test_support.h"

class QWidget;

namespace sorvik {
class TMainForm;
}

namespace sorvik::test {

class TempTree {
 public:
  TempTree();
  // The folder, with a trailing "/".
  std::string path() const;
  // Writes `bytes` to path() + relative; returns the full path.
  std::string write(const std::string& relative, const std::string& bytes) const;
  // A program naming `units` ("Name" for Name.pas), each written with `unitText`.
  std::string writeProgram(
      const std::string& name, const std::vector<std::string>& units,
      const std::string& unitText = "unit X;\r\n\r\nimplementation\r\n\r\nend.\r\n") const;

 private:
  QTemporaryDir dir_;
};

// The files of the golden fixture `fixture` (a folder of tests/fixtures/) written into
// `tree`, but for its expected files after a change; the path of `program` there.
std::string copyFixture(const TempTree& tree, const std::string& fixture,
                        const std::string& program = "");

// A context with its program folder in `home`; its config.ini holds `config` after a
// [General] section that switches the disclaimer off unless `disclaimer` is set.
std::unique_ptr<AppContext> windowContext(const TempTree& home, const std::string& config = "",
                                          bool disclaimer = false);

// Opens the project and waits until the worker has ended; false when nothing opened.
bool openProject(TMainForm& window, const std::string& path);
// Starts a scan and waits until it has ended.
bool scanProject(TMainForm& window);
// Triggers the window's command `name` and waits until what it started has ended.
bool runCommand(TMainForm& window, const char* name);

// The names of the window's commands that are enabled, of those the window has.
QStringList enabledCommands(QWidget& window);

}  // namespace sorvik::test
