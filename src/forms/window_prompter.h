// Questions and message boxes as dialogs over the main window. The library may ask from
// the worker thread (opening a project asks for the disclaimer): the call then waits
// for the dialog, which always runs on the window thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "project/prompter.h"

namespace sorvik {

class Config;

class WindowPrompter : public QObject, public Prompter {
  Q_OBJECT

 public:
  explicit WindowPrompter(QWidget* window) : QObject(window), window_(window) {}

  void showError(const std::string& text) override;
  void showWarning(const std::string& text) override;
  void showInformation(const std::string& text) override;
  bool askYesNo(const std::string& question) override;
  DisclaimerAnswer askDisclaimer() override;
  DisclaimerAnswer askChangeWarning() override;

 private:
  template <class Dialog>
  auto onWindowThread(Dialog dialog) -> decltype(dialog());
  // Shows a disclaimer form (`TDisclaimerform`, `TWarningform`) and returns the answer.
  template <class Form>
  DisclaimerAnswer askWith();

  QPointer<QWidget> window_;
};

}  // namespace sorvik
