// The size an "img" tag gives its image against the size stored in the image file.
#include "generic/strings.h"
#include "web/html_checks.h"
#include "web/locate_in_object.h"

namespace sorvik {

namespace {

// A "width" or "height" as written: absent, or present with its number of pixels (-1 for
// a percentage or a value that is no number).
struct WrittenSize {
  bool present = false;
  int value = -1;
};

WrittenSize writtenSize(const TAspxObj& image, std::string_view name) {
  const std::optional<std::string> written = image.attribute(name);
  if (!written) return {};
  const std::string value = withoutQuotes(*written);
  if (value.find('%') != std::string::npos) return {true, -1};
  return {true, toInt(trim(replaceAllText(value, "px", "")), -1)};
}

// Where a written value stands: the line and the column of its first digit, and the
// number of its digits (0 when it was not found in the tag).
struct ValuePlace {
  int line = 0;
  int column = 0;
  int length = 0;
};

ValuePlace placeOf(const TAspxObj& image, std::string_view name, int value) {
  if (value <= 0) return {image.StartLine, image.StartCol, 0};
  std::string pattern = std::string(name) + "=\"";
  if (findText(image.Text, pattern) == std::string::npos) pattern.pop_back();
  const std::string digits = std::to_string(value);
  const PagePlace place = LocateInObject(image, pattern + digits);
  if (!place.found) return {image.StartLine, place.column, 0};
  return {place.line, place.column + static_cast<int>(pattern.size()),
          static_cast<int>(digits.size())};
}

void reportWrongValue(PageChecks& checks, const std::string& label, const ValuePlace& place,
                      int written, int actual) {
  // Only digits found where the attribute writes them are replaced: elsewhere on the line
  // the same digits may belong to something else.
  SuggestionLines suggestion;
  if (place.length > 0)
    suggestion = checks.replaceOnce(place.line, std::to_string(written), std::to_string(actual),
                                    place.column);
  checks.addResult(
      234, place.line,
      label + " should be " + std::to_string(actual) + " (not " + std::to_string(written) + ")",
      std::move(suggestion), {place.column, place.length, 0});
}

void reportMissingSize(PageChecks& checks, TAspxObj& image, const WrittenSize& width,
                       const WrittenSize& height, const ImageSize& size) {
  const std::string w = std::to_string(size.width);
  const std::string h = std::to_string(size.height);
  std::string message, replacement;
  if (!width.present && !height.present) {
    message = "Width and height not specified (width=" + w + " and  height=" + h + ")";
    replacement = "img width=\"" + w + "px\" height=\"" + h + "px\" ";
  } else if (!height.present) {
    message = "Height not specified (height=" + h + ")";
    replacement = "img height=\"" + h + "px\" ";
  } else {
    message = "Width not specified (width=" + w + ")";
    replacement = "img width=\"" + w + "px\" ";
  }
  SuggestionLines suggestion;
  if (startsWithText(image.Text, "img "))
    suggestion =
        checks.replaceOnce(image.StartLine, image.Text.substr(0, 4), replacement, 1, false);
  checks.ReportOnObject(image, 235, message, std::move(suggestion));
}

}  // namespace

void CheckImageSize(PageChecks& checks, TAspxObj& image) {
  if (!checks.enabled(234) && !checks.enabled(235)) return;
  const std::optional<std::string> source = image.attribute("src");
  if (!source) return;
  const std::string file = withoutQuotes(*source);
  if (!checks.linkedFileExists(file)) {
    checks.CheckLinkedFile(file, image);
    return;
  }
  const WrittenSize width = writtenSize(image, "width");
  const WrittenSize height = writtenSize(image, "height");
  const ImageSize size = checks.imageSize(file);
  if (!size.ok) return;

  if (checks.enabled(235) && !(width.present && height.present))
    reportMissingSize(checks, image, width, height, size);

  if (width.value == -1 || height.value == -1 || !checks.enabled(234)) return;
  const bool wrongWidth = width.value != size.width;
  const bool wrongHeight = height.value != size.height;
  if (wrongWidth && wrongHeight) {
    checks.addResult(234, image.StartLine,
                     "Width should be " + std::to_string(size.width) + " (not " +
                         std::to_string(width.value) + ") and height should be " +
                         std::to_string(size.height) + " (not " + std::to_string(height.value) +
                         ")");
  } else if (wrongHeight) {
    reportWrongValue(checks, "Height", placeOf(image, "height", height.value), height.value,
                     size.height);
  } else if (wrongWidth) {
    reportWrongValue(checks, "Width", placeOf(image, "width", width.value), width.value,
                     size.width);
  }
}

}  // namespace sorvik
