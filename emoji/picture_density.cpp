#include "emoji/picture_density.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quillmark {
namespace {

// How much of each source position, from `first` on, one target position
// covers along one axis: the weights add up to one.
struct Span {
  int first = 0;
  std::vector<double> weights;
};

std::vector<Span> Coverage(int sourceLength, int targetLength) {
  std::vector<Span> spans(static_cast<std::size_t>(targetLength));
  const double step = static_cast<double>(sourceLength) / targetLength;
  for (int target = 0; target < targetLength; ++target) {
    const double begin = target * step;
    const double end = begin + step;
    Span& span = spans[static_cast<std::size_t>(target)];
    span.first = static_cast<int>(std::floor(begin));
    for (int source = span.first; source < sourceLength && source < end; ++source) {
      const double covered = std::min<double>(end, source + 1) - std::max<double>(begin, source);
      span.weights.push_back(covered / step);
    }
  }
  return spans;
}

using Channels = std::array<double, 3>;

Channels ChannelsOf(std::uint32_t pixel) {
  return {static_cast<double>((pixel >> 16) & 0xFF), static_cast<double>((pixel >> 8) & 0xFF),
          static_cast<double>(pixel & 0xFF)};
}

std::uint32_t PixelOf(const Channels& channels) {
  std::uint32_t pixel = 0xFF000000u;
  for (int shift = 16, i = 0; i < 3; ++i, shift -= 8) {
    const auto value = static_cast<std::uint32_t>(std::clamp(std::lround(channels[i]), 0L, 255L));
    pixel |= value << shift;
  }
  return pixel;
}

}  // namespace

PictureChoice ChoosePicture(double devicePixelRatio) {
  if (devicePixelRatio == 1.0) return {false, false};
  return {true, devicePixelRatio != 2.0};
}

Bitmap ResizePicture(const Bitmap& picture, int width, int height) {
  Bitmap resized{width, height, {}};
  if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0) return resized;
  resized.pixels.resize(static_cast<std::size_t>(width) * height);
  const std::vector<Span> columns = Coverage(picture.width, width);
  const std::vector<Span> rows = Coverage(picture.height, height);
  for (int y = 0; y < height; ++y) {
    const Span& row = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < width; ++x) {
      const Span& column = columns[static_cast<std::size_t>(x)];
      Channels sum{};
      for (std::size_t j = 0; j < row.weights.size(); ++j) {
        const std::size_t line = static_cast<std::size_t>(row.first) + j;
        for (std::size_t i = 0; i < column.weights.size(); ++i) {
          const Channels pixel =
              ChannelsOf(picture.pixels[line * static_cast<std::size_t>(picture.width) +
                                        static_cast<std::size_t>(column.first) + i]);
          const double weight = row.weights[j] * column.weights[i];
          for (std::size_t c = 0; c < 3; ++c) sum[c] += weight * pixel[c];
        }
      }
      resized.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x)] = PixelOf(sum);
    }
  }
  return resized;
}

std::optional<Bitmap> PictureForRatio(
    double ratio, const std::function<std::optional<Bitmap>(bool doubleArtwork)>& load,
    const std::function<int(int length)>& scaled) {
  const PictureChoice choice = ChoosePicture(ratio);
  std::optional<Bitmap> picture = load(choice.doubleArtwork);
  if (picture && choice.resized) {
    // The double artwork is twice the normal size.
    picture = ResizePicture(*picture, scaled(picture->width / 2), scaled(picture->height / 2));
  }
  return picture;
}

}  // namespace quillmark
