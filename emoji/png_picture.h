#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// PNG pictures of the picture buttons, decoded with libpng and composed over
// the window's background into an opaque bitmap.
namespace quillmark {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, row by row
};

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// Any PNG colour type, bit depth or interlacing; nothing for bytes that are not
// a whole, valid PNG.
std::optional<Bitmap> DecodePngPicture(std::span<const std::uint8_t> png, Rgb background);

}  // namespace quillmark
