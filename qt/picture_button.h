#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include <optional>

#include "emoji/png_picture.h"

namespace quillmark {

// A plain rectangle that shows one picture at its top-left corner, at the
// picture's own size in logical pixels and clipped to the button, the same in
// every state. It clicks on a left-button release over it after a press on
// it, and takes the keyboard focus only where the palette's keyboard order
// gives it the focus policy; it then shows the style's focus mark.
class PictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit PictureButton(QWidget* parent = nullptr);

  // The picture, and the same at twice the size for screens of a higher
  // density, where it is drawn instead, resized for ratios other than 2; its
  // device pixel ratio is 2.
  void SetPicture(const QPixmap& picture, const QPixmap& doubleDensity = {});
  [[nodiscard]] const QPixmap& Picture() const { return picture_; }
  [[nodiscard]] const QPixmap& DoubleDensityPicture() const { return doubleDensity_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& position) const override;
  // The button looks the same in every state, so pressing and releasing it
  // repaint nothing: these replace the base class's handlers, which do.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const QPixmap& PictureForScreen();

  QPixmap picture_;
  QPixmap doubleDensity_;
  QPixmap resized_;
  double resizedRatio_ = 0;
  bool pressed_ = false;
};

// The picture of a Qt resource, decoded by libpng and composed over the
// background colour; nothing when it cannot be read or decoded.
std::optional<Bitmap> LoadPictureBitmap(const QString& resourcePath, const QColor& background);

// The picture of a Qt resource, decoded by libpng and composed over the window's
// background colour; a null pixmap when it cannot be read or decoded.
QPixmap LoadButtonPicture(const QString& resourcePath, const QColor& background);

// The resource of a picture at twice the density: "name@2x.png" for "name.png".
QString DoubleDensityPath(const QString& resourcePath);

}  // namespace quillmark
