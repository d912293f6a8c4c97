// quillmark.exe with a stand-in for an input method's candidate window: a
// top-level window of the program's own thread in the screen's top-left
// corner that never takes the focus, as the text services that Sogou, QQ and
// Baidu Pinyin load into a program draw their candidate lists. A click on it
// must leave the composition open.
#include <windows.h>

#include "win32/application.h"

namespace {

LRESULT CALLBACK StandInProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  WNDCLASSEXW standIn{};
  standIn.cbSize = sizeof standIn;
  standIn.lpfnWndProc = &StandInProcedure;
  standIn.hInstance = instance;
  standIn.hbrBackground = ::GetSysColorBrush(COLOR_INFOBK);
  standIn.lpszClassName = L"QuillmarkCandidateStandIn";
  ::RegisterClassExW(&standIn);
  ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, standIn.lpszClassName,
                    L"candidate stand-in", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, 0, 120, 40,
                    nullptr, nullptr, instance, nullptr);
  return quillmark::win32::RunQuillmark(quillmark::MainWindowDescription());
}
