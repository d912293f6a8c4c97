#include "shell/application.h"

#include <QDir>

#include "actions/automation_date.h"
#include "actions/reveal_in_folder.h"
#include "shell/comment_font.h"
#include "shell/event_wiring.h"
#include "shell/fatal_error.h"
#include "shell/gui_font.h"
#include "shell/window_builder.h"
#include "shell/window_keys.h"

// Resources built into a static library are registered by hand.
static void InitialiseResources() {
  Q_INIT_RESOURCE(resources);
  Q_INIT_RESOURCE(pictures);
}

namespace quillmark {
namespace {

// Runs before the window exists and does nothing else; kept as the start-up
// step other code may hook into.
int ProgramStart() { return 0; }

// Exports go beside the running program, at the time of the click.
ExportContext ProgramExportContext() {
  return {std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()),
          CurrentAutomationDate,
          [](const std::filesystem::path& path) { return RevealInFolder(path); }};
}

}  // namespace

void DescribeApplication(QApplication& application) {
  application.setApplicationName(QStringLiteral("Quillmark"));
  application.setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
  application.setOrganizationName(QStringLiteral("Velmora"));
  application.setDesktopFileName(QStringLiteral("quillmark"));
}

std::optional<StartedWindow> StartMainWindow(const WindowDescription& description) {
  InitialiseResources();
  SubstituteCommentFontFace();
  UseDefaultGuiFont();
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  const std::optional<WindowDescription> read = ReadWindowDescription(description);
  if (!read) {
    ShowFatalError(QStringLiteral("载入窗口模板数据段出错!"));
    return std::nullopt;
  }
  ProgramStart();
  StartedWindow started{CreateMainWindow(*read), nullptr};
  if (started.window == nullptr) {
    ShowFatalError(QStringLiteral("载入启动窗口失败"));
    return std::nullopt;
  }
  started.operations =
      new Operations(*started.window, ProgramExportContext(), started.window.get());
  WireEvents(*started.window, *read, *started.operations);
  new WindowKeys(*started.window);
  started.operations->OnMainWindowCreated();
  started.window->MoveToScreenCentre();
  started.window->show();
  return started;
}

int RunQuillmark(QApplication& application, const WindowDescription& description) {
  const std::optional<StartedWindow> started = StartMainWindow(description);
  if (!started) return kFatalExitCode;
  return application.exec();
}

}  // namespace quillmark
