#include "web/tag_objects.h"

#include "generic/strings.h"
#include "web/html_tags.h"
#include "web/tag_attributes.h"
#include "web/web_controls.h"

namespace sorvik {

namespace {

template <class Tag>
std::unique_ptr<Tag> tagWithAttributes(std::string text, int kind) {
  auto tag = std::make_unique<Tag>();
  TagParts parts = readTag(text);
  tag->Kind = kind;
  tag->TagName = std::move(parts.name);
  tag->Text = std::move(text);
  tag->Attributes = std::move(parts.attributes);
  return tag;
}

int controlKind(std::string_view text) {
  const int kind = AspControlKind(text);
  return kind != kNoKind ? kind : BorlandControlKind(text);
}

// Blanks and line breaks may stand around the name of a closing tag ("</td >").
int closingKind(std::string_view name) {
  name = trimView(name);
  const int kind = controlKind(name);
  return kind != kNoKind ? kind : HtmlTagKind(name);
}

bool isLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

std::unique_ptr<TPageObject> makeTagObject(std::string text) {
  if (startsWith(text, "/")) {
    const int kind = closingKind(std::string_view(text).substr(1));
    if (kind == kNoKind)
      return tagWithAttributes<TAspxObjUnknown>(std::move(text), kUnknownTagKind);
    auto closing = std::make_unique<TAspxObjClosing>();
    closing->Kind = kind;
    return closing;
  }
  if (startsWithText(text, "asp:") || startsWithText(text, "borland:")) {
    const int kind = controlKind(text);
    return tagWithAttributes<TAspxObj>(std::move(text), kind);
  }
  if (startsWith(text, "%@"))
    return tagWithAttributes<TAspxObjCompiler>(std::move(text), kCompilerKind);
  if (startsWith(text, "!") || startsWith(text, "?")) {
    auto comment = std::make_unique<TAspxObjComment>();
    comment->Text = std::move(text);
    return comment;
  }
  size_t run = 0;
  while (run < text.size() && isLetterOrDigit(text[run])) ++run;
  const int kind = HtmlTagKind(std::string_view(text).substr(0, run));
  if (kind == kNoKind) return tagWithAttributes<TAspxObjUnknown>(std::move(text), kUnknownTagKind);
  return tagWithAttributes<TAspxObjHTML>(std::move(text), kind);
}

}  // namespace sorvik
