#include "web/page_objects.h"

#include "generic/strings.h"

namespace sorvik {

std::optional<std::string> TAspxObj::attribute(std::string_view name) const {
  for (const TAspxAttribute& attribute : Attributes)
    if (sameText(attribute.Name, name)) return attribute.Value;
  return std::nullopt;
}

std::string_view pageObjectClassName(const TPageObject& object) {
  if (dynamic_cast<const TAspxObjHTML*>(&object)) return "TAspxObjHTML";
  if (dynamic_cast<const TAspxObjUnknown*>(&object)) return "TAspxObjUnknown";
  if (dynamic_cast<const TAspxObjCompiler*>(&object)) return "TAspxObjCompiler";
  if (dynamic_cast<const TAspxObjText*>(&object)) return "TAspxObjText";
  if (dynamic_cast<const TAspxObjComment*>(&object)) return "TAspxObjComment";
  if (dynamic_cast<const TAspxObjClosing*>(&object)) return "TAspxObjClosing";
  return "TAspxObj";
}

std::string withoutQuotes(std::string_view value) {
  const auto isQuote = [](char c) { return c == '"' || c == '\''; };
  if (!value.empty() && isQuote(value.front())) value.remove_prefix(1);
  if (!value.empty() && isQuote(value.back())) value.remove_suffix(1);
  return std::string(value);
}

}  // namespace sorvik
