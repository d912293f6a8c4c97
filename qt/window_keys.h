#pragma once

#include <QObject>

namespace quillmark {

class MainWindow;

// Looks at every key press meant for a control of the window before the
// control does: a plain Esc closes the window, whichever control has the
// focus, unless it closes the comment's completion list; Ctrl+Tab and Ctrl+Shift+Tab move the focus
// on and back even out of the comment, which takes Tab itself, so that every control can be reached
// from the keyboard.
class WindowKeys : public QObject {
  Q_OBJECT

 public:
  explicit WindowKeys(MainWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The next or previous control that Tab would reach, from the widget.
  void MoveFocus(QWidget* from, bool forward) const;

  MainWindow& window_;
};

}  // namespace quillmark
