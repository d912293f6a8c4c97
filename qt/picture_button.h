#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace quillmark {

// A plain rectangle that shows one picture at its top-left corner, at the
// picture's own size and clipped to the button, the same in every state. It
// clicks on a left-button release over it after a press on it, and never takes
// the keyboard focus.
class PictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit PictureButton(QWidget* parent = nullptr);

  void SetPicture(const QPixmap& picture);
  [[nodiscard]] const QPixmap& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& position) const override;
  // The button looks the same in every state, so pressing and releasing it
  // repaint nothing: these replace the base class's handlers, which do.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  bool pressed_ = false;
};

// The picture of a Qt resource, decoded by libpng and composed over the window's
// background colour; a null pixmap when it cannot be read or decoded.
QPixmap LoadButtonPicture(const QString& resourcePath, const QColor& background);

}  // namespace quillmark
