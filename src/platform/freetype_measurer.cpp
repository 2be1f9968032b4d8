// Text measurement with FreeType, faces found through fontconfig. Widths add up the
// hinted advance of each character, as the window system's text extent does without
// kerning; the height is the hinted ascent plus descent.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <tuple>

#include "generic/strings.h"
#include "platform/code_points.h"
#include "platform/text_measurer.h"

namespace sorvik {

namespace {

struct FaceFile {
  std::string path;
  int index = 0;
  bool exact = false;  // fontconfig has a face of the family asked for
};

class FreeTypeMeasurer : public TextMeasurer {
 public:
  explicit FreeTypeMeasurer(FontSubstitutes substitutes)
      : substitutes_(std::move(substitutes)), config_(FcInitLoadConfigAndFonts()) {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }
  ~FreeTypeMeasurer() override {
    for (auto& entry : faces_)
      if (entry.second) FT_Done_Face(entry.second);
    if (library_) FT_Done_FreeType(library_);
    if (config_) FcConfigDestroy(config_);
  }
  FreeTypeMeasurer(const FreeTypeMeasurer&) = delete;
  FreeTypeMeasurer& operator=(const FreeTypeMeasurer&) = delete;

  TextExtent measure(const FontRequest& font, std::string_view text) override {
    FT_Face face = faceFor(font);
    if (!face || !setSize(face, font.height)) return {};
    TextExtent extent;
    // A font asked for by its cell height is that high; the rounded ascent and descent
    // of its size could add a pixel.
    extent.cy =
        font.height > 0
            ? font.height
            : static_cast<int>((face->size->metrics.ascender - face->size->metrics.descender) >> 6);
    for (char32_t code : codePointsOfText(text)) extent.cx += advance(face, font.height, code);
    return extent;
  }

 private:
  // The face of the request's family and style, with the substitute when fontconfig does
  // not have the family.
  FT_Face faceFor(const FontRequest& font) {
    const auto key = std::make_tuple(upperCase(font.face), font.style & (kFontBold | kFontItalic),
                                     font.pitch == FontPitch::Fixed);
    const auto known = facesByRequest_.find(key);
    if (known != facesByRequest_.end()) return known->second;
    FaceFile file = match(font.face, font);
    const std::string substitute = substitutes_.of(font.face);
    if (!file.exact && !substitute.empty()) file = match(substitute, font);
    FT_Face face = file.path.empty() ? nullptr : open(file);
    facesByRequest_[key] = face;
    return face;
  }

  FaceFile match(const std::string& family, const FontRequest& font) {
    FaceFile file;
    if (!config_) return file;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT,
                        font.style & kFontBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT,
                        font.style & kFontItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (font.pitch == FontPitch::Fixed) FcPatternAddInteger(pattern, FC_SPACING, FC_MONO);
    FcConfigSubstitute(config_, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config_, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found) return file;
    FcChar8* path = nullptr;
    if (FcPatternGetString(found, FC_FILE, 0, &path) == FcResultMatch && path) {
      file.path = reinterpret_cast<const char*>(path);
      FcPatternGetInteger(found, FC_INDEX, 0, &file.index);
      FcChar8* name = nullptr;
      for (int i = 0; FcPatternGetString(found, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (sameText(reinterpret_cast<const char*>(name), family)) file.exact = true;
    }
    FcPatternDestroy(found);
    return file;
  }

  FT_Face open(const FaceFile& file) {
    const auto key = std::make_pair(file.path, file.index);
    const auto known = faces_.find(key);
    if (known != faces_.end()) return known->second;
    FT_Face face = nullptr;
    if (!library_ || FT_New_Face(library_, file.path.c_str(), file.index, &face) != 0)
      face = nullptr;
    faces_[key] = face;
    return face;
  }

  static bool setSize(FT_Face face, int height) {
    FT_Size_RequestRec request{};
    // A height of 0 asks for the default size, which is the 11-pixel character height.
    request.type = height > 0 ? FT_SIZE_REQUEST_TYPE_CELL : FT_SIZE_REQUEST_TYPE_NOMINAL;
    request.height = static_cast<FT_Long>(height == 0 ? 11 : (height > 0 ? height : -height)) * 64;
    return FT_Request_Size(face, &request) == 0;
  }

  int advance(FT_Face face, int height, char32_t code) {
    const auto key = std::make_tuple(face, height, code);
    const auto known = advances_.find(key);
    if (known != advances_.end()) return known->second;
    int width = 0;
    const FT_UInt glyph = FT_Get_Char_Index(face, code);
    if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) == 0)
      width = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    advances_[key] = width;
    return width;
  }

  FontSubstitutes substitutes_;
  FcConfig* config_ = nullptr;
  FT_Library library_ = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> faces_;
  std::map<std::tuple<std::string, int, bool>, FT_Face> facesByRequest_;
  std::map<std::tuple<FT_Face, int, char32_t>, int> advances_;
};

}  // namespace

std::unique_ptr<TextMeasurer> makeFreeTypeMeasurer(FontSubstitutes substitutes) {
  return std::make_unique<FreeTypeMeasurer>(std::move(substitutes));
}

}  // namespace sorvik
