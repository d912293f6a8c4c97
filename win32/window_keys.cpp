#include "win32/window_keys.h"

namespace quillmark::win32 {
namespace {

bool ModifierHeld() {
  return (::GetKeyState(VK_CONTROL) | ::GetKeyState(VK_SHIFT) | ::GetKeyState(VK_MENU)) < 0;
}

}  // namespace

bool HandleCloseKey(const MSG& message, HWND window) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE || ModifierHeld()) return false;
  if (message.hwnd != window && !::IsChild(window, message.hwnd)) return false;
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  return true;
}

namespace {

// The control the dialog manager steps from: the focused window, or the
// control that holds it, as the comment's frame holds Scintilla.
HWND TabStopHolding(HWND focus, HWND window) {
  HWND control = focus;
  for (HWND parent = ::GetParent(control);
       parent != nullptr && parent != window &&
       (::GetWindowLongPtrW(parent, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) == 0;
       parent = ::GetParent(control)) {
    control = parent;
  }
  return control;
}

}  // namespace

bool HandleNavigationKey(const MSG& message, HWND window) {
  if (message.message != WM_KEYDOWN) return false;
  HWND focus = ::GetFocus();
  if (focus == nullptr || !::IsChild(window, focus)) return false;
  if (message.wParam != VK_TAB || ::GetKeyState(VK_CONTROL) >= 0 || ::GetKeyState(VK_MENU) < 0) {
    return false;
  }
  const BOOL back = ::GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE;
  if (HWND next = ::GetNextDlgTabItem(window, TabStopHolding(focus, window), back)) {
    ::SetFocus(next);
  }
  return true;
}

}  // namespace quillmark::win32
