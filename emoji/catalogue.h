#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/conversion.h"

// The 120 emoji of the palette: their codes, buttons, sets and grid places.
namespace quillmark {

enum class EmojiSet { AlwaysShown, MessageOnly, CommentOnly };

struct Emoji {
  int number;              // 1 to 120
  std::string_view label;  // UTF-8 in the source; the code is held in GBK
  // The label's toneless pinyin, a syllable per character, spaced; empty for
  // a Latin label.
  std::string_view pinyin;
  EmojiSet set;
};

inline constexpr int kEmojiCount = 120;
inline constexpr int kEmojiSize = 24;

struct GridPlace {
  int left;
  int top;
};

// All entries in number order.
std::span<const Emoji> EmojiCatalogue();
const Emoji& EmojiByNumber(int number);

// "[" label "]" in GBK, the text a click inserts.
const Text& EmojiCode(const Emoji& emoji);
// "图形按钮" number "_" label, in UTF-8.
std::string EmojiButtonName(const Emoji& emoji);
// "emoji/pictures/" number ".png", the button's artwork in the source tree
// and among each edition's resources.
std::string EmojiPicturePath(const Emoji& emoji);
// Top-left corner of the emoji's button in the main window's client area.
GridPlace EmojiGridPlace(int number);

// The palette's rows, top to bottom, of fifteen places each, left to right.
inline constexpr int kPaletteRowCount = 8;
inline constexpr int kEmojisPerRow = 15;
struct PalettePlace {
  int row;
  int column;
};
PalettePlace EmojiPalettePlace(int number);
int EmojiAtPalettePlace(PalettePlace place);

// Numbers of a set in ascending order.
std::vector<int> EmojiNumbersOf(EmojiSet set);

}  // namespace quillmark
