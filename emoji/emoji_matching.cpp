#include "emoji/emoji_matching.h"

#include <string>

#include "emoji/catalogue.h"

namespace quillmark {
namespace {

std::string LowerLatin(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// "wei xiao" -> "weixiao" and "wx".
void Compact(std::string_view pinyin, std::string& syllables, std::string& initials) {
  bool syllableStart = true;
  for (const char c : pinyin) {
    if (c == ' ') {
      syllableStart = true;
      continue;
    }
    syllables.push_back(c);
    if (syllableStart) initials.push_back(c);
    syllableStart = false;
  }
}

bool Offered(const Emoji& emoji, const std::string& typed) {
  if (emoji.set == EmojiSet::MessageOnly) return false;
  if (LowerLatin(emoji.label).starts_with(typed)) return true;
  std::string syllables;
  std::string initials;
  Compact(emoji.pinyin, syllables, initials);
  return syllables.starts_with(typed) || initials.starts_with(typed);
}

}  // namespace

std::vector<int> EmojiMatching(std::string_view typed) {
  std::vector<int> numbers;
  if (typed.empty()) return numbers;
  const std::string lower = LowerLatin(typed);
  for (const Emoji& emoji : EmojiCatalogue()) {
    if (Offered(emoji, lower)) numbers.push_back(emoji.number);
  }
  return numbers;
}

}  // namespace quillmark
