// The text measurer of the form checks, a long-lived service of the application: the
// FreeType measurer, made on first use with the face substitutes of config.ini, unless
// another one (a test's) was set.
#pragma once

#include <memory>

#include "platform/text_measurer.h"
#include "project/config.h"

namespace sorvik {

class FormTextMeasurer {
 public:
  void set(std::unique_ptr<TextMeasurer> measurer) { measurer_ = std::move(measurer); }
  TextMeasurer& get(const Config& config);

 private:
  std::unique_ptr<TextMeasurer> measurer_;
};

// The substitutes of [FontSubstitutes] (face = substitute) over the defaults.
FontSubstitutes configuredFontSubstitutes(const Config& config);

}  // namespace sorvik
