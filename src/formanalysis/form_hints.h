// The object checks of one form, run once its objects are read. Each check visits the
// objects in file order and reports through the form, which holds the results until
// they are flushed in line order.
#pragma once

#include <string>

#include "formanalysis/form_code.h"
#include "project/result.h"

namespace sorvik {

class TFormHints {
 public:
  explicit TFormHints(TFormCode& form) : form_(form), project_(*form.Project) {}
  void run();

 private:
  bool enabled(int kind) const;
  void report(int kind, int line, const std::string& text, SuggestionLines suggestions = {});

  // Captions and hints (form_checks_captions.cpp).
  void checkHintsShown();
  void checkDefaultCaptions();
  void checkAcceleratorKeys();
  void checkToolbarCaptions();
  // Components without events (form_checks_events.cpp).
  void checkEvents();
  // Datasets and data links (form_checks_data.cpp).
  void checkActiveDatasets();
  void checkDataLinks();
  void checkDatasets();
  void checkConnectedDatabases();
  // Captions too large for their control (form_checks_truncation.cpp).
  void checkTruncatedText();

  TFormCode& form_;
  TProject& project_;
};

}  // namespace sorvik
