#include "emoji/png_picture.h"
#include "emoji/picture_density.h"

#include <gtest/gtest.h>

#include "tests/core/png_writer.h"

namespace quillmark {
namespace {

using testing::PngLayout;
using testing::WritePng;

constexpr Rgb kButtonFace{0xF0, 0xE0, 0xD0};

std::vector<std::uint32_t> Decoded(const PngLayout& layout) {
  const std::vector<std::uint8_t> png = WritePng(layout);
  const std::optional<Bitmap> bitmap = DecodePngPicture(png, kButtonFace);
  if (!bitmap) return {};
  EXPECT_EQ(bitmap->width, layout.width);
  EXPECT_EQ(bitmap->height, layout.height);
  return bitmap->pixels;
}

using Pixels = std::vector<std::uint32_t>;

TEST(DecodePngPicture, RgbaIsComposedOverTheBackground) {
  PngLayout layout;
  layout.samples = {255, 0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 128, 10, 20, 30, 255};
  // Half-transparent blue over F0 E0 D0: (0*128 + F0*127 + 127) / 255 and so on.
  EXPECT_EQ(Decoded(layout), (Pixels{0xFFFF0000, 0xFFF0E0D0, 0xFF7870E8, 0xFF0A141E}));
}

TEST(DecodePngPicture, RgbAndGreyAreOpaque) {
  PngLayout rgb;
  rgb.colourType = PNG_COLOR_TYPE_RGB;
  rgb.samples = {1, 2, 3, 4, 5, 6, 7, 8, 9, 250, 251, 252};
  EXPECT_EQ(Decoded(rgb), (Pixels{0xFF010203, 0xFF040506, 0xFF070809, 0xFFFAFBFC}));
  PngLayout grey;
  grey.colourType = PNG_COLOR_TYPE_GRAY;
  grey.samples = {0, 0x40, 0x80, 0xFF};
  EXPECT_EQ(Decoded(grey), (Pixels{0xFF000000, 0xFF404040, 0xFF808080, 0xFFFFFFFF}));
}

TEST(DecodePngPicture, GreyWithAlpha) {
  PngLayout layout;
  layout.colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
  layout.samples = {0x20, 255, 0x20, 0, 0xFF, 255, 0x00, 0};
  EXPECT_EQ(Decoded(layout), (Pixels{0xFF202020, 0xFFF0E0D0, 0xFFFFFFFF, 0xFFF0E0D0}));
}

TEST(DecodePngPicture, PaletteWithAndWithoutTransparency) {
  PngLayout layout;
  layout.colourType = PNG_COLOR_TYPE_PALETTE;
  layout.palette = {{255, 0, 0}, {0, 0, 255}};
  layout.samples = {0, 1, 1, 0};
  EXPECT_EQ(Decoded(layout), (Pixels{0xFFFF0000, 0xFF0000FF, 0xFF0000FF, 0xFFFF0000}));
  layout.paletteAlpha = {255, 0};
  EXPECT_EQ(Decoded(layout), (Pixels{0xFFFF0000, 0xFFF0E0D0, 0xFFF0E0D0, 0xFFFF0000}));
}

TEST(DecodePngPicture, SixteenBitSamplesAndInterlacing) {
  PngLayout wide;
  wide.bitDepth = 16;
  wide.colourType = PNG_COLOR_TYPE_RGB;
  wide.samples = {0xFF, 0xFF, 0,    0,    0x80, 0x00, 0,    0,    0,    0,    0,    0,
                  0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(Decoded(wide), (Pixels{0xFFFF0080, 0xFF000000, 0xFF12569A, 0xFFFFFFFF}));

  PngLayout interlaced;
  interlaced.width = 9;
  interlaced.height = 9;
  interlaced.colourType = PNG_COLOR_TYPE_RGB;
  interlaced.interlaced = true;
  Pixels expected;
  for (int i = 0; i < 81; ++i) {
    const auto value = static_cast<std::uint8_t>(i * 3);
    interlaced.samples.insert(interlaced.samples.end(), {value, static_cast<std::uint8_t>(i), 7});
    expected.push_back(0xFF000000u | value << 16 | static_cast<std::uint32_t>(i) << 8 | 7u);
  }
  EXPECT_EQ(Decoded(interlaced), expected);
}

TEST(DecodePngPicture, CorruptAndTruncatedFilesGiveNothing) {
  PngLayout layout;
  layout.samples = std::vector<std::uint8_t>(16, 0x55);
  const std::vector<std::uint8_t> good = WritePng(layout);
  ASSERT_TRUE(DecodePngPicture(good, kButtonFace).has_value());

  for (std::size_t cut : {std::size_t{0}, std::size_t{7}, std::size_t{20}, good.size() - 13}) {
    const std::vector<std::uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(cut));
    EXPECT_FALSE(DecodePngPicture(truncated, kButtonFace).has_value()) << "cut at " << cut;
  }
  std::vector<std::uint8_t> corrupt = good;
  for (std::size_t i = 40; i < corrupt.size() - 12; ++i) corrupt[i] ^= 0xA5;
  EXPECT_FALSE(DecodePngPicture(corrupt, kButtonFace).has_value());
  const std::vector<std::uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g', '!'};
  EXPECT_FALSE(DecodePngPicture(text, kButtonFace).has_value());
}

// The artwork for each density: the normal one only where a logical pixel is
// one device pixel, the double one resized anywhere but at twice the density.
TEST(PictureDensity, ChoiceAndResizing) {
  EXPECT_FALSE(ChoosePicture(1.0).doubleArtwork);
  EXPECT_TRUE(ChoosePicture(2.0).doubleArtwork && !ChoosePicture(2.0).resized);
  for (const double ratio : {1.25, 1.5, 1.75, 3.0}) {
    EXPECT_TRUE(ChoosePicture(ratio).doubleArtwork && ChoosePicture(ratio).resized) << ratio;
  }
  // Black and white columns, 48 wide, down to 36: every new pixel is the
  // share of black it covers, and the picture keeps its opaque pixels.
  Bitmap stripes{48, 2, std::vector<std::uint32_t>(96)};
  for (std::size_t i = 0; i < stripes.pixels.size(); ++i) {
    stripes.pixels[i] = (i % 2 == 0) ? 0xFF000000u : 0xFFFFFFFFu;
  }
  const Bitmap resized = ResizePicture(stripes, 36, 1);
  ASSERT_EQ(resized.pixels.size(), 36u);
  int sum = 0;
  for (const std::uint32_t pixel : resized.pixels) {
    EXPECT_EQ(pixel >> 24, 0xFFu);
    EXPECT_NEAR(static_cast<int>(pixel & 0xFF), 128, 64) << "a blend, not a copy of one column";
    sum += static_cast<int>(pixel & 0xFF);
  }
  EXPECT_NEAR(sum / 36, 127, 2) << "as much white as before";
  EXPECT_EQ(ResizePicture(Bitmap{4, 4, std::vector<std::uint32_t>(16, 0xFF336699u)}, 3, 3).pixels,
            std::vector<std::uint32_t>(9, 0xFF336699u));
}

}  // namespace
}  // namespace quillmark
