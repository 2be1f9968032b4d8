// Measuring one line of text in a font, as a window would draw it at 96 dots per inch.
// The form checks ask it whether a caption fits its control; tests give it known widths.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace sorvik {

enum class FontPitch { Default, Variable, Fixed };

// Font style bits, as the forms store them.
enum FontStyleBit { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

struct FontRequest {
  std::string face = "MS Sans Serif";
  int charset = 1;   // DEFAULT_CHARSET
  int height = -11;  // pixels: below 0 the character height, above 0 the cell height
  FontPitch pitch = FontPitch::Default;
  int style = 0;  // FontStyleBit values
};

struct TextExtent {
  int cx = 0;
  int cy = 0;
};

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // The width and height in pixels of `text` (single-byte source text) in `font`.
  virtual TextExtent measure(const FontRequest& font, std::string_view text) = 0;
};

// Face names the system may not have, and the face that stands in for each. Names
// compare without regard to case.
class FontSubstitutes {
 public:
  void set(std::string_view face, std::string substitute);
  // The substitute of `face`, or "" when it has none.
  std::string of(std::string_view face) const;

 private:
  std::map<std::string, std::string> byUpperFace_;
};

// "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Tahoma" and "Segoe UI" drawn with
// "Liberation Sans", whose widths match theirs closely.
FontSubstitutes defaultFontSubstitutes();
inline constexpr std::string_view kDefaultSubstitutedFaces[] = {
    "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Tahoma", "Segoe UI"};

// Measures with FreeType in the faces fontconfig finds; a face that fontconfig does not
// have is replaced by its substitute.
std::unique_ptr<TextMeasurer> makeFreeTypeMeasurer(FontSubstitutes substitutes);

}  // namespace sorvik
