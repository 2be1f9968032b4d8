// Shared test helpers: temporary folders, files, a scripted prompter, a recording
// observer and a context ready for a project.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "project/app_context.h"
#include "project/prompter.h"
#include "project/run_observer.h"

namespace sorvik::test {

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }  // with a trailing "/"
  // Writes `bytes` to path() + relative (folders made as needed); returns the full path.
  std::string write(const std::string& relative, const std::string& bytes) const;

 private:
  std::string path_;
};

std::string readAll(const std::string& path);
// The folder of the tests' own data (tests/).
std::string testDataFolder();

class ScriptedPrompter : public Prompter {
 public:
  void showError(const std::string& text) override { messages.push_back("error: " + text); }
  void showWarning(const std::string& text) override { messages.push_back("warning: " + text); }
  void showInformation(const std::string& text) override { messages.push_back("info: " + text); }
  bool askYesNo(const std::string& question) override {
    messages.push_back("ask: " + question);
    return answerYes;
  }
  DisclaimerAnswer askDisclaimer() override {
    messages.push_back("disclaimer");
    return {acceptDisclaimer, false};
  }
  DisclaimerAnswer askChangeWarning() override {
    messages.push_back("change warning");
    return {acceptChange, dontAskAgain};
  }
  std::vector<std::string> messages;
  bool answerYes = true;
  bool acceptDisclaimer = true;
  bool acceptChange = true, dontAskAgain = false;
};

class RecordingObserver : public RunObserver {
 public:
  void statusText(const std::string& text) override { status = text; }
  void outputLineAdded(const std::string& line) override { output.push_back(line); }
  bool processEvents() override { return ++events >= stopAfterEvents; }
  std::string status;
  std::vector<std::string> output;
  int events = 0;
  int stopAfterEvents = 1 << 30;
};

// A context with a program folder in `home`, the library's analysers attached, and the
// given prompter and observer.
std::unique_ptr<AppContext> makeContext(const TempFolder& home, Prompter* prompter,
                                        RunObserver* observer);

}  // namespace sorvik::test
