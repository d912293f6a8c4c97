#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Owners of the GDI and USER handles that the front end creates.
namespace quillmark::win32 {

struct IconDeleter {
  void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct FontDeleter {
  void operator()(HFONT font) const { ::DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct MenuDeleter {
  void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// BeginPaint and EndPaint around one WM_PAINT.
class Painting {
 public:
  explicit Painting(HWND window) : window_(window) { ::BeginPaint(window_, &paint_); }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;
  ~Painting() { ::EndPaint(window_, &paint_); }
  [[nodiscard]] HDC Context() const { return paint_.hdc; }
  [[nodiscard]] const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

}  // namespace quillmark::win32
