#include <windows.h>

#include <Scintilla.h>
#include <commctrl.h>
#include <ole2.h>

#include <memory>

#include "tests/editor/scintilla_host.h"
#include "win32/comment_editor_frame.h"
#include "win32/wide_text.h"

namespace quillmark::testing {
namespace {

// The Windows edition's Scintilla: the comment editor control's own, in a
// hidden top-level window.
class Win32ScintillaHost final : public ScintillaHost {
 public:
  Win32ScintillaHost()
      : parent_(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 680, 536, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr)),
        frame_(std::make_unique<win32::CommentEditorFrame>(parent_, 2, RECT{8, 8, 664, 216})) {}
  Win32ScintillaHost(const Win32ScintillaHost&) = delete;
  Win32ScintillaHost& operator=(const Win32ScintillaHost&) = delete;
  ~Win32ScintillaHost() override { ::DestroyWindow(parent_); }

  [[nodiscard]] ScintillaDirect Direct() override { return win32::DirectOf(frame_->Scintilla()); }

  void Type(std::string_view utf8) override {
    for (const wchar_t unit : win32::Widen(utf8)) {
      ::SendMessageW(frame_->Scintilla(), WM_CHAR, unit, 1);
    }
  }

  void Press(Key key) override {
    static constexpr WPARAM kKeys[] = {VK_RETURN, VK_TAB, VK_ESCAPE, VK_DOWN, VK_UP};
    ::SendMessageW(frame_->Scintilla(), WM_KEYDOWN, kKeys[static_cast<int>(key)], 1);
  }

 private:
  HWND parent_;
  std::unique_ptr<win32::CommentEditorFrame> frame_;
};

// As in the program: OLE for the thread, then Scintilla's window class.
const INITCOMMONCONTROLSEX kControls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
const bool kScintillaRegistered = SUCCEEDED(::OleInitialize(nullptr)) &&
                                  ::InitCommonControlsEx(&kControls) &&
                                  Scintilla_RegisterClasses(::GetModuleHandleW(nullptr)) != 0;

}  // namespace

std::unique_ptr<ScintillaHost> MakeScintillaHost() {
  return std::make_unique<Win32ScintillaHost>();
}

}  // namespace quillmark::testing
