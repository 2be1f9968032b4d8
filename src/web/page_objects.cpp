#include "web/page_objects.h"

#include "generic/strings.h"

namespace sorvik {

std::optional<std::string> TAspxObj::attribute(std::string_view name) const {
  for (const TAspxAttribute& attribute : Attributes)
    if (sameText(attribute.Name, name)) return attribute.Value;
  return std::nullopt;
}

std::string_view pageObjectClassName(const TPageObject& object) {
  if (objectAs<TAspxObjHTML>(&object)) return "TAspxObjHTML";
  if (objectAs<TAspxObjUnknown>(&object)) return "TAspxObjUnknown";
  if (objectAs<TAspxObjCompiler>(&object)) return "TAspxObjCompiler";
  if (objectAs<TAspxObjText>(&object)) return "TAspxObjText";
  if (objectAs<TAspxObjComment>(&object)) return "TAspxObjComment";
  if (objectAs<TAspxObjClosing>(&object)) return "TAspxObjClosing";
  return "TAspxObj";
}

std::string withoutQuotes(std::string_view value) {
  const auto isQuote = [](char c) { return c == '"' || c == '\''; };
  if (!value.empty() && isQuote(value.front())) value.remove_prefix(1);
  if (!value.empty() && isQuote(value.back())) value.remove_suffix(1);
  return std::string(value);
}

}  // namespace sorvik
