#include "cli/cli_prompter.h"

#include <iostream>

namespace sorvik {

std::string terminalText(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  if (out.empty() || out.back() != '\n') out += '\n';
  return out;
}

void CliPrompter::showError(const std::string& text) {
  std::cerr << terminalText(text);
}
void CliPrompter::showWarning(const std::string& text) {
  std::cerr << terminalText(text);
}
void CliPrompter::showInformation(const std::string& text) {
  std::cerr << terminalText(text);
}

bool CliPrompter::askYesNo(const std::string& question) {
  std::cerr << terminalText(question);
  const bool answer = changesFiles_ && yes_;
  if (!answer) refused_ = true;
  return answer;
}

Prompter::DisclaimerAnswer CliPrompter::askDisclaimer() {
  if (!changesFiles_) return {true, false};
  return {askYesNo("sorvik can alter code and therefore it is vital that a backup is used before "
                   "scanning any program."),
          false};
}

Prompter::DisclaimerAnswer CliPrompter::askChangeWarning() {
  return {
      askYesNo("When you apply a change, the file you are working on is automatically saved.\n"
               "It it therefore vital that a project backup is taken before applying any change."),
      false};
}

}  // namespace sorvik
