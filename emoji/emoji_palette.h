#pragma once

#include "text/conversion.h"

namespace quillmark {

class CommentEditor;
class MainWindow;

// Hides the 26 message-only emoji, in ascending number order.
void HideMessageOnlyEmoji(const MainWindow& window);
// Shows the set that the comment-area radio asks for: the comment-area set
// while it is checked, the message set otherwise.
void ApplyPaletteMode(const MainWindow& window);
// Puts a GBK emoji code into the comment at the caret, as UTF-8.
void InsertEmoji(CommentEditor& editor, const Text& gbkCode);

}  // namespace quillmark
