// Questions and messages on a terminal: messages go to stderr as they are worded, and
// questions are answered from the flags.
#pragma once

#include <string>

#include "project/prompter.h"

namespace sorvik {

class CliPrompter : public Prompter {
 public:
  // `changesFiles`: the command writes files, so questions are answered No unless `yes`.
  CliPrompter(bool changesFiles, bool yes) : changesFiles_(changesFiles), yes_(yes) {}

  void showError(const std::string& text) override;
  void showWarning(const std::string& text) override;
  void showInformation(const std::string& text) override;
  bool askYesNo(const std::string& question) override;
  DisclaimerAnswer askDisclaimer() override;
  DisclaimerAnswer askChangeWarning() override;

  bool refused() const { return refused_; }

 private:
  bool changesFiles_;
  bool yes_;
  bool refused_ = false;
};

// Message text with its CR LF and CR line breaks made LF, ending with a line end.
std::string terminalText(const std::string& text);

}  // namespace sorvik
