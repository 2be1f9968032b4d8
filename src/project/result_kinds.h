// The ranges of result kinds, which decide how a result is gated, mapped and tagged.
#pragma once

namespace sorvik {

constexpr int kUnusedVariableKind = 36;
constexpr int kNamingKind = 300;
constexpr int kVariableCaseKind = 301;
constexpr int kSpellingKind = 400;
constexpr int kSearchKind = 401;
constexpr int kFirstTemplateKind = 1000;
constexpr int kMaxTemplates = 100;

constexpr bool isHintRange(int kind) {
  return kind >= 0 && kind <= 37;
}
constexpr bool isWarningRange(int kind) {
  return kind >= 100 && kind <= 116;
}
constexpr bool isDelphiHintRange(int kind) {
  return kind >= 200 && kind <= 201;
}
constexpr bool isWebHintRange(int kind) {
  return kind >= 230 && kind <= 248;
}
constexpr bool isNamingRange(int kind) {
  return kind >= 300 && kind <= 301;
}
constexpr bool isTemplateKind(int kind) {
  return kind >= kFirstTemplateKind;
}

// Tagged "[Hint]" rather than "[Warn]".
constexpr bool isHintKind(int kind, bool templateIsWarning) {
  return isHintRange(kind) || isDelphiHintRange(kind) || isWebHintRange(kind) ||
         (isTemplateKind(kind) && !templateIsWarning);
}

}  // namespace sorvik
