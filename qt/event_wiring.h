#pragma once

#include "qt/main_window.h"
#include "window/operations.h"
#include "window/window_description.h"

namespace quillmark {

// Connects every event binding of the description to its operation. The
// window-created event is raised by start-up, not wired here.
void WireEvents(const MainWindow& window, const WindowDescription& description,
                Operations& operations);

}  // namespace quillmark
