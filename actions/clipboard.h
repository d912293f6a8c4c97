#pragma once

#include <string_view>

namespace quillmark {

// Puts a text (UTF-8, the same characters as the cleaned GBK comment) on the
// system clipboard as plain text and nothing else: on X11 the CLIPBOARD
// selection that any program's paste reads.
void PutTextOnClipboard(std::string_view utf8Text);

}  // namespace quillmark
