#include "shell/main_window.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include "shell/comment_editor.h"
#include "shell/control_names.h"
#include "shell/window_description.h"

namespace quillmark {
namespace {

QString NameOf(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
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
  return controls_.value(NameOf(name), nullptr);
}

void MainWindow::SetControlVisible(std::string_view name, bool visible) const {
  if (QWidget* control = Control(name)) control->setVisible(visible);
}

bool MainWindow::IsChecked(std::string_view name) const {
  const auto* button = qobject_cast<QAbstractButton*>(Control(name));
  return button != nullptr && button->isChecked();
}

QString MainWindow::ControlText(std::string_view name) const {
  const auto* box = qobject_cast<QLineEdit*>(Control(name));
  return box != nullptr ? box->text() : QString();
}

void MainWindow::SetControlText(std::string_view name, const QString& text) const {
  if (auto* box = qobject_cast<QLineEdit*>(Control(name))) box->setText(text);
}

CommentEditor* MainWindow::Editor() const {
  return qobject_cast<CommentEditor*>(Control(control_names::kCommentEditor));
}

void MainWindow::MoveToScreenCentre() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  move(area.left() + (area.width() - kWindowOuterWidth) / 2,
       area.top() + (area.height() - kWindowOuterHeight) / 2);
}

}  // namespace quillmark
