// Captions and texts that do not fit their control: the text is measured in the font
// the control shows it in, and compared with the control's width and height.
#include <array>
#include <cmath>

#include "formanalysis/component_kinds.h"
#include "formanalysis/float_text.h"
#include "formanalysis/form_hints.h"
#include "formanalysis/property_readers.h"
#include "formanalysis/text_measurement.h"
#include "generic/strings.h"

namespace sorvik {

namespace {

struct Charset {
  std::string_view name;
  int value;
};

constexpr std::array kCharsets = {
    Charset{"ANSI_CHARSET", 0},          Charset{"DEFAULT_CHARSET", 1},
    Charset{"SYMBOL_CHARSET", 2},        Charset{"MAC_CHARSET", 77},
    Charset{"SHIFTJIS_CHARSET", 128},    Charset{"HANGEUL_CHARSET", 129},
    Charset{"JOHAB_CHARSET", 130},       Charset{"GB2312_CHARSET", 134},
    Charset{"CHINESEBIG5_CHARSET", 136}, Charset{"GREEK_CHARSET", 161},
    Charset{"TURKISH_CHARSET", 162},     Charset{"VIETNAMESE_CHARSET", 163},
    Charset{"HEBREW_CHARSET", 177},      Charset{"ARABIC_CHARSET", 178},
    Charset{"BALTIC_CHARSET", 186},      Charset{"RUSSIAN_CHARSET", 204},
    Charset{"THAI_CHARSET", 222},        Charset{"EASTEUROPE_CHARSET", 238},
};

// Kinds whose text is measured (labels and buttons only when they do not wrap).
bool isMeasured(const TFormObject& object) {
  switch (object.Kind) {
    case kKindLabel:
    case kKindButton:
      return !object.flag("WordWrap").Value;
    case kKindEdit:
    case kKindRadioButton:
    case kKindCheckbox:
    case kKindPanel:
    case kKindBitBtn:
    case kKindSpeedButton:
    case kKindStaticText:
      return true;
    default:
      return false;
  }
}

// The text as drawn: a single "&" marks the accelerator key and is not drawn, "&&" is
// drawn as one "&"; only the first line is measured.
std::string drawnText(std::string text, bool showsAccelerators) {
  if (showsAccelerators) {
    for (size_t i = text.find('&'); i < text.size();) {
      if (text[i] != '&') {
        ++i;
      } else if (i + 1 == text.size() || text[i + 1] != '&') {
        text.erase(i, 1);
      } else {
        i += 2;
      }
    }
    while (text.find("&&") != std::string::npos) text = replaceAll(text, "&&", "&");
  }
  return text.substr(0, text.find("#13"));
}

// The font of the first object, from the object itself up through its parents, that
// does not take its parent's font; none when the walk leaves the visual objects.
const TFormObject* fontSource(const TFormObject& object) {
  for (const TFormObject* o = &object; o; o = o->Parent) {
    const TFormVisualObject* visual = o->visual();
    if (!visual) return nullptr;
    if (!visual->ParentFont.Value) return o;
  }
  return nullptr;
}

// The measuring surface's font with every property the form writes taken over.
FontRequest fontRequest(const TFormFontProperty& font) {
  FontRequest request;
  if (font.NameLine > 0) request.face = font.Name;
  if (font.CharsetLine > 0) {
    for (const auto& charset : kCharsets)
      if (upperCase(font.Charset) == charset.name) request.charset = charset.value;
  }
  if (font.HeightLine > 0) request.height = font.Height;
  if (font.PitchLine > 0) {
    if (font.Pitch == "fpdefault")
      request.pitch = FontPitch::Default;
    else if (font.Pitch == "fpvariable")
      request.pitch = FontPitch::Variable;
    else if (font.Pitch == "fpfixed")
      request.pitch = FontPitch::Fixed;
  }
  // A size in points is a character height in pixels at 96 dots per inch.
  if (font.SizeLine > 0)
    request.height = -static_cast<int>(std::lround(static_cast<double>(font.Size) * 96 / 72));
  if (font.StyleLine > 0) request.style = font.Style;
  return request;
}

}  // namespace

void TFormHints::checkTruncatedText() {
  const bool widths = enabled(110), heights = enabled(111);
  if (!widths && !heights) return;
  TextMeasurer& measurer =
      project_.context().service<FormTextMeasurer>().get(project_.context().config);
  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    if (!object.visual() || !isMeasured(object)) continue;
    const TFormProperty& caption = GetCaptionProperty(object);
    if (caption.Value.empty()) continue;
    // A caption of several lines is drawn in a height of its own.
    if (caption.Line < form_.Lines.size() &&
        form_.Lines[caption.Line].find("#13") != std::string::npos)
      continue;
    const bool accelerators = !((object.Kind == kKindLabel || object.Kind == kKindStaticText) &&
                                !object.flag("ShowAccelChar").Value);
    const std::string text = drawnText(caption.Value, accelerators);

    const TFormObject* source = fontSource(object);
    if (!source) continue;
    const TFormFloatProperty width = ReadFloatProperty(object, form_.Lines, "Width", 0);
    const TFormFloatProperty height = ReadFloatProperty(object, form_.Lines, "Height", 0);
    if (width.Value <= 0 && height.Value <= 0) continue;

    const TextExtent extent =
        measurer.measure(fontRequest(ReadFontProperty(*source, form_.Lines)), text);
    const int margin = endsWith(text, ":") ? 3 : 2;
    if (widths && width.Value > 0 && height.Value > 0 && extent.cx > width.Value + margin)
      report(110, width.Line,
             "Width for " + object.Name + " should be " + std::to_string(extent.cx) + ", not " +
                 generalFloatText(width.Value),
             std::vector<std::string>{form_.Lines.indentationText(width.Line) +
                                      "Width = " + std::to_string(extent.cx)});
    if (heights && height.Value > 0 && extent.cy > height.Value)
      report(111, height.Line,
             "Height for " + object.Name + " should be " + std::to_string(extent.cy) + ", not " +
                 generalFloatText(height.Value),
             std::vector<std::string>{form_.Lines.indentationText(height.Line) +
                                      "Height = " + std::to_string(extent.cy)});
  }
}

}  // namespace sorvik
