#include "win32/caption_label.h"

#include <string>

#include "win32/accessible_name.h"
#include "win32/handles.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace quillmark::win32 {
namespace {

constexpr const wchar_t* kClassName = L"QuillmarkLabel";

}  // namespace

CaptionLabel::CaptionLabel(HWND parent, int id, const RECT& place, std::string_view caption,
                           bool wraps)
    : wraps_(wraps) {
  RegisterOwnerClass<CaptionLabel>(kClassName, 0, -1);
  ::CreateWindowExW(wraps ? 0 : WS_EX_TRANSPARENT, kClassName, Widen(caption).c_str(), WS_CHILD,
                    place.left, place.top, place.right - place.left, place.bottom - place.top,
                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                    ::GetModuleHandleW(nullptr), this);
}

LRESULT CaptionLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam) != 0) ::InvalidateRect(window_, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT, or not at all behind a transparent caption
    case WM_PAINT:
      Paint();
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // a caption takes no clicks
    case WM_GETOBJECT:
      // Read as static text with its caption, not as an unknown window.
      if (static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
        if (const LRESULT result = AnswerAsStaticText(window_, wParam, Caption()); result != 0) {
          return result;
        }
      }
      return ::DefWindowProcW(window_, message, wParam, lParam);
    default:
      return ::DefWindowProcW(window_, message, wParam, lParam);
  }
}

std::wstring CaptionLabel::Caption() const {
  std::wstring caption(static_cast<std::size_t>(::GetWindowTextLengthW(window_)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(
      ::GetWindowTextW(window_, caption.data(), static_cast<int>(caption.size()))));
  return caption;
}

void CaptionLabel::Paint() const {
  const Painting painting(window_);
  const HDC context = painting.Context();
  RECT client{};
  ::GetClientRect(window_, &client);
  if (wraps_) ::FillRect(context, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  const std::wstring caption = Caption();
  const HGDIOBJ previousFont = ::SelectObject(context, font_);
  ::SetBkMode(context, TRANSPARENT);
  // The scheme's colours, so that a caption stays legible in high contrast.
  ::SetTextColor(context,
                 ::GetSysColor(::IsWindowEnabled(window_) != 0 ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const UINT format =
      wraps_ ? DT_LEFT | DT_TOP | DT_WORDBREAK : DT_LEFT | DT_VCENTER | DT_SINGLELINE;
  ::DrawTextW(context, caption.c_str(), static_cast<int>(caption.size()), &client,
              format | DT_NOPREFIX);
  ::SelectObject(context, previousFont);
}

}  // namespace quillmark::win32
