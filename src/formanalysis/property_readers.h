// The readers that find an object's properties in the form's lines. Each looks only at
// the object's own lines (from its opening line to its end line), at the indentation of
// its direct properties; a name that begins with blanks addresses the properties of
// owned objects or collection items ("  Title", "    Text").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formanalysis/form_lines.h"
#include "formanalysis/form_objects.h"

namespace sorvik {

// A text property; `firstLine` below 0 searches from the line after the opening line.
// Values other than the Caption are decoded (DecodeFormString); a value continued on the
// following lines is joined, with the line of its first continuation line.
TFormProperty ReadStringProperty(const TFormObject& object, const FormLines& lines,
                                 std::string_view name, int firstLine = -1);
TFormBoolProperty ReadBoolProperty(const TFormObject& object, const FormLines& lines,
                                   std::string_view name, bool defaultValue);
TFormFloatProperty ReadFloatProperty(const TFormObject& object, const FormLines& lines,
                                     std::string_view name, double defaultValue);
// The list opened by name + ".Strings = ("; none when the object does not write it.
std::optional<TFormStringsProperty> ReadStringsProperty(const TFormObject& object,
                                                        const FormLines& lines,
                                                        std::string_view name);
TFormFontProperty ReadFontProperty(const TFormObject& object, const FormLines& lines);

// The hint with its ShowHint and ParentShowHint.
TFormHintProperty readHintProperty(const TFormObject& object, const FormLines& lines);
// The values of a property of the items of a collection property ("    Text = " of the
// panels of a status bar), quotes removed, empty values skipped.
TFormItemTexts readItemTexts(const TFormObject& object, const FormLines& lines,
                             std::string_view itemProperty);
// The captions of the nested items of an action manager.
TFormItemTexts readNestedCaptions(const TFormObject& object, const FormLines& lines);
// A tool button's "Style" as written, no quotes removed; the last one written wins.
std::string readToolButtonStyle(const TFormObject& object, const FormLines& lines);

}  // namespace sorvik
