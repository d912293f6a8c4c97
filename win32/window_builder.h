#pragma once

#include <memory>

#include "win32/main_window.h"
#include "window/operations.h"
#include "window/window_description.h"

namespace quillmark::win32 {

// The main window and its controls from the description, hidden; nothing
// when any part of it cannot be made.
std::unique_ptr<MainWindow> CreateMainWindow(const WindowDescription& description);

// Binds every control event of the description to the handler of its
// operation.
void WireEvents(MainWindow& window, const WindowDescription& description, Operations& operations);

}  // namespace quillmark::win32
