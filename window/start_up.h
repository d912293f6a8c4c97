#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "window/operations.h"
#include "window/window_description.h"

// What every front end's start-up shares: the fatal box's texts and exit
// code, the start-up hook, and the walk over the binding table.
namespace quillmark {

inline constexpr int kFatalExitCode = -1;
inline constexpr std::string_view kFatalErrorTitle = "错误";
inline constexpr std::string_view kDescriptionUnreadable = "载入窗口模板数据段出错!";
inline constexpr std::string_view kWindowNotCreated = "载入启动窗口失败";

// The fatal box's text, UTF-8: "运行时出错!" and the error on a line of its own.
std::string FatalErrorText(std::string_view error);

// Runs before the window exists and does nothing else; kept as the start-up
// step other code may hook into.
int ProgramStart();

// Hands every control event of the description that has an operation to
// `wire`, with the record and the handler to run. The window-created event is
// raised by start-up, not wired.
using EventWiring = std::function<void(const ElementRecord& record, EventKind event,
                                       std::function<void()> handler)>;
void ForEachEventHandler(const WindowDescription& description, Operations& operations,
                         const EventWiring& wire);

}  // namespace quillmark
