// The checks of one tag with attributes: alternative text of images, duplicate meta
// keywords, colour values and deprecated tags; image sizes have a file of their own.
#include <algorithm>
#include <array>
#include <exception>
#include <unordered_map>

#include "generic/strings.h"
#include "web/colour_names.h"
#include "web/html_checks.h"
#include "web/locate_in_object.h"

namespace sorvik {

namespace {

constexpr int kImg = 1039;
constexpr int kMeta = 1049;

ResultSpan spanOf(const TAspxObj& tag) {
  return {tag.StartCol, tag.EndLine, tag.EndCol};
}

// The keywords of a "content" value: the parts between commas outside single quotes,
// without blanks or tabs and trimmed at the right.
std::vector<std::string> keywordsOf(std::string_view content) {
  std::vector<std::string> parts(1);
  bool quoted = false;
  for (const char c : content) {
    if (c == '\'') quoted = !quoted;
    if (c == ',' && !quoted)
      parts.emplace_back();
    else if (c != ' ' && c != '\t')
      parts.back() += c;
  }
  for (std::string& part : parts) part = trimRight(part);
  return parts;
}

// Hexadecimal digits, "#" and blanks or control characters only.
bool isColourValue(std::string_view value) {
  return std::all_of(value.begin(), value.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '#' || (c >= '0' && c <= '9') ||
           (c >= 'a' && c <= 'f');
  });
}

struct DeprecatedTag {
  int kind;
  const char* replacement;  // none: style sheets do the tag's work
};

constexpr std::array<DeprecatedTag, 10> kDeprecatedTags = {{
    {1005, nullptr},   // basefont
    {1024, nullptr},   // font
    {1060, nullptr},   // s
    {1066, nullptr},   // strike
    {1079, nullptr},   // u
    {1082, nullptr},   // center
    {1048, "ul"},      // menu
    {1090, "ul"},      // dir
    {1083, "input"},   // isindex
    {1089, "object"},  // applet
}};

}  // namespace

void CheckTags(PageChecks& checks, TAspxObj& tag) {
  if (tag.Attributes.empty()) return;
  try {
    if (tag.Kind == kImg) {
      CheckImageSize(checks, tag);
      CheckAltText(checks, tag);
    } else if (tag.Kind == kMeta) {
      CheckMetaKeywords(checks, tag);
    }
    CheckColour(checks, tag);
    CheckDeprecated(checks, tag);
  } catch (const std::exception&) {
    // A failure ends the checks of this tag only.
  }
}

void CheckAltText(PageChecks& checks, TAspxObj& image) {
  if (!checks.enabled(237) || image.attribute("alt")) return;
  SuggestionLines suggestion;
  if (startsWithText(image.Text, "img "))
    suggestion = checks.replaceOnce(image.StartLine, image.Text.substr(0, 4), "img alt=\"\" ", 1);
  checks.addResult(237, image.StartLine,
                   "Alternative description for image (alt) not specified. At least use alt=\"\"",
                   std::move(suggestion), spanOf(image));
}

void CheckMetaKeywords(PageChecks& checks, TAspxObj& meta) {
  if (!checks.enabled(236)) return;
  const std::optional<std::string> name = meta.attribute("Name");
  const std::optional<std::string> content = meta.attribute("Content");
  if (!name || !content || lowerCase(trim(withoutQuotes(*name))) != "keywords") return;
  struct Keyword {
    std::string word;  // as first written
    int count = 0;
  };
  std::vector<Keyword> keywords;
  std::unordered_map<std::string, size_t> byWord;  // lower-cased
  for (std::string& part : keywordsOf(withoutQuotes(*content))) {
    if (part.empty()) continue;  // "a,,b" holds no empty keyword
    const auto [place, added] = byWord.emplace(lowerCase(part), keywords.size());
    if (added) keywords.push_back({std::move(part), 0});
    ++keywords[place->second].count;
  }
  std::string list;
  for (const Keyword& keyword : keywords)
    if (keyword.count > 1)
      list += " " + keyword.word + " (x" + std::to_string(keyword.count) + "),";
  if (list.empty()) return;
  list.pop_back();
  checks.addResult(236, meta.StartLine, "Duplicate keywords : " + list, std::nullopt, spanOf(meta));
}

void CheckColour(PageChecks& checks, TAspxObj& tag) {
  if (!checks.enabled(241)) return;
  std::optional<std::string> written;
  for (const char* name : {"color", "fgcolor", "bgcolor"})
    if ((written = tag.attribute(name))) break;
  if (!written) return;
  const std::string value = lowerCase(trim(withoutQuotes(trim(*written))));
  if (isColourValue(value) || IsColourName(value)) return;
  const PagePlace place = LocateInObject(tag, *written);
  checks.addResult(241, place.line, "The color \"" + value + "\" was not recognised", std::nullopt,
                   {place.column, place.found ? static_cast<int>(written->size()) : 0, 0});
}

void CheckDeprecated(PageChecks& checks, TAspxObj& tag) {
  for (const DeprecatedTag& deprecated : kDeprecatedTags) {
    if (deprecated.kind != tag.Kind) continue;
    if (!deprecated.replacement && checks.enabled(243))
      checks.addResult(243, tag.StartLine, "Use style sheets instead of <" + tag.TagName + ">",
                       std::nullopt, spanOf(tag));
    if (deprecated.replacement && checks.enabled(242))
      checks.addResult(
          242, tag.StartLine,
          "Use <" + std::string(deprecated.replacement) + "> instead of <" + tag.TagName + ">",
          std::nullopt, spanOf(tag));
  }
}

}  // namespace sorvik
