#pragma once

#include <windows.h>

#include <oleacc.h>

#include "win32/picture_buttons.h"

namespace quillmark::win32 {

// What a screen reader finds in the client area of a window that draws its
// picture buttons itself (MSAA, which UI Automation reads through its proxy):
// first one push button per picture button, named as the group names it,
// invisible where hidden, at its place, pressed by its default action as a
// click presses it; then the window's own child controls, as the system's
// accessible object of the client area shows them.
// Answers WM_GETOBJECT for OBJID_CLIENT; the result of LresultFromObject.
LRESULT AnswerAccessibilityRequest(HWND window, const PictureButtonGroup& buttons, WPARAM wParam);

}  // namespace quillmark::win32
