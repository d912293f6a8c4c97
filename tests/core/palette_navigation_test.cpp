#include "emoji/palette_navigation.h"

#include <gtest/gtest.h>

#include "emoji/catalogue.h"

namespace quillmark {
namespace {

bool ShownInCommentArea(int number) { return EmojiByNumber(number).set != EmojiSet::MessageOnly; }

// The palette as it is shown: the top row 106 to 120, then 1 to 15, 16 to 30
// with 17 and 25 hidden, and so on to the last, 91 to 105, of which only 93
// to 96 are shown.
TEST(PaletteNavigation, MovesOverTheShownEmojiByRows) {
  const struct {
    int from;
    PaletteMove move;
    int to;
  } cases[] = {
      {106, PaletteMove::Right, 107},    {107, PaletteMove::Right, 108},
      {120, PaletteMove::Right, 120},    {16, PaletteMove::Left, 16},
      {16, PaletteMove::Right, 18},      {18, PaletteMove::Left, 16},
      {1, PaletteMove::Up, 106},         {106, PaletteMove::Up, 106},
      {2, PaletteMove::Down, 16},        {42, PaletteMove::Down, 57},
      {76, PaletteMove::Down, 93},       {90, PaletteMove::Down, 96},
      {93, PaletteMove::Down, 93},       {96, PaletteMove::Up, 81},
      {46, PaletteMove::RowEnd, 58},     {96, PaletteMove::RowStart, 93},
      {110, PaletteMove::RowStart, 106},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PaletteNeighbour(c.from, c.move, ShownInCommentArea), c.to)
        << c.from << " moved " << static_cast<int>(c.move);
  }
  EXPECT_EQ(FirstShownEmoji(ShownInCommentArea), 106);
  EXPECT_EQ(FirstShownEmoji([](int) { return false; }), 0);
}

}  // namespace
}  // namespace quillmark
