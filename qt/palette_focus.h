#pragma once

#include <QObject>

#include <array>

#include "emoji/catalogue.h"

namespace quillmark {

class MainWindow;
class PictureButton;

// The emoji palette as one stop in the keyboard's order, right after the
// comment: one emoji button at a time can take the focus, which the arrow
// keys, Home and End move over the shown emoji by rows, and Enter or Space
// clicks it as the mouse would. The other buttons never take the focus, so
// that Ctrl+Tab passes the palette in one step, and the mouse finds the
// buttons as before.
class PaletteFocus : public QObject {
  Q_OBJECT

 public:
  explicit PaletteFocus(MainWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  [[nodiscard]] PictureButton* Button(int number) const;
  void MoveTo(int number);

  std::array<PictureButton*, kEmojiCount + 1> buttons_{};
  int current_ = 0;
};

}  // namespace quillmark
