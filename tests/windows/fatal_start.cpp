// The Windows start-up when it cannot go on, for fatal_start_under_wine.sh:
// with "unreadable" on a description that cannot be read; with "uncreatable"
// on the real description while the account box's class is refused, so that
// the failure comes after the main window exists.
#include <windows.h>

#include <commctrl.h>

#include <string_view>

#include "win32/application.h"

namespace {

LRESULT CALLBACK RefuseEditControls(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const wchar_t* className = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->lpszClass;
    if (!IS_INTRESOURCE(className) && ::lstrcmpiW(className, WC_EDITW) == 0) return 1;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR commandLine,
                    int /*show*/) {
  if (std::wstring_view(commandLine) == L"uncreatable") {
    ::SetWindowsHookExW(WH_CBT, RefuseEditControls, nullptr, ::GetCurrentThreadId());
    return quillmark::win32::RunQuillmark(quillmark::MainWindowDescription());
  }
  return quillmark::win32::RunQuillmark({});
}
