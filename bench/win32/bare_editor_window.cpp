// The platform's floor for the Windows edition's start-up figures: a bare
// Win32 window holding one Scintilla control, built the same way as
// quillmark.exe, nothing else. With --chinese it also shows one Chinese
// caption in the default GUI font, which makes the system load a CJK font as
// any window with Chinese captions must.
#include <windows.h>

#include <Scintilla.h>
#include <ole2.h>

#include <cwchar>

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR commandLine, int /*show*/) {
  ::OleInitialize(nullptr);
  Scintilla_RegisterClasses(instance);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"BareEditorWindow";
  ::RegisterClassExW(&windowClass);
  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, 680, 536};
  ::AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  HWND window = ::CreateWindowExW(0, L"BareEditorWindow", L"Bare editor window", kStyle,
                                  CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                  outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
  ::CreateWindowExW(0, L"Scintilla", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 8, 8,
                    656, 208, window, nullptr, instance, nullptr);
  if (std::wcsstr(commandLine, L"--chinese") != nullptr) {
    HWND caption = ::CreateWindowExW(0, L"STATIC", L"复制留言", WS_CHILD | WS_VISIBLE, 8, 230, 72,
                                     31, window, nullptr, instance, nullptr);
    ::SendMessageW(caption, WM_SETFONT,
                   reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }
  ::ShowWindow(window, SW_SHOWNORMAL);
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  Scintilla_ReleaseResources();
  ::OleUninitialize();
  return static_cast<int>(message.wParam);
}
