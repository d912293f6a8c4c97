#include "shell/operations.h"

#include "emoji/emoji_palette.h"
#include "shell/comment_editor.h"
#include "shell/main_window.h"

namespace quillmark {

Operations::Operations(MainWindow& window, QObject* parent) : QObject(parent), window_(window) {}

void Operations::OnMainWindowCreated() {
  window_.Editor()->ConfigureCommentEditor();
  HideMessageOnlyEmoji(window_);
}

// The comment actions come with their own work; until then their buttons do nothing.
void Operations::CopyComment() {}
void Operations::ClearComment() {}
void Operations::ClearAccountName() {}
void Operations::ExportComment() {}
void Operations::ContactCustomerService() {}

void Operations::ApplyPaletteMode() { quillmark::ApplyPaletteMode(window_); }

void Operations::InsertEmoji(const Text& gbkCode) {
  quillmark::InsertEmoji(*window_.Editor(), gbkCode);
}

}  // namespace quillmark
