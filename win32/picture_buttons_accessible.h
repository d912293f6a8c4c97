#pragma once

#include <windows.h>

#include <vector>

namespace quillmark::win32 {

class PictureButtonGroup;
class PictureButtonsAccessible;

// What a screen reader finds in the client area of a window that draws its
// picture buttons itself (MSAA, which UI Automation reads through its proxy):
// first one push button per picture button, named as the group names it,
// invisible where hidden, at its place, pressed by its default action as a
// click presses it; then the window's own child controls. accNavigate walks
// them in that order, the hidden buttons skipped, and IEnumVARIANT lists them
// all.
//
// The objects handed out refer to the buttons; once the window is destroyed
// they are disconnected and answer every call with CO_E_OBJNOTCONNECTED.
class PictureButtonsAccessibility {
 public:
  explicit PictureButtonsAccessibility(const PictureButtonGroup& buttons) : buttons_(buttons) {}
  PictureButtonsAccessibility(const PictureButtonsAccessibility&) = delete;
  PictureButtonsAccessibility& operator=(const PictureButtonsAccessibility&) = delete;
  ~PictureButtonsAccessibility() { Disconnect(); }

  // Answers WM_GETOBJECT for OBJID_CLIENT: the result of LresultFromObject.
  LRESULT Answer(HWND window, WPARAM wParam);
  // For WM_DESTROY: every object handed out is cut off from the buttons.
  void Disconnect();
  // An object's last reference has gone.
  void Forget(const PictureButtonsAccessible* object);

 private:
  const PictureButtonGroup& buttons_;
  std::vector<PictureButtonsAccessible*> live_;
};

}  // namespace quillmark::win32
