#pragma once

namespace quillmark {

// The comment's face, "宋体" (SimSun), as the editor's style names it. Qt names
// fonts in UTF-8, where the ANSI font functions it replaces took GBK bytes.
inline constexpr const char* kCommentFontFace = "宋体";
inline constexpr int kCommentFontPoints = 12;

// Where SimSun is not installed, as on most Linux desktops, lets the face
// resolve to an installed font with the same Chinese glyphs, rather than to a
// Latin font that borrows every Chinese glyph from fallback fonts, which makes
// laying out a long line many times slower.
void SubstituteCommentFontFace();

}  // namespace quillmark
