#pragma once

#include <windows.h>

namespace quillmark::win32 {

// Esc without Ctrl, Shift or Alt, pressed anywhere in the window, closes it:
// true when the message was that key and has been handled.
bool HandleCloseKey(const MSG& message, HWND window);

// Ctrl+Tab and Ctrl+Shift+Tab move the focus to the next or previous control
// even out of the comment, which takes Tab itself, so that every control can
// be reached from the keyboard. True when the message was such a key.
bool HandleNavigationKey(const MSG& message, HWND window);

}  // namespace quillmark::win32
