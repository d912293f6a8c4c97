#pragma once

#include <memory>

#include "qt/main_window.h"
#include "window/window_description.h"

namespace quillmark {

// Builds the main window and every control of a validated description, hidden.
// Nothing when an element cannot be made.
std::unique_ptr<MainWindow> CreateMainWindow(const WindowDescription& description);

}  // namespace quillmark
