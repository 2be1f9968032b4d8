// Questions and message boxes of user commands. The windows show dialogs, the command
// line answers from its flags, tests script the answers.
#pragma once

#include <string>

namespace sorvik {

class Prompter {
 public:
  struct DisclaimerAnswer {
    bool accepted = false;
    bool dontShowAgain = false;
  };

  virtual ~Prompter() = default;
  virtual void showError(const std::string& text) = 0;
  virtual void showWarning(const std::string& text) = 0;
  virtual void showInformation(const std::string& text) = 0;
  virtual bool askYesNo(const std::string& question) = 0;
  virtual DisclaimerAnswer askDisclaimer() = 0;
  // The warning shown before code is changed ("Applying a change").
  virtual DisclaimerAnswer askChangeWarning() = 0;
};

}  // namespace sorvik
