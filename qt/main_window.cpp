#include "qt/main_window.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include "controls/control_names.h"
#include "qt/comment_editor_view.h"
#include "window/window_description.h"

namespace quillmark {
namespace {

QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {}

void MainWindow::changeEvent(QEvent* event) {
  // The window has no maximise function, whoever asks for it.
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
    setWindowState(windowState() & ~Qt::WindowMaximized);
  }
  QWidget::changeEvent(event);
}

void MainWindow::AddControl(QWidget* control) { controls_.insert(control->objectName(), control); }

QWidget* MainWindow::Control(std::string_view name) const {
  return controls_.value(FromUtf8(name), nullptr);
}

void MainWindow::SetControlVisible(std::string_view name, bool visible) {
  if (QWidget* control = Control(name)) control->setVisible(visible);
}

bool MainWindow::IsChecked(std::string_view name) const {
  const auto* button = qobject_cast<QAbstractButton*>(Control(name));
  return button != nullptr && button->isChecked();
}

std::string MainWindow::ControlText(std::string_view name) const {
  const auto* box = qobject_cast<QLineEdit*>(Control(name));
  return box != nullptr ? box->text().toStdString() : std::string();
}

void MainWindow::SetControlText(std::string_view name, std::string_view text) {
  if (auto* box = qobject_cast<QLineEdit*>(Control(name))) box->setText(FromUtf8(text));
}

CommentEditorFrame* MainWindow::EditorFrame() const {
  return qobject_cast<CommentEditorFrame*>(Control(control_names::kCommentEditor));
}

void MainWindow::MoveToScreenCentre() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  move(area.left() + (area.width() - kWindowOuterWidth) / 2,
       area.top() + (area.height() - kWindowOuterHeight) / 2);
}

}  // namespace quillmark
