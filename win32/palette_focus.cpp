#include "win32/palette_focus.h"

#include <optional>

#include "emoji/palette_navigation.h"
#include "win32/window_class.h"

namespace quillmark::win32 {
namespace {

constexpr const wchar_t* kClassName = L"QuillmarkEmojiPalette";
// What a screen reader says as the focus arrives, before the emoji's own name.
constexpr const wchar_t* kPaletteName = L"表情";

std::optional<PaletteMove> MoveOf(WPARAM key) {
  switch (key) {
    case VK_LEFT:
      return PaletteMove::Left;
    case VK_RIGHT:
      return PaletteMove::Right;
    case VK_UP:
      return PaletteMove::Up;
    case VK_DOWN:
      return PaletteMove::Down;
    case VK_HOME:
      return PaletteMove::RowStart;
    case VK_END:
      return PaletteMove::RowEnd;
    default:
      return std::nullopt;
  }
}

constexpr LPARAM kRepeatedKey = 1 << 30;

}  // namespace

PaletteFocus::PaletteFocus(HWND host, HWND after, PictureButtonGroup& buttons,
                           std::map<int, int> idsByNumber)
    : host_(host), buttons_(buttons), idsByNumber_(std::move(idsByNumber)) {
  RegisterOwnerClass<PaletteFocus>(kClassName, 0, -1);
  ::CreateWindowExW(0, kClassName, kPaletteName, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                    host, nullptr, ::GetModuleHandleW(nullptr), this);
  if (window_ != nullptr && after != nullptr) {
    ::SetWindowPos(window_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

bool PaletteFocus::Shown(int number) const {
  const auto found = idsByNumber_.find(number);
  return found != idsByNumber_.end() && buttons_.IsVisible(found->second);
}

// The mark on the current emoji, and the news of it for screen readers.
void PaletteFocus::Show() {
  const auto found = idsByNumber_.find(current_);
  if (found == idsByNumber_.end()) return;
  buttons_.SetFocusMark(found->second);
  if (const int child = buttons_.ChildIdOf(found->second); child > 0) {
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, host_, OBJID_CLIENT, child);
  }
}

void PaletteFocus::MoveTo(int number) {
  if (number == current_) return;
  current_ = number;
  Show();
}

LRESULT PaletteFocus::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const auto shown = [this](int number) { return Shown(number); };
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
      // The top-left emoji the first time, then the one where it was left.
      if (!Shown(current_)) current_ = FirstShownEmoji(shown);
      Show();
      return 0;
    case WM_KILLFOCUS:
      buttons_.SetFocusMark(0);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_SPACE) {
        const auto found = idsByNumber_.find(current_);
        if ((lParam & kRepeatedKey) == 0 && found != idsByNumber_.end()) {
          buttons_.Click(found->second);
        }
        return 0;
      }
      if (const std::optional<PaletteMove> move = MoveOf(wParam)) {
        MoveTo(PaletteNeighbour(current_, *move, shown));
        return 0;
      }
      return ::DefWindowProcW(window_, message, wParam, lParam);
    case WM_CHAR:
      return 0;
    default:
      return ::DefWindowProcW(window_, message, wParam, lParam);
  }
}

}  // namespace quillmark::win32
