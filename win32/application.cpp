#include "win32/application.h"

#include <windows.h>

#include <Scintilla.h>
#include <commctrl.h>
#include <ole2.h>

#include <optional>
#include <string>

#include "win32/main_window.h"
#include "win32/wide_text.h"
#include "win32/win32_desktop.h"
#include "win32/window_builder.h"
#include "win32/window_keys.h"
#include "window/start_up.h"

namespace quillmark::win32 {
namespace {

// OLE, and with it COM, for the user-interface thread from start to exit.
class OleSession {
 public:
  OleSession() : initialised_(SUCCEEDED(::OleInitialize(nullptr))) {}
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  ~OleSession() {
    if (initialised_) ::OleUninitialize();
  }

 private:
  bool initialised_;
};

// Scintilla's window class, registered for the process's lifetime.
class ScintillaClasses {
 public:
  ScintillaClasses() { Scintilla_RegisterClasses(::GetModuleHandleW(nullptr)); }
  ScintillaClasses(const ScintillaClasses&) = delete;
  ScintillaClasses& operator=(const ScintillaClasses&) = delete;
  ~ScintillaClasses() { Scintilla_ReleaseResources(); }
};

int ShowFatalError(std::string_view error) {
  // A main window destroyed on the way here has posted the quit message,
  // which would end the box's own message loop before anyone saw it.
  MSG quit{};
  ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  ::MessageBoxW(nullptr, Widen(FatalErrorText(error)).c_str(), Widen(kFatalErrorTitle).c_str(),
                MB_OK | MB_ICONERROR);
  return kFatalExitCode;
}

// Esc closes the window from any control; Tab moves the focus as in a dialog
// unless the focused control claims it, and Ctrl+Tab moves it in any case.
// Enter is left to the focused control whole: no control is a default button.
// A press on another of the window's controls ends a composition first,
// while the comment still has the focus: the press would take the focus away
// before the control's click runs, and with it the composition's text. A
// press on any other window of the thread never does: an input method draws
// its candidate and status windows there, and a click on a candidate is how
// the user picks the word.
bool EndsComposition(const MSG& message, HWND window, const CommentEditorFrame& editor) {
  if (message.message != WM_LBUTTONDOWN && message.message != WM_LBUTTONDBLCLK) return false;
  if (message.hwnd != window && ::IsChild(window, message.hwnd) == 0) return false;
  return message.hwnd != editor.Window() && ::IsChild(editor.Window(), message.hwnd) == 0;
}

int RunMessageLoop(HWND window, CommentEditorFrame& editor) {
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if ((!editor.TakesEscape() && HandleCloseKey(message, window)) ||
        HandleNavigationKey(message, window)) {
      continue;
    }
    if (EndsComposition(message, window, editor)) editor.CommitComposition();
    const bool enter = (message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
                       message.wParam == VK_RETURN;
    if (!enter && ::IsDialogMessageW(window, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int RunQuillmark(const WindowDescription& description) {
  const OleSession ole;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  const ScintillaClasses scintilla;
  ::SetCurrentDirectoryW(ProgramFile().parent_path().c_str());
  const std::optional<WindowDescription> read = ReadWindowDescription(description);
  if (!read) return ShowFatalError(kDescriptionUnreadable);
  ProgramStart();
  const std::unique_ptr<MainWindow> window = CreateMainWindow(*read);
  if (window == nullptr) return ShowFatalError(kWindowNotCreated);
  Win32Desktop desktop(window->Window());
  Operations operations(*window, *window->EditorFrame()->Editor(), desktop);
  WireEvents(*window, *read, operations);
  operations.OnMainWindowCreated();
  window->FitToScreenDensity();
  window->ShowCentred();
  ::SetFocus(window->EditorFrame()->Window());
  return RunMessageLoop(window->Window(), *window->EditorFrame());
}

}  // namespace quillmark::win32
