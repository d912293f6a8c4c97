#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quillmark::win32 {

// A caption painted by the program in the scheme's button text colour. A wrapping label fills its
// rectangle with the window's background and breaks its caption into lines
// from the top edge; a transparent label draws one line, centred vertically,
// over whatever lies behind it.
class CaptionLabel {
 public:
  CaptionLabel(HWND parent, int id, const RECT& place, std::string_view caption, bool wraps);
  CaptionLabel(const CaptionLabel&) = delete;
  CaptionLabel& operator=(const CaptionLabel&) = delete;
  ~CaptionLabel() = default;

  [[nodiscard]] HWND Window() const { return window_; }

  void AttachWindow(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint() const;
  [[nodiscard]] std::wstring Caption() const;

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  bool wraps_;
};

}  // namespace quillmark::win32
