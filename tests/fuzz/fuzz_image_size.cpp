// Any bytes as a GIF, a JPEG and a PNG: a size or none, never a crash or a hang, and a
// size only when both its values are above 0.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "web/image_size.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const sorvik::ImageType type :
       {sorvik::ImageType::Gif, sorvik::ImageType::Jpeg, sorvik::ImageType::Png}) {
    std::istringstream in(bytes);
    const sorvik::ImageSize image = sorvik::readImageSize(in, type);
    if (image.ok &&
        (image.width <= 0 || image.height <= 0 || image.width > 0xFFFF || image.height > 0xFFFF))
      __builtin_trap();
  }
  return 0;
}
