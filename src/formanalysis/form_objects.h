// The objects of a form: one per component declaration, with where it starts and ends,
// who encloses it, its kind and the properties the checks, the spelling and the naming
// conventions read. Each property is found once, when the object is made.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sorvik {

// Line indexes count the form's lines from 0; a property that is absent has line 0, which
// never holds a property because line 0 opens the form.
struct TFormProperty {
  std::string Value;
  int Line = 0;
};

struct TFormBoolProperty {
  bool Value = false;
  int Line = 0;
};

struct TFormFloatProperty {
  double Value = 0;
  int Line = 0;
};

// A string list ("Items.Strings = ("): the item at position i stands on line Line + 1 + i.
// Items is none when every item read was empty or blank.
struct TFormStringsProperty {
  std::optional<std::vector<std::string>> Items;
  int Line = 0;
};

// Texts of the items of a collection property or of nested objects, each with its line.
struct TFormItemTexts {
  std::vector<std::string> Texts;
  std::vector<int> Lines;
};

struct TFormHintProperty {
  int Line = 0;
  std::string Hint;
  bool ShowHint = false;
  bool ParentShowHint = true;
};

// The font of a visual object, read on demand; each value keeps the line it was read
// from (0: not written).
struct TFormFontProperty {
  std::string Charset = "DEFAULT_CHARSET";
  int CharsetLine = 0;
  int32_t Color = 0;
  int ColorLine = 0;
  int32_t Height = -11;
  int HeightLine = 0;
  std::string Pitch;  // lower case
  int PitchLine = 0;
  int32_t Size = 0;
  int SizeLine = 0;
  uint8_t Style = 0;  // bold 1, italic 2, underline 4, strike-out 8
  int StyleLine = 0;
  std::string Name = "MS Sans Serif";
  int NameLine = 0;
};

using FormPropertyValue = std::variant<TFormProperty, TFormBoolProperty,
                                       std::optional<TFormStringsProperty>, TFormItemTexts>;

// A property as its class keeps it: the name as the form writes it, and the value.
struct KeptProperty {
  std::string_view Name;
  FormPropertyValue Value;
};

class TFormVisualObject;

class TFormObject {
 public:
  virtual ~TFormObject() = default;

  int Kind = 0;
  std::string Name;  // as written on the opening line
  int StartLine = 0;
  int EndLine = 0;
  TFormObject* Parent = nullptr;  // the enclosing object; none for the form itself
  bool HasAction = false;         // an event handler, modal result, button kind or action link
  int PropIndent = 2;             // leading blanks of the opening line + 2
  // An object of unknown class: the class as written, its "T" and any position included.
  std::string ClassText;
  // The properties of the object's class, in the order of its fields.
  std::vector<KeptProperty> Properties;

  // A kept property; an empty one (value empty or the default, line 0) when the class
  // does not keep it.
  const TFormProperty& text(std::string_view name) const;
  const TFormBoolProperty& flag(std::string_view name) const;
  const TFormStringsProperty* strings(std::string_view name) const;  // none: not written
  const TFormItemTexts* itemTexts(std::string_view name) const;
  // The object as a visual object (hint and parent font), or none.
  const TFormVisualObject* visual() const;

 private:
  const FormPropertyValue* find(std::string_view name) const;
};

class TFormVisualObject : public TFormObject {
 public:
  TFormHintProperty Hint;
  TFormBoolProperty ParentFont;
};

// The object's main caption: the first text property of its class for the kinds that
// show one, the Caption for buttons, tool buttons, static texts and unknown classes, and
// an empty property for the others.
const TFormProperty& GetCaptionProperty(const TFormObject& object);

}  // namespace sorvik
