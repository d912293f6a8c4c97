#pragma once

#include <functional>
#include <optional>

#include "emoji/png_picture.h"

// Pictures on screens of any density: which artwork a screen shows, and the
// one resizing filter for the sizes in between.
namespace quillmark {

// The normal artwork where a logical pixel is one device pixel, the artwork
// drawn at twice the size where it is two, and anywhere else the double
// artwork resized once to the size the screen needs: the normal artwork
// stretched would be blurred.
struct PictureChoice {
  bool doubleArtwork = false;
  bool resized = false;
};
PictureChoice ChoosePicture(double devicePixelRatio);

// The picture for a screen of that ratio, as ChoosePicture chooses it: the
// normal or the double artwork as `load` gives it, the double one resized
// where neither fits, to the normal artwork's size as `scaled` scales each
// length for the screen.
std::optional<Bitmap> PictureForRatio(
    double ratio, const std::function<std::optional<Bitmap>(bool doubleArtwork)>& load,
    const std::function<int(int length)>& scaled);

// The picture resized to width x height, each new pixel the average of the
// area of the old picture that it covers: sharp for any reduction.
Bitmap ResizePicture(const Bitmap& picture, int width, int height);

}  // namespace quillmark
