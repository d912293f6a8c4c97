#pragma once

#include <QObject>

namespace quillmark {

class MainWindow;

// Looks at every key press meant for a control of the window before the
// control does: a plain Esc closes the window, whichever control has the focus.
class WindowKeys : public QObject {
  Q_OBJECT

 public:
  explicit WindowKeys(MainWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
};

}  // namespace quillmark
