#pragma once

#include <windows.h>

#include <string_view>

#include "win32/handles.h"

namespace quillmark::win32 {

// A plain rectangle showing one picture in every state. A left press inside
// captures the mouse; the release over the button reports a click to the
// parent as BN_CLICKED, a release elsewhere none. Never takes the focus.
class PictureButton {
 public:
  PictureButton(HWND parent, int id, const RECT& place, UniqueBitmap picture);
  PictureButton(const PictureButton&) = delete;
  PictureButton& operator=(const PictureButton&) = delete;
  ~PictureButton() = default;

  [[nodiscard]] HWND Window() const { return window_; }

  void AttachWindow(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint() const;
  void Release(LPARAM point);

  HWND window_ = nullptr;
  UniqueBitmap picture_;
  bool pressed_ = false;
};

// The picture built into the program under the given path of the source
// tree, decoded and composed over the background colour; null when absent.
UniqueBitmap LoadPictureResource(std::string_view path, COLORREF background);

}  // namespace quillmark::win32
