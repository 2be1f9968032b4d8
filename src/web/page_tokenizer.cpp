// The tokenizer: one call reads one run of plain text or one tag, from the place where the
// last call stopped.
#include "generic/strings.h"
#include "web/aspx_form.h"
#include "web/html_tags.h"
#include "web/script_text.h"
#include "web/tag_objects.h"

namespace sorvik {

namespace {

bool isBlankText(std::string_view text) {
  return trimView(text).empty();
}

// A comment tag ends at "-->" only: quotes, "<" and ">" inside it are its text.
bool isCommentTag(std::string_view tag) {
  return startsWith(tag, "!--");
}

// The tag text of a comment before a ">" that closes it; "<!-->" and "<!--->" close at
// once.
bool commentCloses(std::string_view tag) {
  return endsWith(tag, "--") || tag == "!---";
}

// The ">" of a "</script>" tag (blanks and line breaks allowed inside the brackets) whose
// "<" is at `at`, or npos.
size_t scriptClosingEnd(std::string_view text, size_t at) {
  constexpr std::string_view kName = "/script";
  const auto skipBlanks = [&text](size_t i) {
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    return i;
  };
  size_t i = skipBlanks(at + 1);
  if (!startsWithText(text.substr(i), kName)) return std::string_view::npos;
  i = skipBlanks(i + kName.size());
  return i < text.size() && text[i] == '>' ? i : std::string_view::npos;
}

}  // namespace

void TAspxForm::step() {
  if (Text[position_] == '\r') {
    ++line_;
    column_ = 0;
  }
  ++position_;
  if (position_ >= Text.size() || (Text[position_] != '\r' && Text[position_] != '\n')) ++column_;
}

std::string TAspxForm::NextToken() {
  std::string tag, plain;
  bool inTag = false;
  char quote = 0;  // the quote open inside the tag
  int tagLine = 0, tagColumn = 0, plainLine = 0, plainColumn = 0;
  while (position_ < Text.size()) {
    const char c = Text[position_];
    if (!inTag) {
      if (c == '<') {
        if (!isBlankText(plain)) {
          addText(plain, plainLine, plainColumn);
          return plain;
        }
        inTag = true;
        tagLine = line_;
        tagColumn = column_;
      } else {
        if (plain.empty()) {
          // Text that starts with a line break starts on the next line.
          plainLine = c == '\r' ? line_ + 1 : line_;
          plainColumn = c == '\r' ? 0 : column_;
        }
        plain += c;
      }
    } else if (c == '>' && (isCommentTag(tag) ? commentCloses(tag) : !quote)) {
      if (!tag.empty()) {
        ++position_;
        ++column_;
        addTag(tag, tagLine, tagColumn);
        return tag;
      }
      inTag = false;  // "<>" is passed over
    } else if (c == '<' && !quote && !isCommentTag(tag)) {
      // The tag starts again here; what it has read so far stays its text.
      tagLine = line_;
      tagColumn = column_;
    } else {
      tag += c;
      if (quote) {
        if (c == quote) quote = 0;
      } else if ((c == '"' || c == '\'') && !isCommentTag(tag)) {
        quote = c;
      }
    }
    step();
  }
  if (inTag || isBlankText(plain)) return "";
  addText(plain, plainLine, plainColumn);
  return plain;
}

void TAspxForm::addText(std::string text, int line, int column) {
  auto object = std::make_unique<TAspxObjText>();
  object->StartLine = line - 1;
  object->StartCol = column;
  object->EndLine = line_ - 1;
  object->EndCol = column_;
  object->Text = text;
  Objects.push_back({std::move(text), std::move(object)});
}

void TAspxForm::addTag(std::string text, int line, int column) {
  std::unique_ptr<TPageObject> object = makeTagObject(std::move(text));
  object->StartLine = line;
  object->StartCol = column;
  object->EndLine = line_;
  object->EndCol = column_;
  auto* script = objectAs<TAspxObjHTML>(object.get());
  Objects.push_back({"", std::move(object)});
  if (script && script->Kind == kTagScript)
    script->ScriptText = prepareScriptText(skipScriptBody());
}

std::string TAspxForm::skipScriptBody() {
  const size_t bodyStart = position_;
  while (position_ < Text.size()) {
    const size_t end =
        Text[position_] == '<' ? scriptClosingEnd(Text, position_) : std::string_view::npos;
    if (end != std::string_view::npos) {
      std::string body = Text.substr(bodyStart, position_ - bodyStart);
      auto closing = std::make_unique<TAspxObjClosing>();
      closing->Kind = kTagScript;
      closing->StartLine = line_;
      closing->StartCol = column_;
      while (position_ < end) step();
      ++position_;
      ++column_;
      closing->EndLine = line_;
      closing->EndCol = column_;
      Objects.push_back({"", std::move(closing)});
      return body;
    }
    step();
  }
  return Text.substr(bodyStart);
}

}  // namespace sorvik
