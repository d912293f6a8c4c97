#include "shell/operations.h"

#include "actions/customer_service.h"
#include "emoji/emoji_palette.h"
#include "shell/comment_editor.h"
#include "shell/control_names.h"
#include "shell/main_window.h"

namespace quillmark {

Operations::Operations(MainWindow& window, ExportContext exportContext, QObject* parent)
    : QObject(parent), window_(window), exportContext_(std::move(exportContext)) {}

void Operations::OnMainWindowCreated() {
  window_.Editor()->ConfigureCommentEditor();
  HideMessageOnlyEmoji(window_);
}

void Operations::CopyComment() { quillmark::CopyComment(*window_.Editor()); }

void Operations::ClearComment() { window_.Editor()->ClearText(); }

void Operations::ClearAccountName() {
  window_.SetControlText(control_names::kAccountNameBox, QString());
}

void Operations::ExportComment() { quillmark::ExportComment(window_, exportContext_); }

void Operations::ContactCustomerService() { quillmark::ContactCustomerService(); }

void Operations::ApplyPaletteMode() { quillmark::ApplyPaletteMode(window_); }

void Operations::InsertEmoji(const Text& gbkCode) {
  quillmark::InsertEmoji(*window_.Editor(), gbkCode);
}

}  // namespace quillmark
