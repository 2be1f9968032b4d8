#include "web/image_size.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "generic/paths.h"
#include "generic/strings.h"

namespace sorvik {

namespace {

template <size_t N>
bool readBytes(std::istream& in, std::array<unsigned char, N>& bytes) {
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(N));
  return static_cast<size_t>(in.gcount()) == N;
}

int bigEndian16(const unsigned char* bytes) {
  return bytes[0] << 8 | bytes[1];
}

int littleEndian16(const unsigned char* bytes) {
  return bytes[1] << 8 | bytes[0];
}

ImageSize sized(int width, int height) {
  return {width > 0 && height > 0, width, height};
}

ImageSize pngSize(std::istream& in) {
  constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::array<unsigned char, 24> header{};
  if (!readBytes(in, header) || !std::equal(kSignature.begin(), kSignature.end(), header.begin()))
    return {};
  return sized(bigEndian16(&header[18]), bigEndian16(&header[22]));
}

// Walks the markers up to the first baseline or extended frame, which holds the size. A
// progressive image has neither and so no size.
ImageSize jpegSize(std::istream& in) {
  std::array<unsigned char, 2> start{};
  if (!readBytes(in, start) || start[0] != 0xFF || start[1] != 0xD8) return {};
  while (in.get() == 0xFF) {
    int marker = in.get();
    while (marker == 0xFF) marker = in.get();  // fill bytes
    if (marker == 0xC0 || marker == 0xC1) {
      // Length and precision, then height and width.
      std::array<unsigned char, 7> frame{};
      if (!readBytes(in, frame)) return {};
      return sized(bigEndian16(&frame[5]), bigEndian16(&frame[3]));
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
    std::array<unsigned char, 2> length{};
    if (marker < 0 || !readBytes(in, length)) return {};
    // The length counts its own two bytes; a smaller one is no segment.
    const int segment = bigEndian16(length.data());
    if (segment < 2) return {};
    in.ignore(segment - 2);
  }
  return {};
}

// The size of the first image descriptor after the global colour table.
ImageSize gifSize(std::istream& in) {
  std::array<unsigned char, 13> header{};
  if (!readBytes(in, header)) return {};
  if (header[10] & 0x80) in.ignore(3 << ((header[10] & 7) + 1));
  for (int byte = in.get(); byte != std::char_traits<char>::eof(); byte = in.get()) {
    if (byte != 0x2C) continue;
    std::array<unsigned char, 10> descriptor{};
    if (!readBytes(in, descriptor)) return {};
    return sized(littleEndian16(&descriptor[4]), littleEndian16(&descriptor[6]));
  }
  return {};
}

}  // namespace

ImageType imageTypeOf(std::string_view path) {
  if (path.size() < 4) return ImageType::None;
  const std::string ending = upperCase(path.substr(path.size() - 4));
  if (ending == ".GIF") return ImageType::Gif;
  if (ending == ".JPG") return ImageType::Jpeg;
  if (ending == ".PNG") return ImageType::Png;
  return ImageType::None;
}

ImageSize readImageSize(std::istream& in, ImageType type) {
  switch (type) {
    case ImageType::Gif:
      return gifSize(in);
    case ImageType::Jpeg:
      return jpegSize(in);
    case ImageType::Png:
      return pngSize(in);
    case ImageType::None:
      break;
  }
  return {};
}

ImageSize GetImageSize(const std::string& path) {
  const std::string found = findExistingPath(path);
  const ImageType type = imageTypeOf(path);
  if (found.empty() || type == ImageType::None) return {};
  std::ifstream in(found, std::ios::binary);
  return in ? readImageSize(in, type) : ImageSize{};
}

}  // namespace sorvik
