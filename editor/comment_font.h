#pragma once

namespace quillmark {

// The comment's face, "宋体" (SimSun), named in UTF-8 as Scintilla names fonts
// in a UTF-8 document, where the ANSI font functions took its GBK bytes.
inline constexpr const char* kCommentFontFace = "宋体";
inline constexpr int kCommentFontPoints = 12;

}  // namespace quillmark
