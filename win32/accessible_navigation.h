#pragma once

#include <vector>

namespace quillmark::win32 {

// The children of a window's client area as a screen reader walks them with
// accNavigate: the picture buttons that the window draws, child ids 1 to N in
// the order added, the hidden ones skipped; then the window's own child
// controls, N + 1 onwards, in the system's order.
class AccessibleNavigation {
 public:
  AccessibleNavigation(std::vector<bool> buttonsShown, long otherChildren)
      : shown_(std::move(buttonsShown)), others_(otherChildren) {}

  // The child reached from `start` (CHILDID_SELF for the window itself) in a
  // NAVDIR_ direction: FIRSTCHILD and LASTCHILD from the window, NEXT and
  // PREVIOUS from a child. 0 where none lies that way; -1 for a direction
  // that this order does not answer, such as a spatial one.
  [[nodiscard]] long Navigate(long start, long direction) const;

 private:
  [[nodiscard]] long Buttons() const { return static_cast<long>(shown_.size()); }
  [[nodiscard]] long ShownFrom(long id, long step) const;
  [[nodiscard]] long Next(long start) const;
  [[nodiscard]] long Previous(long start) const;

  std::vector<bool> shown_;
  long others_;
};

}  // namespace quillmark::win32
