#pragma once

#include "controls/window_controls.h"
#include "editor/comment_editor.h"
#include "text/conversion.h"

namespace quillmark {

// Hides the 26 message-only emoji, in ascending number order.
void HideMessageOnlyEmoji(WindowControls& controls);
// Shows the set that the comment-area radio asks for: the comment-area set
// while it is checked, the message set otherwise.
void ApplyPaletteMode(WindowControls& controls);
// Puts a GBK emoji code into the comment at the caret, as UTF-8.
void InsertEmoji(CommentEditor& editor, const Text& gbkCode);

}  // namespace quillmark
