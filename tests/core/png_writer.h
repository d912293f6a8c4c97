#pragma once

#include <png.h>

#include <cstdint>
#include <vector>

// Writes small PNGs in any colour type for the decoder's tests.
namespace quillmark::testing {

struct PngLayout {
  int width = 2;
  int height = 2;
  int colourType = PNG_COLOR_TYPE_RGBA;
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<png_color> palette;
  std::vector<png_byte> paletteAlpha;  // a tRNS chunk for palette images
  std::vector<std::uint8_t> samples;   // row after row, bitDepth/8 bytes per sample
};

inline void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

inline std::vector<std::uint8_t> WritePng(const PngLayout& layout) {
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, AppendBytes, nullptr);
  png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colourType,
               layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!layout.palette.empty()) {
    png_set_PLTE(png, info, layout.palette.data(), static_cast<int>(layout.palette.size()));
  }
  if (!layout.paletteAlpha.empty()) {
    png_set_tRNS(png, info, layout.paletteAlpha.data(),
                 static_cast<int>(layout.paletteAlpha.size()), nullptr);
  }
  png_write_info(png, info);
  const std::size_t rowBytes = layout.samples.size() / static_cast<std::size_t>(layout.height);
  std::vector<png_bytep> rows;
  for (int y = 0; y < layout.height; ++y) {
    rows.push_back(const_cast<png_bytep>(layout.samples.data()) +
                   rowBytes * static_cast<std::size_t>(y));
  }
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace quillmark::testing
