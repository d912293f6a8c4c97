#include "emoji/emoji_matching.h"

#include <string>
#include <vector>

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

// What a typed text may begin, for one offered emoji: "微笑", "weixiao" and
// "wx"; "ok" for OK.
struct MatchKeys {
  int number;
  std::string label;
  std::string syllables;
  std::string initials;
};

MatchKeys KeysOf(const Emoji& emoji) {
  MatchKeys keys{emoji.number, LowerLatin(emoji.label), {}, {}};
  bool syllableStart = true;
  for (const char c : emoji.pinyin) {
    if (c == ' ') {
      syllableStart = true;
      continue;
    }
    keys.syllables.push_back(c);
    if (syllableStart) keys.initials.push_back(c);
    syllableStart = false;
  }
  return keys;
}

// Made once, in catalogue order, without the message-only emoji.
const std::vector<MatchKeys>& OfferedKeys() {
  static const std::vector<MatchKeys> keys = [] {
    std::vector<MatchKeys> made;
    for (const Emoji& emoji : EmojiCatalogue()) {
      if (emoji.set != EmojiSet::MessageOnly) made.push_back(KeysOf(emoji));
    }
    return made;
  }();
  return keys;
}

}  // namespace

std::vector<int> EmojiMatching(std::string_view typed) {
  std::vector<int> numbers;
  if (typed.empty()) return numbers;
  const std::string lower = LowerLatin(typed);
  for (const MatchKeys& keys : OfferedKeys()) {
    if (keys.label.starts_with(lower) || keys.syllables.starts_with(lower) ||
        keys.initials.starts_with(lower)) {
      numbers.push_back(keys.number);
    }
  }
  return numbers;
}

}  // namespace quillmark
