#pragma once

#include <string_view>
#include <vector>

namespace quillmark {

// The emoji offered for what was typed after an opening bracket, by number in
// catalogue order: those of the comment area whose label, toneless pinyin or
// pinyin initials begin with the typed UTF-8 text, ignoring the case of Latin
// letters. Nothing for an empty text; the message-only emoji never.
std::vector<int> EmojiMatching(std::string_view typed);

}  // namespace quillmark
