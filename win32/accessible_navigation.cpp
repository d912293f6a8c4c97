#include "win32/accessible_navigation.h"

#include <windows.h>

#include <oleacc.h>

namespace quillmark::win32 {

long AccessibleNavigation::Navigate(long start, long direction) const {
  if (start == CHILDID_SELF) {
    if (direction == NAVDIR_FIRSTCHILD) {
      const long button = ShownFrom(1, 1);
      return button != 0 ? button : (others_ > 0 ? Buttons() + 1 : 0);
    }
    if (direction == NAVDIR_LASTCHILD) {
      return others_ > 0 ? Buttons() + others_ : ShownFrom(Buttons(), -1);
    }
    return -1;
  }
  if (start < 1 || start > Buttons() + others_) return -1;
  if (direction == NAVDIR_NEXT) return Next(start);
  if (direction == NAVDIR_PREVIOUS) return Previous(start);
  return -1;
}

// The first shown button from id on, stepping by step; 0 when none.
long AccessibleNavigation::ShownFrom(long id, long step) const {
  for (; id >= 1 && id <= Buttons(); id += step) {
    if (shown_[static_cast<std::size_t>(id - 1)]) return id;
  }
  return 0;
}

long AccessibleNavigation::Next(long start) const {
  if (start <= Buttons()) {
    const long button = ShownFrom(start + 1, 1);
    if (button != 0) return button;
    return others_ > 0 ? Buttons() + 1 : 0;
  }
  return start < Buttons() + others_ ? start + 1 : 0;
}

long AccessibleNavigation::Previous(long start) const {
  if (start <= Buttons()) return ShownFrom(start - 1, -1);
  return start > Buttons() + 1 ? start - 1 : ShownFrom(Buttons(), -1);
}

}  // namespace quillmark::win32
