#include "emoji/emoji_matching.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emoji/catalogue.h"

namespace quillmark {
namespace {

std::vector<std::string> OfferedLabels(std::string_view typed) {
  std::vector<std::string> labels;
  for (const int number : EmojiMatching(typed)) {
    labels.emplace_back(EmojiByNumber(number).label);
  }
  return labels;
}

// What follows the bracket, and the labels offered, in catalogue order.
TEST(EmojiMatching, OffersTheShownEmojiByLabelPinyinOrInitials) {
  const struct {
    const char* typed;
    std::vector<std::string> offered;
  } cases[] = {
      {"", {}},
      {"1", {}},
      {"微", {"微笑"}},
      {"weix", {"微笑"}},
      {"weixiao", {"微笑"}},
      {"wx", {"微笑"}},
      {"WX", {"微笑"}},
      {"ok", {"OK"}},
      {"Ok", {"OK"}},
      // No, 酷, 右太极 and 左太极 are message-only: never offered.
      {"no", {}},
      {"ku", {"困", "骷髅"}},
      {"右", {"右哼哼"}},
      {"zuo", {"左哼哼"}},
      // 调皮 reads tiao pi, not diao pi; 跳绳 is message-only.
      {"tiao", {"调皮", "跳跳"}},
      {"diao", {"凋谢"}},
      {"hx", {"害羞", "憨笑", "坏笑"}},
      {"qiang", {"强", "强壮"}},
      {"pt", {"破涕为笑"}},
      {"微笑]", {}},
      {"注", {}},
      {"wei xiao", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OfferedLabels(c.typed), c.offered) << "typed: " << c.typed;
  }
}

// Every Chinese label has a syllable of lowercase letters for each character,
// and a Latin label none, so that no emoji lacks its reading.
TEST(EmojiMatching, EveryLabelHasItsReading) {
  for (const Emoji& emoji : EmojiCatalogue()) {
    int characters = 0;
    bool latin = true;
    for (const char c : emoji.label) {
      if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
      if (static_cast<unsigned char>(c) >= 0x80) latin = false;
    }
    int syllables = emoji.pinyin.empty() ? 0 : 1;
    for (const char c : emoji.pinyin) {
      if (c == ' ') {
        ++syllables;
      } else {
        EXPECT_TRUE(c >= 'a' && c <= 'z') << emoji.label;
      }
    }
    EXPECT_EQ(syllables, latin ? 0 : characters) << emoji.label << " " << emoji.pinyin;
  }
}

}  // namespace
}  // namespace quillmark
