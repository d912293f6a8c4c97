#pragma once

#include <functional>

#include "actions/desktop.h"
#include "controls/window_controls.h"
#include "editor/comment_editor.h"
#include "window/window_description.h"

namespace quillmark {

// The operations that the main window's events run, one handler at a time,
// over the window's controls, the comment editor and the desktop.
class Operations {
 public:
  Operations(WindowControls& controls, CommentEditor& editor, Desktop& desktop)
      : controls_(controls), editor_(editor), desktop_(desktop) {}

  // The window-created event: configures the editor and hides the
  // message-only emoji, before the window is first shown.
  void OnMainWindowCreated();

  // What a control's event runs, by the binding table; nothing for the
  // window-created event, which start-up raises itself.
  [[nodiscard]] std::function<void()> HandlerFor(Operation operation, const ElementRecord& record);

 private:
  WindowControls& controls_;
  CommentEditor& editor_;
  Desktop& desktop_;
};

}  // namespace quillmark
