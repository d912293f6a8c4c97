#include "emoji/emoji_palette.h"

#include "emoji/catalogue.h"
#include "shell/comment_editor.h"
#include "shell/control_names.h"
#include "shell/main_window.h"

namespace quillmark {
namespace {

void SetSetVisible(const MainWindow& window, EmojiSet set, bool visible) {
  for (const int number : EmojiNumbersOf(set)) {
    window.SetControlVisible(EmojiButtonName(EmojiByNumber(number)), visible);
  }
}

}  // namespace

void HideMessageOnlyEmoji(const MainWindow& window) {
  SetSetVisible(window, EmojiSet::MessageOnly, false);
}

void ApplyPaletteMode(const MainWindow& window) {
  const bool commentAreaMode = window.IsChecked(control_names::kCommentEmojiRadio);
  SetSetVisible(window, EmojiSet::MessageOnly, !commentAreaMode);
  SetSetVisible(window, EmojiSet::CommentOnly, commentAreaMode);
}

void InsertEmoji(CommentEditor& editor, const Text& gbkCode) {
  editor.CommitComposition();
  const ByteSet utf8 = GbkToUtf8Bytes(gbkCode);
  const std::string text(
      TextOf(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size())));
  editor.AddTextAtCaret(text, -1);
}

}  // namespace quillmark
