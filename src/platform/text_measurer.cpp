#include "platform/text_measurer.h"

#include "generic/strings.h"

namespace sorvik {

void FontSubstitutes::set(std::string_view face, std::string substitute) {
  byUpperFace_[upperCase(face)] = std::move(substitute);
}

std::string FontSubstitutes::of(std::string_view face) const {
  const auto found = byUpperFace_.find(upperCase(face));
  return found == byUpperFace_.end() ? std::string() : found->second;
}

FontSubstitutes defaultFontSubstitutes() {
  FontSubstitutes substitutes;
  for (std::string_view face : kDefaultSubstitutedFaces) substitutes.set(face, "Liberation Sans");
  return substitutes;
}

}  // namespace sorvik
