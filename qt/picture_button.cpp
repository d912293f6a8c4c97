#include "qt/picture_button.h"

#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <span>

#include "emoji/picture_density.h"
#include "emoji/png_picture.h"

namespace quillmark {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureButton::SetPicture(const QPixmap& picture, const QPixmap& doubleDensity) {
  picture_ = picture;
  doubleDensity_ = doubleDensity;
  resized_ = {};
  resizedRatio_ = 0;
  update();
}

// The picture for the screen's ratio: the normal one at 1, the double one at
// 2, and in between the double one resized once for that ratio.
const QPixmap& PictureButton::PictureForScreen() {
  const double ratio = devicePixelRatioF();
  const PictureChoice choice = ChoosePicture(ratio);
  if (!choice.doubleArtwork || doubleDensity_.isNull()) return picture_;
  if (!choice.resized) return doubleDensity_;
  if (resizedRatio_ != ratio) {
    const QSizeF size = doubleDensity_.deviceIndependentSize() * ratio;
    resized_ =
        doubleDensity_.scaled(size.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resized_.setDevicePixelRatio(ratio);
    resizedRatio_ = ratio;
  }
  return resized_;
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
  const QPixmap& picture = PictureForScreen();
  if (picture.isNull() && !hasFocus()) return;
  QPainter painter(this);
  painter.setClipRect(rect());
  painter.drawPixmap(QPointF(0, 0), picture);
  if (hasFocus()) {
    // The style's focus colour, in a line that shows over any picture and in
    // a high-contrast palette; the style's own dotted frame hardly shows on
    // a picture.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

bool PictureButton::hitButton(const QPoint& position) const { return rect().contains(position); }

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !hitButton(event->position().toPoint())) {
    event->ignore();
    return;
  }
  pressed_ = true;
  event->accept();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) { event->setAccepted(pressed_); }

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) {
    event->ignore();
    return;
  }
  pressed_ = false;
  event->accept();
  if (hitButton(event->position().toPoint())) click();
}

QString DoubleDensityPath(const QString& resourcePath) {
  QString path = resourcePath;
  const qsizetype dot = path.lastIndexOf(u'.');
  return path.insert(dot < 0 ? path.size() : dot, QStringLiteral("@2x"));
}

std::optional<Bitmap> LoadPictureBitmap(const QString& resourcePath, const QColor& background) {
  QFile file(resourcePath);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  return DecodePngPicture(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    static_cast<std::size_t>(bytes.size())),
                          Rgb{static_cast<std::uint8_t>(background.red()),
                              static_cast<std::uint8_t>(background.green()),
                              static_cast<std::uint8_t>(background.blue())});
}

QPixmap LoadButtonPicture(const QString& resourcePath, const QColor& background) {
  const std::optional<Bitmap> bitmap = LoadPictureBitmap(resourcePath, background);
  if (!bitmap) return {};
  const QImage image(reinterpret_cast<const uchar*>(bitmap->pixels.data()), bitmap->width,
                     bitmap->height, static_cast<qsizetype>(bitmap->width) * 4,
                     QImage::Format_RGB32);
  return QPixmap::fromImage(image.copy());
}

}  // namespace quillmark
