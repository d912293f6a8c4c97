#pragma once

#include <optional>
#include <string>

namespace quillmark {

// What is missing where the program cannot reach a display, asked before Qt
// is, which would otherwise abort with a core dump: nothing where DISPLAY or
// WAYLAND_DISPLAY leads to a server that answers, or where the user named a
// platform in QT_QPA_PLATFORM, which Qt then reports on itself; otherwise the
// one line to say.
std::optional<std::string> MissingDisplay();

}  // namespace quillmark
