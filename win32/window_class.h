#pragma once

#include <windows.h>

// Window classes whose procedure hands each message to the C++ object that
// owns the window: the object comes in as the creation parameter and stays in
// the window's user data.
namespace quillmark::win32 {

template <typename Owner>
LRESULT CALLBACK OwnerWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* owner = static_cast<Owner*>(creation->lpCreateParams);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    owner->AttachWindow(window);
  }
  auto* owner = reinterpret_cast<Owner*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  return owner->HandleMessage(message, wParam, lParam);
}

// Registers the class once per process; later calls find it registered.
template <typename Owner>
void RegisterOwnerClass(const wchar_t* className, UINT style, int backgroundColour) {
  WNDCLASSEXW windowClass{};
  if (::GetClassInfoExW(::GetModuleHandleW(nullptr), className, &windowClass)) return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = &OwnerWindowProcedure<Owner>;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = backgroundColour < 0 ? nullptr : ::GetSysColorBrush(backgroundColour);
  windowClass.lpszClassName = className;
  ::RegisterClassExW(&windowClass);
}

}  // namespace quillmark::win32
