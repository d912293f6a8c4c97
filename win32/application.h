#pragma once

#include "window/window_description.h"

namespace quillmark::win32 {

// Starts the program on the description, runs it until the main window
// closes and returns the process's exit code.
int RunQuillmark(const WindowDescription& description);

}  // namespace quillmark::win32
