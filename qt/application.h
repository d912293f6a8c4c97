#pragma once

#include <QApplication>

#include <memory>
#include <optional>

#include "qt/main_window.h"
#include "qt/qt_desktop.h"
#include "window/operations.h"
#include "window/window_description.h"

namespace quillmark {

// The main window as start-up leaves it: created, configured, wired and shown,
// with the desktop and the operations that its events run. The window goes
// first when this ends, and its connections to the operations with it.
struct StartedWindow {
  std::unique_ptr<QtDesktop> desktop;
  std::unique_ptr<Operations> operations;
  std::unique_ptr<MainWindow> window;
};

// Application-wide identity: name, version and maker.
void DescribeApplication(QApplication& application);

// Start-up up to the shown window. On a description that cannot be read or a
// window that cannot be created it shows the fatal error and returns nothing.
std::optional<StartedWindow> StartMainWindow(const WindowDescription& description);

// The whole run: start-up, then the event loop until the window closes.
// 0 after a close, -1 after a fatal start-up error.
int RunQuillmark(QApplication& application, const WindowDescription& description);

}  // namespace quillmark
