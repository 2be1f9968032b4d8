#include "formanalysis/property_readers.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "formanalysis/decode_form_string.h"
#include "generic/strings.h"

namespace sorvik {

namespace {

// The text of a line after its first `count` characters.
std::string_view after(const std::string& line, size_t count) {
  return std::string_view(line).substr(std::min(count, line.size()));
}

size_t leadingBlanks(std::string_view name) {
  return std::min(name.find_first_not_of(' '), name.size());
}

// One leading and one trailing `quote`, where present.
std::string stripQuotes(std::string_view text, std::string_view quotes = "'") {
  if (!text.empty() && quotes.find(text.front()) != std::string_view::npos) text.remove_prefix(1);
  if (!text.empty() && quotes.find(text.back()) != std::string_view::npos) text.remove_suffix(1);
  return std::string(text);
}

// A decimal number that is the whole of the text, blanks around it aside; written the
// same whatever the locale.
template <class Number>
std::optional<Number> parseNumber(std::string_view text) {
  text = trimView(text);
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
  return value;
}

struct ColourName {
  std::string_view name;
  uint32_t value;
};

// The colour identifiers a form writes: the standard colours and the system colours.
constexpr std::array kColours = {
    ColourName{"clBlack", 0x000000},
    ColourName{"clMaroon", 0x000080},
    ColourName{"clGreen", 0x008000},
    ColourName{"clOlive", 0x008080},
    ColourName{"clNavy", 0x800000},
    ColourName{"clPurple", 0x800080},
    ColourName{"clTeal", 0x808000},
    ColourName{"clGray", 0x808080},
    ColourName{"clSilver", 0xC0C0C0},
    ColourName{"clRed", 0x0000FF},
    ColourName{"clLime", 0x00FF00},
    ColourName{"clYellow", 0x00FFFF},
    ColourName{"clBlue", 0xFF0000},
    ColourName{"clFuchsia", 0xFF00FF},
    ColourName{"clAqua", 0xFFFF00},
    ColourName{"clWhite", 0xFFFFFF},
    ColourName{"clMoneyGreen", 0xC0DCC0},
    ColourName{"clSkyBlue", 0xF0CAA6},
    ColourName{"clCream", 0xF0FBFF},
    ColourName{"clMedGray", 0xA4A0A0},
    ColourName{"clNone", 0x1FFFFFFF},
    ColourName{"clDefault", 0x20000000},
    ColourName{"clScrollBar", 0xFF000000},
    ColourName{"clBackground", 0xFF000001},
    ColourName{"clActiveCaption", 0xFF000002},
    ColourName{"clInactiveCaption", 0xFF000003},
    ColourName{"clMenu", 0xFF000004},
    ColourName{"clWindow", 0xFF000005},
    ColourName{"clWindowFrame", 0xFF000006},
    ColourName{"clMenuText", 0xFF000007},
    ColourName{"clWindowText", 0xFF000008},
    ColourName{"clCaptionText", 0xFF000009},
    ColourName{"clActiveBorder", 0xFF00000A},
    ColourName{"clInactiveBorder", 0xFF00000B},
    ColourName{"clAppWorkSpace", 0xFF00000C},
    ColourName{"clHighlight", 0xFF00000D},
    ColourName{"clHighlightText", 0xFF00000E},
    ColourName{"clBtnFace", 0xFF00000F},
    ColourName{"clBtnShadow", 0xFF000010},
    ColourName{"clGrayText", 0xFF000011},
    ColourName{"clBtnText", 0xFF000012},
    ColourName{"clInactiveCaptionText", 0xFF000013},
    ColourName{"clBtnHighlight", 0xFF000014},
    ColourName{"cl3DDkShadow", 0xFF000015},
    ColourName{"cl3DLight", 0xFF000016},
    ColourName{"clInfoText", 0xFF000017},
    ColourName{"clInfoBk", 0xFF000018},
    ColourName{"clHotLight", 0xFF00001A},
    ColourName{"clGradientActiveCaption", 0xFF00001B},
    ColourName{"clGradientInactiveCaption", 0xFF00001C},
    ColourName{"clMenuHighlight", 0xFF00001D},
    ColourName{"clMenuBar", 0xFF00001E},
};

// A colour identifier (any case), a decimal number or "$" and hexadecimal digits.
std::optional<int32_t> parseColour(std::string_view text) {
  text = trimView(text);
  for (const auto& colour : kColours)
    if (sameText(text, colour.name)) return static_cast<int32_t>(colour.value);
  if (startsWith(text, "$") && text.size() > 1) {
    uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + 1, text.data() + text.size(), value, 16);
    if (error == std::errc() && end == text.data() + text.size())
      return static_cast<int32_t>(value);
    return {};
  }
  return parseNumber<int32_t>(text);
}

// Joins a value continued on the lines from `first` on, each indented `indent` blanks.
std::string readContinuedString(const FormLines& lines, int first, int end, size_t indent) {
  std::string value;
  for (int j = first; j < end; ++j) {
    lines.charge(1);
    std::string piece = trimRight(after(lines[j], indent));
    if (piece == "\"\" +") {
      value += ' ';
      continue;
    }
    if (!startsWith(piece, "'")) break;
    piece.erase(0, 1);
    if (endsWith(piece, "' +")) {
      value.append(piece, 0, piece.size() - 3);
      continue;
    }
    if (!piece.empty()) piece.pop_back();
    value += piece;
    break;
  }
  return value;
}

// A value as written after "name = " on `line`, continued on the lines below it when
// empty; `decode` turns its quoting and character codes into characters.
TFormProperty readValue(const FormLines& lines, int line, std::string_view rest, bool decode,
                        int end, size_t continuationIndent) {
  TFormProperty property;
  std::string value = trimRight(rest);
  if (value.empty()) {
    property.Line = line + 1;
    value = readContinuedString(lines, line + 1, end, continuationIndent);
  } else {
    property.Line = line;
    value = stripQuotes(value);
  }
  if (decode) {
    while (value.find("#13#10#13#10") != std::string::npos)
      value = replaceAll(value, "#13#10#13#10", "#13#10");
    value = replaceAll(value, "'#13#10'", " ");
    if (value.size() > 2) value = DecodeFormString(value);
  }
  property.Value = std::move(value);
  return property;
}

// The first direct property line of the object named exactly `name`.
std::optional<int> firstPropertyLine(const TFormObject& object, const FormLines& lines,
                                     std::string_view name) {
  for (int line :
       lines.propertyLines(object.PropIndent, name, object.StartLine + 1, object.EndLine)) {
    lines.charge(1);
    if (lines.isPropertyLine(line, name)) return line;
  }
  return std::nullopt;
}

// The direct property lines of the object named exactly `name`, in file order.
template <class Visit>
void forEachPropertyLine(const TFormObject& object, const FormLines& lines, std::string_view name,
                         Visit visit) {
  for (int line :
       lines.propertyLines(object.PropIndent, name, object.StartLine + 1, object.EndLine)) {
    lines.charge(1);
    if (lines.isPropertyLine(line, name))
      visit(line, after(lines[line], object.PropIndent + name.size() + 3));
  }
}

}  // namespace

TFormProperty ReadStringProperty(const TFormObject& object, const FormLines& lines,
                                 std::string_view name, int firstLine) {
  const size_t blanks = leadingBlanks(name);
  const int from = firstLine < 0 ? object.StartLine + 1 : firstLine;
  const auto found = lines.propertyLines(object.PropIndent + static_cast<int>(blanks),
                                         name.substr(blanks), from, object.EndLine);
  if (found.empty()) return {};
  lines.charge(1);
  const int line = found.front();
  return readValue(lines, line, after(lines[line], object.PropIndent + name.size() + 3),
                   !sameText(name, "Caption"), object.EndLine, object.PropIndent + 2);
}

TFormBoolProperty ReadBoolProperty(const TFormObject& object, const FormLines& lines,
                                   std::string_view name, bool defaultValue) {
  const auto line = firstPropertyLine(object, lines, name);
  if (!line) return {defaultValue, 0};
  return {trimRight(after(lines[*line], object.PropIndent + name.size() + 3)) == "True", *line};
}

TFormFloatProperty ReadFloatProperty(const TFormObject& object, const FormLines& lines,
                                     std::string_view name, double defaultValue) {
  // A value that does not convert ends the search as well.
  const auto line = firstPropertyLine(object, lines, name);
  const auto value =
      line ? parseNumber<double>(after(lines[*line], object.PropIndent + name.size() + 3))
           : std::nullopt;
  if (!value) return {defaultValue, 0};
  return {*value, *line};
}

std::optional<TFormStringsProperty> ReadStringsProperty(const TFormObject& object,
                                                        const FormLines& lines,
                                                        std::string_view name) {
  const std::string listName = std::string(name) + ".Strings";
  const std::string opening = listName + " = (";
  for (int line :
       lines.propertyLines(object.PropIndent, listName, object.StartLine + 1, object.EndLine)) {
    lines.charge(1);
    if (after(lines[line], object.PropIndent) != opening) continue;
    TFormStringsProperty property;
    property.Line = line;
    std::vector<std::string> items;
    bool counted = false;
    for (int j = line + 1; j < object.EndLine; ++j) {
      lines.charge(1);
      std::string_view item = after(lines[j], object.PropIndent + 2);
      const bool last = endsWith(item, ")");
      if (last) item.remove_suffix(1);
      items.push_back(stripQuotes(item));
      if (!trimView(items.back()).empty()) counted = true;
      if (last) break;
    }
    if (counted) property.Items = std::move(items);
    return property;
  }
  return std::nullopt;
}

TFormFontProperty ReadFontProperty(const TFormObject& object, const FormLines& lines) {
  TFormFontProperty font;
  forEachPropertyLine(object, lines, "Font.Size", [&](int line, std::string_view rest) {
    if (const auto size = parseNumber<int32_t>(rest)) {
      font.Size = *size;
      font.SizeLine = line;
    }
  });
  forEachPropertyLine(object, lines, "Font.Name", [&](int line, std::string_view rest) {
    font.Name = trim(stripQuotes(trimView(rest)));
    font.NameLine = line;
  });
  forEachPropertyLine(object, lines, "Font.Color", [&](int line, std::string_view rest) {
    if (const auto colour = parseColour(rest)) {
      font.Color = *colour;
      font.ColorLine = line;
    }
  });
  forEachPropertyLine(object, lines, "Font.Pitch", [&](int line, std::string_view rest) {
    font.Pitch = lowerCase(trimView(rest));
    font.PitchLine = line;
  });
  forEachPropertyLine(object, lines, "Font.Style", [&](int line, std::string_view rest) {
    const std::string_view style = trimView(rest);
    font.StyleLine = line;
    if (style == "[]") return;
    constexpr std::pair<std::string_view, uint8_t> kBits[] = {
        {"fsBold", 1}, {"fsItalic", 2}, {"fsUnderline", 4}, {"fsStrikeOut", 8}};
    for (const auto& [bitName, bit] : kBits)
      if (style.find(bitName) != std::string_view::npos) font.Style |= bit;
  });
  forEachPropertyLine(object, lines, "Font.Height", [&](int line, std::string_view rest) {
    if (const auto height = parseNumber<int32_t>(rest)) {
      font.Height = *height;
      font.HeightLine = line;
    }
  });
  forEachPropertyLine(object, lines, "Font.Charset", [&](int line, std::string_view rest) {
    font.Charset = trim(rest);
    font.CharsetLine = line;
  });
  return font;
}

TFormHintProperty readHintProperty(const TFormObject& object, const FormLines& lines) {
  TFormHintProperty hint;
  const TFormProperty text = ReadStringProperty(object, lines, "Hint");
  hint.Hint = text.Value;
  hint.Line = text.Line;
  if (hint.Hint.empty()) return hint;
  const auto show =
      lines.propertyLines(object.PropIndent, "ShowHint", object.StartLine + 1, object.EndLine);
  const auto parent = lines.propertyLines(object.PropIndent, "ParentShowHint", object.StartLine + 1,
                                          object.EndLine);
  std::vector<int> flagLines(show.size() + parent.size());
  std::merge(show.begin(), show.end(), parent.begin(), parent.end(), flagLines.begin());
  bool parentSet = false, showSet = false;
  for (int line : flagLines) {
    lines.charge(1);
    const std::string_view flag = after(lines[line], object.PropIndent);
    if (flag == "ShowHint = True") {
      hint.ShowHint = showSet = true;
      if (!parentSet) hint.ParentShowHint = false;
    } else if (flag == "ShowHint = False") {
      hint.ShowHint = false;
      showSet = true;
    } else if (flag == "ParentShowHint = True") {
      hint.ParentShowHint = parentSet = true;
      if (!showSet) hint.ShowHint = false;
    } else if (flag == "ParentShowHint = False") {
      hint.ParentShowHint = false;
      showSet = true;
    }
  }
  return hint;
}

TFormItemTexts readItemTexts(const TFormObject& object, const FormLines& lines,
                             std::string_view itemProperty) {
  TFormItemTexts texts;
  const size_t blanks = leadingBlanks(itemProperty);
  const std::string_view name = itemProperty.substr(blanks);
  for (int line : lines.propertyLines(object.PropIndent + static_cast<int>(blanks), name,
                                      object.StartLine + 1, object.EndLine)) {
    lines.charge(1);
    if (!lines.isPropertyLine(line, name)) continue;
    std::string value =
        stripQuotes(after(lines[line], object.PropIndent + itemProperty.size() + 3), "'\"");
    if (value.empty()) continue;
    texts.Texts.push_back(std::move(value));
    texts.Lines.push_back(line);
  }
  return texts;
}

TFormItemTexts readNestedCaptions(const TFormObject& object, const FormLines& lines) {
  TFormItemTexts captions;
  constexpr std::string_view kCaption = "Caption = ";
  for (int line = object.StartLine + 1; line <= object.EndLine; ++line) {
    lines.charge(1);
    std::string_view text = after(lines[line], object.PropIndent + 4);
    while (!text.empty() && static_cast<unsigned char>(text.front()) < 33) text.remove_prefix(1);
    if (!startsWith(text, kCaption)) continue;
    // A long caption continues on the lines below, indented two blanks more than its own.
    const TFormProperty caption =
        readValue(lines, line, text.substr(kCaption.size()), true, object.EndLine,
                  static_cast<size_t>(lines.indentation(line)) + 2);
    if (caption.Value.empty() || caption.Line <= 0) continue;
    captions.Texts.push_back(caption.Value);
    captions.Lines.push_back(caption.Line);
  }
  return captions;
}

std::string readToolButtonStyle(const TFormObject& object, const FormLines& lines) {
  std::string style;
  forEachPropertyLine(object, lines, "Style",
                      [&](int, std::string_view rest) { style = std::string(rest); });
  return style;
}

}  // namespace sorvik
