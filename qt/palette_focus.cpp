#include "qt/palette_focus.h"

#include <QKeyEvent>

#include "emoji/palette_navigation.h"
#include "qt/comment_editor_view.h"
#include "qt/main_window.h"
#include "qt/picture_button.h"

namespace quillmark {
namespace {

std::optional<PaletteMove> MoveOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return PaletteMove::Left;
    case Qt::Key_Right:
      return PaletteMove::Right;
    case Qt::Key_Up:
      return PaletteMove::Up;
    case Qt::Key_Down:
      return PaletteMove::Down;
    case Qt::Key_Home:
      return PaletteMove::RowStart;
    case Qt::Key_End:
      return PaletteMove::RowEnd;
    default:
      return std::nullopt;
  }
}

bool Activates(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

PaletteFocus::PaletteFocus(MainWindow& window) : QObject(&window) {
  QWidget* previous = window.EditorFrame() != nullptr ? window.EditorFrame()->View() : nullptr;
  for (int row = 0; row < kPaletteRowCount; ++row) {
    for (int column = 0; column < kEmojisPerRow; ++column) {
      const int number = EmojiAtPalettePlace({row, column});
      auto* button =
          qobject_cast<PictureButton*>(window.Control(EmojiButtonName(EmojiByNumber(number))));
      if (button == nullptr) continue;
      buttons_.at(static_cast<std::size_t>(number)) = button;
      button->installEventFilter(this);
      // Qt orders only widgets that take the focus.
      button->setFocusPolicy(Qt::TabFocus);
      if (previous != nullptr) QWidget::setTabOrder(previous, button);
      previous = button;
    }
  }
  current_ = FirstShownEmoji([this](int number) { return Button(number) != nullptr; });
  for (PictureButton* button : buttons_) {
    if (button != nullptr && button != Button(current_)) button->setFocusPolicy(Qt::NoFocus);
  }
}

PictureButton* PaletteFocus::Button(int number) const {
  if (number < 1 || number > kEmojiCount) return nullptr;
  return buttons_.at(static_cast<std::size_t>(number));
}

void PaletteFocus::MoveTo(int number) {
  PictureButton* next = Button(number);
  if (number == current_ || next == nullptr) return;
  next->setFocusPolicy(Qt::TabFocus);
  next->setFocus(Qt::OtherFocusReason);
  if (PictureButton* left = Button(current_)) left->setFocusPolicy(Qt::NoFocus);
  current_ = number;
}

bool PaletteFocus::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  auto* button = qobject_cast<PictureButton*>(watched);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (button == nullptr || button != Button(current_) ||
      (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
    return false;
  }
  if (Activates(key->key())) {
    // On the press, as often as the user presses; the release, which would
    // click the button a second time, goes nowhere.
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) button->click();
    return true;
  }
  const std::optional<PaletteMove> move = MoveOf(key->key());
  if (!move) return false;
  if (event->type() == QEvent::KeyPress) {
    MoveTo(PaletteNeighbour(current_, *move, [this](int number) {
      const PictureButton* shown = Button(number);
      return shown != nullptr && !shown->isHidden();
    }));
  }
  return true;
}

}  // namespace quillmark
