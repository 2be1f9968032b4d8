#include "formanalysis/form_spelling.h"

#include <algorithm>
#include <array>
#include <exception>

#include "formanalysis/form_code.h"
#include "formanalysis/property_readers.h"
#include "generic/strings.h"

namespace sorvik {

namespace {

class ObjectTexts {
 public:
  ObjectTexts(const TFormCode& form, const TFormObject& object, const FormTextSink& spell)
      : form_(form), object_(object), spell_(spell) {}

  void text(const std::string& value, int line) const {
    const std::string& name = object_.Name;
    if (value.empty() || (value.size() == name.size() && sameText(value, name))) return;
    spell_(value, object_.Kind, line);
  }

  void property(std::string_view name) const {
    const TFormProperty& value = object_.text(name);
    text(value.Value, value.Line);
  }

  void list(std::string_view name) const {
    const TFormStringsProperty* list = object_.strings(name);
    if (!list || !list->Items) return;
    for (size_t i = 0; i < list->Items->size(); ++i)
      spell_((*list->Items)[i], object_.Kind, list->Line + 1 + static_cast<int>(i));
  }

  void items(std::string_view name) const {
    const TFormItemTexts* items = object_.itemTexts(name);
    if (!items) return;
    for (size_t i = 0; i < items->Texts.size(); ++i) text(items->Texts[i], items->Lines[i]);
  }

  // Every value of a property of the owned objects or items ("    Text" of the bands of a
  // cool bar), each search starting on the line after the value found before.
  void everyValue(std::string_view name) const {
    int from = object_.StartLine + 1;
    while (true) {
      const TFormProperty value = ReadStringProperty(object_, form_.Lines, name, from);
      if (value.Line <= 0) return;
      text(value.Value, value.Line);
      from = value.Line + 1;
    }
  }

  void found(std::string_view name) const {
    const TFormProperty value = ReadStringProperty(object_, form_.Lines, name);
    if (value.Line > 0) text(value.Value, value.Line);
  }

 private:
  const TFormCode& form_;
  const TFormObject& object_;
  const FormTextSink& spell_;
};

template <size_t N>
bool oneOf(const std::array<int, N>& kinds, int kind) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

constexpr std::array kCaptionKinds = {1,  3,  4,  5,  6,  11, 12, 13,  14,  15,
                                      17, 19, 21, 22, 51, 98, 99, 156, 181, 182};
constexpr std::array kItemsKinds = {7, 8, 9, 10, 16};
constexpr std::array kChartAxes = {"BottomAxis", "DepthAxis", "LeftAxis", "RightAxis", "TopAxis"};

void handOverKindTexts(const ObjectTexts& texts, int kind) {
  if (oneOf(kCaptionKinds, kind)) return texts.property("Caption");
  if (oneOf(kItemsKinds, kind)) return texts.list("Items");
  if (kind >= 117 && kind <= 126) return texts.property("DisplayLabel");
  switch (kind) {
    case 2:
      return texts.property("Text");
    case 18:
    case 20:
      return texts.list("Tabs");
    case 25:
      return texts.items("Panels.Text");
    case 27:
      return texts.items("Columns.Caption");
    case 31:
      return texts.property("Title");
    case 49:
      texts.list("TitleCaptions");
      return texts.list("Strings");
    case 52:
      return texts.items("Items.Caption");
    case 56:
      return texts.everyValue("    Text");
    case 57:
      texts.list("Title.Text");
      for (const char* axis : kChartAxes) texts.found(std::string(axis) + ".Title.Caption");
      return texts.everyValue("  Title");
    case 80:
      return texts.items("Columns.Title.Caption");
    case 81:
      return texts.list("Hints");
    case 180:
      texts.everyValue("    Caption");
      return texts.property("Caption");
    case 185:
      texts.property("EditLabel.Caption");
      return texts.property("EditLabel.Hint");
    case 188:
      texts.property("Text");
      return texts.property("TextHint");
    default:
      return;
  }
}

}  // namespace

void CollectFormSpelling(const TFormCode& form, const FormTextSink& spell) {
  TProject& project = *form.Project;
  for (const auto& entry : form.Objects) {
    const TFormObject& object = *entry.Object;
    const ObjectTexts texts(form, object, spell);
    try {
      if (const TFormVisualObject* visual = object.visual())
        texts.text(visual->Hint.Hint, visual->Hint.Line);
    } catch (const std::exception&) {
      project.addError("Error checking hint of " + object.Name);
    }
    try {
      handOverKindTexts(texts, object.Kind);
    } catch (const std::exception&) {
      project.addError("Error spell checking " + object.Name + " in " + project.CurrentFile);
    }
  }
}

}  // namespace sorvik
