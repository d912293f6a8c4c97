#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Owners of the GDI and USER handles that the front end creates.
namespace quillmark::win32 {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

struct IconDeleter {
  void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct MenuDeleter {
  void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct WindowDeleter {
  void operator()(HWND window) const { ::DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

// A memory device context with one bitmap selected into it for its lifetime.
class MemoryDrawing {
 public:
  MemoryDrawing(HDC screen, HBITMAP bitmap)
      : context_(::CreateCompatibleDC(screen)), previous_(::SelectObject(context_, bitmap)) {}
  MemoryDrawing(const MemoryDrawing&) = delete;
  MemoryDrawing& operator=(const MemoryDrawing&) = delete;
  ~MemoryDrawing() {
    ::SelectObject(context_, previous_);
    ::DeleteDC(context_);
  }
  [[nodiscard]] HDC Context() const { return context_; }

 private:
  HDC context_;
  HGDIOBJ previous_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class Painting {
 public:
  explicit Painting(HWND window) : window_(window) { ::BeginPaint(window_, &paint_); }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;
  ~Painting() { ::EndPaint(window_, &paint_); }
  [[nodiscard]] HDC Context() const { return paint_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

}  // namespace quillmark::win32
