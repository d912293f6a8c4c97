// The picture decoder on arbitrary bytes: no crash, and a decoded bitmap holds
// exactly its width times height pixels, all opaque.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "emoji/png_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<quillmark::Bitmap> bitmap =
      quillmark::DecodePngPicture(std::span(data, size), {0xF0, 0xF0, 0xF0});
  if (!bitmap) return 0;
  if (bitmap->pixels.size() != static_cast<std::size_t>(bitmap->width) * bitmap->height) {
    std::abort();
  }
  for (const std::uint32_t pixel : bitmap->pixels) {
    if ((pixel >> 24) != 0xFF) std::abort();
  }
  return 0;
}
