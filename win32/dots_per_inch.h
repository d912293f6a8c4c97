#pragma once

#include <windows.h>

#include "win32/dpi_functions.h"
#include "window/display_scale.h"

// The window description's rectangles on a screen of any density.
namespace quillmark::win32 {

// The rectangle's edges scaled, so that neighbouring controls stay neighbours.
inline RECT ScaledRect(const RECT& place, int dotsPerInch) {
  return {ScaledLength(place.left, dotsPerInch), ScaledLength(place.top, dotsPerInch),
          ScaledLength(place.right, dotsPerInch), ScaledLength(place.bottom, dotsPerInch)};
}

// The density of the monitor the window is on, as the window is aware of it.
inline int DotsPerInchOf(HWND window) {
  const UINT dotsPerInch = DpiFunctions::OfThisWindows().ForWindow(window);
  return dotsPerInch == 0 ? kDescriptionDotsPerInch : static_cast<int>(dotsPerInch);
}

}  // namespace quillmark::win32
