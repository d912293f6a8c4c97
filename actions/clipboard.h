#pragma once

#include <string_view>

namespace quillmark {

// Puts a GBK text on the system clipboard as plain text with the same
// characters, and nothing else: on X11 the CLIPBOARD selection that any
// program's paste reads.
void PutTextOnClipboard(std::string_view gbkText);

}  // namespace quillmark
