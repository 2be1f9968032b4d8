// The image size reader on whole and damaged headers of each format, and on files.
#include <gtest/gtest.h>

#include <sstream>

#include "page_test_support.h"
#include "web/image_size.h"

namespace sorvik {
namespace {

using test::gifBytes;
using test::jpegBytes;
using test::pngBytes;

struct SizeCase {
  std::string name;
  ImageType type;
  std::string bytes;
  bool ok;
  int width = 0, height = 0;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
  *out << c.name;
}

class ImageSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ImageSizeTest, ReadsTheSizeOrNone) {
  std::istringstream in(GetParam().bytes);
  const ImageSize size = readImageSize(in, GetParam().type);
  EXPECT_EQ(size.ok, GetParam().ok);
  if (GetParam().ok) {
    EXPECT_EQ(size.width, GetParam().width);
    EXPECT_EQ(size.height, GetParam().height);
  }
}

const std::string kJpegStart = "\xFF\xD8";
// A start-of-frame segment: length, precision, height 40, width 300.
const std::string kFrame = std::string("\x00\x11\x08\x00\x28\x01\x2C", 7);

INSTANTIATE_TEST_SUITE_P(
    Formats, ImageSizeTest,
    ::testing::Values(
        SizeCase{"Png", ImageType::Png, pngBytes(100, 50), true, 100, 50},
        // Only the low halves of the header's 32-bit sizes are read.
        SizeCase{"PngLowHalves", ImageType::Png, pngBytes(0x10064, 0x20032), true, 100, 50},
        SizeCase{"PngWrongSignature", ImageType::Png, "\x89PNX" + pngBytes(1, 1).substr(4), false},
        SizeCase{"PngTruncated", ImageType::Png, pngBytes(100, 50).substr(0, 23), false},
        SizeCase{"PngZeroWidth", ImageType::Png, pngBytes(0, 50), false},
        SizeCase{"GifWithoutColourTable", ImageType::Gif, gifBytes(32, 16), true, 32, 16},
        // The table is filled with separator bytes: only the size after it counts.
        SizeCase{"GifAfterItsColourTable", ImageType::Gif, gifBytes(640, 480, 7), true, 640, 480},
        SizeCase{"GifWithoutSeparator", ImageType::Gif, gifBytes(32, 16).substr(0, 13), false},
        SizeCase{"GifShortDescriptor", ImageType::Gif, gifBytes(32, 16).substr(0, 22), false},
        SizeCase{"GifHeaderOnly", ImageType::Gif, "GIF89a", false},
        SizeCase{"JpegAfterAnApplicationSegment", ImageType::Jpeg, jpegBytes(300, 40), true, 300,
                 40},
        SizeCase{"JpegExtendedFrameAfterFillAndStandaloneMarkers", ImageType::Jpeg,
                 kJpegStart + "\xFF\xFF\xFF\x01\xFF\xD3\xFF\xC1" + kFrame, true, 300, 40},
        SizeCase{"JpegProgressiveHasNoSize", ImageType::Jpeg, kJpegStart + "\xFF\xC2" + kFrame,
                 false},
        SizeCase{"JpegSegmentNotFollowedByAMarker", ImageType::Jpeg,
                 kJpegStart + "\xFF\xE1" + std::string("\x00\x02", 2) + "X\xFF\xC0" + kFrame,
                 false},
        SizeCase{"JpegLengthBelowItsOwnSize", ImageType::Jpeg,
                 kJpegStart + "\xFF\xE1" + std::string("\x00\x01", 2) + "\xFF\xC0" + kFrame, false},
        SizeCase{"JpegSegmentPastTheEnd", ImageType::Jpeg,
                 kJpegStart + "\xFF\xE1\xFF\xFF" + std::string(100, '\xFF'), false},
        SizeCase{"JpegTruncatedFrame", ImageType::Jpeg,
                 kJpegStart + "\xFF\xC0" + kFrame.substr(0, 6), false},
        SizeCase{"JpegWrongStart", ImageType::Jpeg, "\xFF\xD9\xFF\xC0" + kFrame, false},
        SizeCase{"NoType", ImageType::None, pngBytes(100, 50), false}));

TEST(ImageType, FollowsTheLastFourCharactersIgnoringCase) {
  EXPECT_EQ(imageTypeOf("a/LOGO.Gif"), ImageType::Gif);
  EXPECT_EQ(imageTypeOf("photo.JPG"), ImageType::Jpeg);
  EXPECT_EQ(imageTypeOf("x.png"), ImageType::Png);
  EXPECT_EQ(imageTypeOf("photo.jpeg"), ImageType::None);
  EXPECT_EQ(imageTypeOf("icon.bmp"), ImageType::None);
  EXPECT_EQ(imageTypeOf("png"), ImageType::None);
}

TEST(ImageFile, SizeOfAFileFoundIgnoringCaseAndNoneWithoutFile) {
  test::TempFolder folder;
  folder.write("Img/Logo.PNG", pngBytes(16, 8));
  folder.write("wide.jpeg", jpegBytes(16, 8));
  const ImageSize size = GetImageSize(folder.path() + "img/logo.png");
  EXPECT_TRUE(size.ok);
  EXPECT_EQ(size.width, 16);
  EXPECT_EQ(size.height, 8);
  EXPECT_FALSE(GetImageSize(folder.path() + "wide.jpeg").ok);
  EXPECT_FALSE(GetImageSize(folder.path() + "missing.png").ok);
  folder.write("folder.png/inside.png", pngBytes(16, 8));
  EXPECT_FALSE(GetImageSize(folder.path() + "folder.png").ok);
}

}  // namespace
}  // namespace sorvik
