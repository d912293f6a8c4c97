#pragma once

#include "editor/comment_font.h"

namespace quillmark {

// Where SimSun is not installed, as on most Linux desktops, lets the face
// resolve to an installed font with the same Chinese glyphs, rather than to a
// Latin font that borrows every Chinese glyph from fallback fonts, which makes
// laying out a long line many times slower.
void SubstituteCommentFontFace();

}  // namespace quillmark
