#include "qt/application.h"

#include <QDir>

#include "qt/comment_editor_view.h"
#include "qt/comment_font.h"
#include "qt/event_wiring.h"
#include "qt/fatal_error.h"
#include "qt/gui_font.h"
#include "qt/palette_focus.h"
#include "qt/window_builder.h"
#include "qt/window_keys.h"
#include "window/start_up.h"

// Resources built into a static library are registered by hand.
static void InitialiseResources() {
  Q_INIT_RESOURCE(resources);
  Q_INIT_RESOURCE(pictures);
  Q_INIT_RESOURCE(pictures_2x);
}

namespace quillmark {

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
    ShowFatalError(kDescriptionUnreadable);
    return std::nullopt;
  }
  ProgramStart();
  StartedWindow started{std::make_unique<QtDesktop>(), nullptr, CreateMainWindow(*read)};
  if (started.window == nullptr) {
    ShowFatalError(kWindowNotCreated);
    return std::nullopt;
  }
  started.operations = std::make_unique<Operations>(
      *started.window, started.window->EditorFrame()->Editor(), *started.desktop);
  WireEvents(*started.window, *read, *started.operations);
  new WindowKeys(*started.window);
  new PaletteFocus(*started.window);
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
