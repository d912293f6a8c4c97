#pragma once

namespace quillmark {

// The face bundled with the program for its own captions, menus and messages.
inline constexpr const char* kCaptionFontFamily = "Quillmark Captions";
inline constexpr int kGuiFontPoints = 9;

// Every control draws its text in the desktop's default GUI font, which on a
// desktop whose ANSI code page is 936 is 宋体 at 9 points. Here that is the
// bundled caption face, a few dozen kilobytes cut from the comment font's
// Song face, with 宋体 itself behind it for any other character, such as those
// typed into the account-name box. Drawing the fixed captions from the full
// face would map several megabytes of it into memory for about sixty
// characters. Call after SubstituteCommentFontFace() and before the first
// widget exists.
void UseDefaultGuiFont();

}  // namespace quillmark
