#include "emoji/palette_navigation.h"

#include "emoji/catalogue.h"

namespace quillmark {
namespace {

bool ShownAt(int row, int column, const EmojiShown& shown) {
  return column >= 0 && column < kEmojisPerRow && shown(EmojiAtPalettePlace({row, column}));
}

// The next shown place from `column` on, stepping by `step`; -1 for none.
int NextShownInRow(int row, int column, int step, const EmojiShown& shown) {
  for (; column >= 0 && column < kEmojisPerRow; column += step) {
    if (ShownAt(row, column, shown)) return column;
  }
  return -1;
}

// The shown place nearest `column`, the left one first at equal distance.
int NearestShownInRow(int row, int column, const EmojiShown& shown) {
  for (int distance = 0; distance < kEmojisPerRow; ++distance) {
    if (ShownAt(row, column - distance, shown)) return column - distance;
    if (ShownAt(row, column + distance, shown)) return column + distance;
  }
  return -1;
}

}  // namespace

int PaletteNeighbour(int from, PaletteMove move, const EmojiShown& shown) {
  const PalettePlace place = EmojiPalettePlace(from);
  if (place.row < 0) return from;
  int row = place.row;
  int column = -1;
  switch (move) {
    case PaletteMove::Left:
      column = NextShownInRow(row, place.column - 1, -1, shown);
      break;
    case PaletteMove::Right:
      column = NextShownInRow(row, place.column + 1, 1, shown);
      break;
    case PaletteMove::RowStart:
      column = NextShownInRow(row, 0, 1, shown);
      break;
    case PaletteMove::RowEnd:
      column = NextShownInRow(row, kEmojisPerRow - 1, -1, shown);
      break;
    case PaletteMove::Up:
    case PaletteMove::Down:
      for (const int step = move == PaletteMove::Up ? -1 : 1; column < 0;) {
        row += step;
        if (row < 0 || row >= kPaletteRowCount) return from;
        column = NearestShownInRow(row, place.column, shown);
      }
      break;
  }
  return column < 0 ? from : EmojiAtPalettePlace({row, column});
}

int FirstShownEmoji(const EmojiShown& shown) {
  for (int row = 0; row < kPaletteRowCount; ++row) {
    if (const int column = NextShownInRow(row, 0, 1, shown); column >= 0) {
      return EmojiAtPalettePlace({row, column});
    }
  }
  return 0;
}

}  // namespace quillmark
