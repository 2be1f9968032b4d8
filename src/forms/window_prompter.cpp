#include "forms/window_prompter.h"

#include <QMessageBox>
#include <QThread>

#include "forms/disclaimer_form.h"
#include "forms/qt_text.h"

namespace sorvik {

template <class Dialog>
auto WindowPrompter::onWindowThread(Dialog dialog) -> decltype(dialog()) {
  if (QThread::currentThread() == thread()) return dialog();
  decltype(dialog()) answer{};
  QMetaObject::invokeMethod(
      this, [&] { answer = dialog(); }, Qt::BlockingQueuedConnection);
  return answer;
}

void WindowPrompter::showError(const std::string& text) {
  onWindowThread([&] { return QMessageBox::critical(window_, "sorvik", qtMessage(text)); });
}

void WindowPrompter::showWarning(const std::string& text) {
  onWindowThread([&] { return QMessageBox::warning(window_, "sorvik", qtMessage(text)); });
}

void WindowPrompter::showInformation(const std::string& text) {
  onWindowThread([&] { return QMessageBox::information(window_, "sorvik", qtMessage(text)); });
}

bool WindowPrompter::askYesNo(const std::string& question) {
  return onWindowThread([&] {
    return QMessageBox::question(window_, "sorvik", qtMessage(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  });
}

template <class Form>
Prompter::DisclaimerAnswer WindowPrompter::askWith() {
  return onWindowThread([&] {
    Form form(window_);
    const bool accepted = form.exec() == QDialog::Accepted;
    return DisclaimerAnswer{accepted, accepted && form.dontShowAgain()};
  });
}

Prompter::DisclaimerAnswer WindowPrompter::askDisclaimer() {
  return askWith<TDisclaimerform>();
}

Prompter::DisclaimerAnswer WindowPrompter::askChangeWarning() {
  return askWith<TWarningform>();
}

}  // namespace sorvik
