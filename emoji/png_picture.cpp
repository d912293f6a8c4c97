#include "emoji/png_picture.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace quillmark {
namespace {

// The largest picture shipped is 154 x 44 at twice the density; these leave
// ample room and keep a hostile header from costing more than a few megabytes.
constexpr png_uint_32 kLargestSide = 1024;
constexpr png_alloc_size_t kLargestChunk = 64 * png_alloc_size_t{1024};

struct MemorySource {
  std::span<const std::uint8_t> bytes;
  std::size_t offset = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (length > source->bytes.size() - source->offset) png_error(png, "truncated picture");
  std::memcpy(out, source->bytes.data() + source->offset, length);
  source->offset += length;
}

void IgnoreWarning(png_structp /*png*/, png_const_charp /*message*/) {}

// A picture that does not decode leaves its button blank; nothing is printed.
[[noreturn]] void StopDecoding(png_structp png, png_const_charp /*message*/) {
  png_longjmp(png, 1);
}

// Owns libpng's read structures for one decode.
class PngReader {
 public:
  PngReader()
      : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, StopDecoding, IgnoreWarning)),
        info_(png_ != nullptr ? png_create_info_struct(png_) : nullptr) {}
  ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  [[nodiscard]] bool IsReady() const { return png_ != nullptr && info_ != nullptr; }
  [[nodiscard]] png_structp Png() const { return png_; }
  [[nodiscard]] png_infop Info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

// The pictures are the program's own, but a decoder takes no chunk length on
// trust: libpng would otherwise allocate whatever a header claims before it
// finds the bytes missing. Text chunks carry nothing a button shows.
void LimitWhatTheDecoderTakes(png_structp png) {
  png_set_user_limits(png, kLargestSide, kLargestSide);
  png_set_chunk_malloc_max(png, kLargestChunk);
  static constexpr png_byte kTextChunks[] = {'t', 'E',  'X', 't', '\0', 'z', 'T', 'X',
                                             't', '\0', 'i', 'T', 'X',  't', '\0'};
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kTextChunks, 3);
}

// libpng reports errors by longjmp: these two functions hold no objects with
// destructors, so the jump skips nothing that needs cleaning up.
bool ReadHeaderAsRgba(const PngReader& reader, MemorySource& source, png_uint_32& width,
                      png_uint_32& height) {
  png_structp png = reader.Png();
  png_infop info = reader.Info();
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, &source, ReadFromMemory);
  LimitWhatTheDecoderTakes(png);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  width = png_get_image_width(png, info);
  height = png_get_image_height(png, info);
  return png_get_rowbytes(png, info) == static_cast<png_size_t>(width) * 4;
}

bool ReadRows(const PngReader& reader, png_bytepp rows) {
  png_structp png = reader.Png();
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, nullptr);
  return true;
}

std::uint8_t Compose(std::uint8_t colour, std::uint8_t alpha, std::uint8_t background) {
  return static_cast<std::uint8_t>((colour * alpha + background * (255 - alpha) + 127) / 255);
}

}  // namespace

std::optional<Bitmap> DecodePngPicture(std::span<const std::uint8_t> png, Rgb background) {
  if (png.size() < 8 || png_sig_cmp(png.data(), 0, 8) != 0) return std::nullopt;
  PngReader reader;
  if (!reader.IsReady()) return std::nullopt;
  MemorySource source{png, 0};
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  if (!ReadHeaderAsRgba(reader, source, width, height)) return std::nullopt;
  if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
  std::vector<png_bytep> rows(height);
  for (png_uint_32 y = 0; y < height; ++y)
    rows[y] = rgba.data() + static_cast<std::size_t>(y) * width * 4;
  if (!ReadRows(reader, rows.data())) return std::nullopt;

  Bitmap bitmap{static_cast<int>(width), static_cast<int>(height), {}};
  bitmap.pixels.resize(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < bitmap.pixels.size(); ++i) {
    const std::uint8_t* pixel = rgba.data() + 4 * i;
    const std::uint8_t alpha = pixel[3];
    bitmap.pixels[i] = 0xFF000000u | Compose(pixel[0], alpha, background.red) << 16 |
                       Compose(pixel[1], alpha, background.green) << 8 |
                       Compose(pixel[2], alpha, background.blue);
  }
  return bitmap;
}

}  // namespace quillmark
