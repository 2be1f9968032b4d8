#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "forms/main_form.h"
#include "generic/text_file.h"
#include "report/library_setup.h"

namespace sorvik::test {

TempTree::TempTree() {
  dir_.setAutoRemove(true);
}

std::string TempTree::path() const {
  return dir_.path().toStdString() + "/";
}

std::string TempTree::write(const std::string& relative, const std::string& bytes) const {
  const QString file = QString::fromStdString(path() + relative);
  QDir().mkpath(QFileInfo(file).absolutePath());
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return {};
  out.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return file.toStdString();
}

std::string copyFixture(const TempTree& tree, const std::string& fixture,
                        const std::string& program) {
  const std::string folder = std::string(SORVIK_FIXTURES) + fixture + "/";
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && !name.ends_with(".expected"))
      tree.write(name, readFileBytes(entry.path().string()).value_or(""));
  }
  return tree.path() + program;
}

std::string TempTree::writeProgram(const std::string& name, const std::vector<std::string>& units,
                                   const std::string& unitText) const {
  std::string program = "program " + name + ";\r\n\r\nuses\r\n  Forms";
  for (const auto& unit : units) {
    program += ",\r\n  " + unit + " in '" + unit + ".pas'";
    write(unit + ".pas", unitText);
  }
  program += ";\r\n\r\nbegin\r\nend.\r\n";
  return write(name + ".dpr", program);
}

std::unique_ptr<AppContext> windowContext(const TempTree& home, const std::string& config,
                                          bool disclaimer) {
  home.write("home/config.ini",
             std::string("[General]\r\nDisclaimer=") + (disclaimer ? "1" : "0") + "\r\n" + config);
  return makeAppContext(home.path() + "home/");
}

namespace {

bool waitForIdle(TMainForm& window, QSignalSpy& spy) {
  return window.isBusy() ? spy.wait(30000) : true;
}

}  // namespace

bool openProject(TMainForm& window, const std::string& path) {
  QSignalSpy spy(&window, &TMainForm::idle);
  window.OpenProjectFile(path);
  return waitForIdle(window, spy) && window.project() != nullptr;
}

bool scanProject(TMainForm& window) {
  QSignalSpy spy(&window, &TMainForm::idle);
  window.Startscan1Click();
  return waitForIdle(window, spy) && !window.isBusy();
}

bool runCommand(TMainForm& window, const char* name) {
  QSignalSpy spy(&window, &TMainForm::idle);
  window.findChild<QAction*>(name)->trigger();
  return waitForIdle(window, spy);
}

QStringList enabledCommands(QWidget& window) {
  QStringList names;
  for (const char* name : {"actNewProject", "actOpenProject", "actEditProject", "mnuCloseProject",
                           "btnStartScan", "btnStop", "actSaveAsText", "btnExit"}) {
    const auto* action = window.findChild<QAction*>(name);
    if (action && action->isEnabled()) names << name;
  }
  return names;
}

}  // namespace sorvik::test
