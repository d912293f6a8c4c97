#pragma once

#include <functional>

namespace quillmark {

// The palette from the keyboard: a focus mark that the arrow keys move over
// the shown emoji, by rows as they are laid out.
enum class PaletteMove { Left, Right, Up, Down, RowStart, RowEnd };
using EmojiShown = std::function<bool(int number)>;

// Where the mark goes from the emoji `from`: along its row to the next shown
// emoji, or to the row's first or last; up or down to the nearest row that
// shows any, at the same place or the nearest shown one beside it. It stays
// where no shown emoji lies that way.
int PaletteNeighbour(int from, PaletteMove move, const EmojiShown& shown);
// The top-left shown emoji, where the mark starts; 0 when none is shown.
int FirstShownEmoji(const EmojiShown& shown);

}  // namespace quillmark
