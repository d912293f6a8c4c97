#include "window/operations.h"

#include "actions/comment_actions.h"
#include "actions/customer_service.h"
#include "emoji/catalogue.h"
#include "emoji/emoji_palette.h"

namespace quillmark {

void Operations::OnMainWindowCreated() {
  editor_.ConfigureCommentEditor();
  HideMessageOnlyEmoji(controls_);
}

std::function<void()> Operations::HandlerFor(Operation operation, const ElementRecord& record) {
  switch (operation) {
    case Operation::CopyComment:
      return [this] { CopyComment(editor_, desktop_); };
    case Operation::ClearComment:
      return [this] { ClearComment(editor_); };
    case Operation::ClearAccountName:
      return [this] { ClearAccountName(controls_); };
    case Operation::ExportComment:
      return [this] { ExportComment(controls_, editor_, desktop_); };
    case Operation::ContactCustomerService:
      return [this] { ContactCustomerService(desktop_); };
    case Operation::ApplyPaletteMode:
      return [this] { ApplyPaletteMode(controls_); };
    case Operation::InsertEmoji: {
      // The code is looked up at the click: making the codes loads the code
      // page tables, which a window that is only looked at never needs.
      const int number = record.properties.emojiNumber;
      return [this, number] { InsertEmoji(editor_, EmojiCode(EmojiByNumber(number))); };
    }
    case Operation::OnMainWindowCreated:
      break;
  }
  return {};
}

}  // namespace quillmark
