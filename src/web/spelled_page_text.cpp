#include "web/spelled_page_text.h"

#include <array>

#include "generic/strings.h"
#include "web/aspx_form.h"
#include "web/character_entities.h"
#include "web/html_tags.h"
#include "web/page_objects.h"
#include "web/web_controls.h"

namespace sorvik {

namespace {

constexpr int kTagImg = 1039;
constexpr int kTagInput = 1040;
constexpr int kTagMeta = 1049;
constexpr int kDbWebCheckbox = 1204;
constexpr int kDbWebGrid = 1206;
constexpr int kDbWebImage = 1207;
constexpr int kDbWebVideo = 1209;
constexpr int kDbWebLabeledTextBox = 1211;

// An attribute worth spelling, and the placeholder text a designer leaves in it.
struct SpelledAttribute {
  std::string_view name;
  std::string_view label;
};

// The attributes of a tag or control whose words a reader sees, the tool tip last.
std::vector<SpelledAttribute> spelledAttributes(const TAspxObj& object) {
  std::vector<SpelledAttribute> spelled;
  switch (object.Kind) {
    case kTagImg:
      spelled = {{"alt", "Alternate text"}, {"alternatetext", "Alternate text"}};
      break;
    case kTagMeta:
      if (const auto name = object.attribute("Name")) {
        const std::string lowered = lowerCase(withoutQuotes(*name));
        if (lowered == "description") spelled = {{"Content", "Description"}};
        if (lowered == "keywords") spelled = {{"Content", "Keywords"}};
      }
      break;
    case kTagInput:
      if (const auto type = object.attribute("type")) {
        constexpr std::array<std::string_view, 5> kTypes = {"button", "radio", "reset", "submit",
                                                            "text"};
        const std::string lowered = lowerCase(withoutQuotes(*type));
        for (std::string_view spelledType : kTypes)
          if (lowered == spelledType) spelled = {{"value", "Input Value"}};
      }
      break;
    case kDbWebCheckbox:
      spelled = {{"Text", "Text"}};
      break;
    case kDbWebGrid:
    case kDbWebLabeledTextBox:
      spelled = {{"Caption", "Caption"}};
      break;
    case kDbWebImage:
    case kDbWebVideo:
      spelled = {{"alternatetext", "Alternate text"}};
      break;
    default:
      break;
  }
  spelled.push_back({"ToolTip", "Tool Tip"});
  return spelled;
}

}  // namespace

void SpellPageObjects(TProject& project, const TAspxForm& page, const SpellPieceFn& spell) {
  int openScripts = 0;
  for (const PageObjectEntry& entry : page.Objects) {
    const TPageObject* object = entry.Object.get();
    if (const auto* closing = objectAs<TAspxObjClosing>(object)) {
      if (closing->Kind == kTagScript && openScripts > 0) --openScripts;
      continue;
    }
    if (objectAs<TAspxObjText>(object)) {
      if (openScripts > 0) continue;
      // A text object's line already counts from 0.
      const std::string text = trim(DecodeCharacterReferences(entry.Text));
      if (!text.empty() && !sameText(text, "Text"))
        spell(project, text, kPageTextKind, page.Lines, object->StartLine);
      continue;
    }
    const auto* tag = objectAs<TAspxObj>(object);
    if (!tag) continue;
    if (tag->Kind == kTagScript) ++openScripts;
    for (const SpelledAttribute& attribute : spelledAttributes(*tag)) {
      const auto value = tag->attribute(attribute.name);
      if (!value) continue;
      const std::string text = withoutQuotes(*value);
      if (!sameText(text, attribute.label))
        spell(project, text, tag->Kind, page.Lines, tag->StartLine - 1);
    }
  }
}

std::string StripPageMarkup(std::string_view text) {
  std::string decoded = DecodeCharacterReferences(text);
  if (decoded.find('<') == std::string::npos || decoded.find('>') == std::string::npos)
    return decoded;
  std::string stripped;
  stripped.reserve(decoded.size());
  size_t i = 0;
  while (i < decoded.size()) {
    if (decoded[i] == '<') {
      const size_t nameStart = decoded.compare(i + 1, 1, "/") == 0 ? i + 2 : i + 1;
      const size_t close = decoded.find_first_of("<>", nameStart);
      if (close != std::string::npos && decoded[close] == '>' && close > nameStart &&
          HtmlTagKind(std::string_view(decoded).substr(nameStart, close - nameStart)) != 0) {
        i = close + 1;
        continue;
      }
    }
    stripped += decoded[i++];
  }
  return stripped;
}

std::string PageSourceName(int kind) {
  if (kind >= kHtmlKindBase && kind < kHtmlKindBase + 102)
    return "HTML:" + std::string(htmlTagName(kind));
  if (kind == kCompilerKind || kind == kCommentKind) return "";
  return std::string(webObjectName(kind));
}

}  // namespace sorvik
