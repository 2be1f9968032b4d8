#include "formanalysis/form_objects.h"

#include <algorithm>
#include <array>

namespace sorvik {

namespace {

const TFormProperty kNoText;
const TFormBoolProperty kNoFlag;

// Kinds whose caption is the first text property of their class.
constexpr std::array kFirstTextKinds = {1,  2,  3,  5,   6,   11,  12,  13,  15,  17,  19,
                                        21, 40, 51, 156, 180, 181, 182, 185, 186, 187, 188};
// Kinds whose caption is their Caption property.
constexpr std::array kCaptionKinds = {4, 14, 22, 98, 99};

template <class Kinds>
bool holds(const Kinds& kinds, int kind) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace

const FormPropertyValue* TFormObject::find(std::string_view name) const {
  for (const auto& property : Properties)
    if (property.Name == name) return &property.Value;
  return nullptr;
}

const TFormProperty& TFormObject::text(std::string_view name) const {
  const auto* value = find(name);
  const auto* text = value ? std::get_if<TFormProperty>(value) : nullptr;
  return text ? *text : kNoText;
}

const TFormBoolProperty& TFormObject::flag(std::string_view name) const {
  const auto* value = find(name);
  const auto* flag = value ? std::get_if<TFormBoolProperty>(value) : nullptr;
  return flag ? *flag : kNoFlag;
}

const TFormStringsProperty* TFormObject::strings(std::string_view name) const {
  const auto* value = find(name);
  const auto* list = value ? std::get_if<std::optional<TFormStringsProperty>>(value) : nullptr;
  return list && *list ? &**list : nullptr;
}

const TFormItemTexts* TFormObject::itemTexts(std::string_view name) const {
  const auto* value = find(name);
  return value ? std::get_if<TFormItemTexts>(value) : nullptr;
}

const TFormVisualObject* TFormObject::visual() const {
  return dynamic_cast<const TFormVisualObject*>(this);
}

const TFormProperty& GetCaptionProperty(const TFormObject& object) {
  if (holds(kCaptionKinds, object.Kind)) return object.text("Caption");
  if (!holds(kFirstTextKinds, object.Kind)) return kNoText;
  for (const auto& property : object.Properties)
    if (const auto* text = std::get_if<TFormProperty>(&property.Value)) return *text;
  return kNoText;
}

}  // namespace sorvik
