#include "qt/window_keys.h"

#include <Qsci/qsciscintillabase.h>
#include <QApplication>
#include <QKeyEvent>

#include "qt/main_window.h"

namespace quillmark {

WindowKeys::WindowKeys(MainWindow& window) : QObject(&window), window_(window) {
  qApp->installEventFilter(this);
}

namespace {

// Esc closes the comment's open completion list, not the window.
bool ListOpenIn(QWidget* widget) {
  auto* scintilla = qobject_cast<QsciScintillaBase*>(widget);
  return scintilla != nullptr && scintilla->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0;
}

}  // namespace

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != &window_) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers held =
      key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
  if (key->key() == Qt::Key_Escape && held == Qt::NoModifier && !ListOpenIn(widget)) {
    window_.close();
    return true;
  }
  if (!tab || (held & ~Qt::ShiftModifier) != Qt::ControlModifier) return false;
  MoveFocus(widget, key->key() == Qt::Key_Tab && held == Qt::ControlModifier);
  return true;
}

void WindowKeys::MoveFocus(QWidget* from, bool forward) const {
  for (QWidget* next = from;;) {
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    if (next == from) return;
    if (next->window() == &window_ && (next->focusPolicy() & Qt::TabFocus) != 0 &&
        next->isVisibleTo(&window_) && next->isEnabled() && next->focusProxy() == nullptr) {
      next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return;
    }
  }
}

}  // namespace quillmark
