#pragma once

#include <windows.h>

#include <string_view>

namespace quillmark::win32 {

// Gives a standard control the name that a screen reader reads for it (MSAA,
// and UI Automation through its proxy), in place of the one the system would
// take from the label before it, colon and all. Everything else a client asks
// is answered by the system's own object for the control. The name lives as
// long as the control.
void SetAccessibleName(HWND control, std::wstring_view name);

// For WM_GETOBJECT(OBJID_CLIENT) of a window that the program paints as a
// caption: static text named by the caption, as the system reads a Static
// control; everything else the system's object answers. 0 where that object
// cannot be made.
LRESULT AnswerAsStaticText(HWND window, WPARAM wParam, std::wstring_view caption);

}  // namespace quillmark::win32
