#pragma once

#include <windows.h>

#include <map>

#include "win32/picture_buttons.h"

namespace quillmark::win32 {

// The emoji palette as one stop in the keyboard's order, right after the
// comment. The window draws the emoji itself, so the stop is a child window of
// no size that holds the keyboard focus for them: while it has the focus, the
// window draws the focus mark on one emoji, which the arrow keys, Home and End
// move over the shown emoji by rows, and Enter or Space clicks it as the mouse
// would. Screen readers hear of each emoji that takes the mark as of a focus
// change on that child of the window's client object.
class PaletteFocus {
 public:
  // The emoji by number, as the group knows them by id; placed after the
  // comment's frame in the order of the window's children.
  PaletteFocus(HWND host, HWND after, PictureButtonGroup& buttons, std::map<int, int> idsByNumber);
  PaletteFocus(const PaletteFocus&) = delete;
  PaletteFocus& operator=(const PaletteFocus&) = delete;
  ~PaletteFocus() = default;

  [[nodiscard]] HWND Window() const { return window_; }
  void AttachWindow(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Show();
  void MoveTo(int number);
  [[nodiscard]] bool Shown(int number) const;

  HWND window_ = nullptr;
  HWND host_;
  PictureButtonGroup& buttons_;
  std::map<int, int> idsByNumber_;
  int current_ = 0;
};

}  // namespace quillmark::win32
