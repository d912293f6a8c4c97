#include "qt/window_keys.h"

#include <QApplication>
#include <QKeyEvent>

#include "qt/main_window.h"

namespace quillmark {

WindowKeys::WindowKeys(MainWindow& window) : QObject(&window), window_(window) {
  qApp->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != &window_) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers held =
      key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  if (key->key() != Qt::Key_Escape || held != Qt::NoModifier) return false;
  window_.close();
  return true;
}

}  // namespace quillmark
