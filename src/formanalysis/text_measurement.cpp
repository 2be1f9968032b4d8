#include "formanalysis/text_measurement.h"

namespace sorvik {

FontSubstitutes configuredFontSubstitutes(const Config& config) {
  constexpr std::string_view kSection = "FontSubstitutes";
  FontSubstitutes substitutes = defaultFontSubstitutes();
  // The defaults are read through the config too, so that a run's overrides reach them.
  for (std::string_view face : kDefaultSubstitutedFaces)
    substitutes.set(face, config.readString(kSection, face, substitutes.of(face)));
  for (const auto& face : config.file().keys(kSection))
    substitutes.set(face, config.readString(kSection, face));
  return substitutes;
}

TextMeasurer& FormTextMeasurer::get(const Config& config) {
  if (!measurer_) measurer_ = makeFreeTypeMeasurer(configuredFontSubstitutes(config));
  return *measurer_;
}

}  // namespace sorvik
