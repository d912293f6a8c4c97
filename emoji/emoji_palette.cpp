#include "emoji/emoji_palette.h"

#include "controls/control_names.h"
#include "emoji/catalogue.h"

namespace quillmark {
namespace {

void SetSetVisible(WindowControls& controls, EmojiSet set, bool visible) {
  for (const int number : EmojiNumbersOf(set)) {
    controls.SetControlVisible(EmojiButtonName(EmojiByNumber(number)), visible);
  }
}

}  // namespace

void HideMessageOnlyEmoji(WindowControls& controls) {
  SetSetVisible(controls, EmojiSet::MessageOnly, false);
}

void ApplyPaletteMode(WindowControls& controls) {
  const bool commentAreaMode = controls.IsChecked(control_names::kCommentEmojiRadio);
  SetSetVisible(controls, EmojiSet::MessageOnly, !commentAreaMode);
  SetSetVisible(controls, EmojiSet::CommentOnly, commentAreaMode);
}

void InsertEmoji(CommentEditor& editor, const Text& gbkCode) {
  editor.CommitComposition();
  const ByteSet utf8 = GbkToUtf8Bytes(gbkCode);
  const std::string text(
      TextOf(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size())));
  editor.AddTextAtCaret(text, -1);
}

}  // namespace quillmark
