// The pixel size of the images a page shows, read from the headers and markers of GIF,
// JPEG and PNG files, never from their image data.
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace sorvik {

enum class ImageType { None, Gif, Jpeg, Png };

struct ImageSize {
  bool ok = false;  // both sizes were read and neither is 0
  int width = -1;
  int height = -1;
};

// By the last four characters of the path, ignoring case: ".GIF", ".JPG" or ".PNG"; any
// other name (".jpeg" too) has no type.
ImageType imageTypeOf(std::string_view path);
// The size stored in an image of that type. Sizes are 16-bit values (PNG: the low halves
// of the header's sizes).
ImageSize readImageSize(std::istream& in, ImageType type);
// The size of an image file; not ok when the file does not exist, cannot be read, has no
// type or does not hold a size where its type keeps one.
ImageSize GetImageSize(const std::string& path);

}  // namespace sorvik
