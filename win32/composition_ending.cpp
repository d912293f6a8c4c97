#include "win32/composition_ending.h"

#include <imm.h>

#include <vector>

namespace quillmark::win32 {
namespace {

// Long enough for an input method that completes in a later turn of the
// message loop; short enough that a click never feels slow.
constexpr ULONGLONG kResultWaitMilliseconds = 500;

class Imm final : public InputContext {
 public:
  explicit Imm(HWND window) : window_(window) {}

  [[nodiscard]] bool Composing() const override {
    const HIMC context = ::ImmGetContext(window_);
    if (context == nullptr) return false;
    const bool composing = ::ImmGetCompositionStringW(context, GCS_COMPSTR, nullptr, 0) > 0;
    ::ImmReleaseContext(window_, context);
    return composing;
  }
  void Complete() override {
    if (const HIMC context = ::ImmGetContext(window_)) {
      ::ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
      ::ImmReleaseContext(window_, context);
    }
  }
  [[nodiscard]] bool ComposesBeyondTheContext() const override {
    const HKL layout = ::GetKeyboardLayout(0);
    return ::ImmIsIME(layout) != 0 && ::ImmGetProperty(layout, IGP_SETCOMPSTR) == 0;
  }
  // Wine hands a reset to the input context of the window that the context
  // is active for, and only the top-level window's reaches the Linux input
  // method: the focus passes through that window for the call.
  void Reset() override {
    HWND focus = ::GetFocus();
    HWND topLevel = ::GetAncestor(window_, GA_ROOT);
    ::SetFocus(topLevel);
    if (const HIMC context = ::ImmGetContext(topLevel)) {
      ::ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
      ::ImmReleaseContext(topLevel, context);
    }
    ::SetFocus(focus);
  }

 private:
  HWND window_;
};

bool FromInputMethod(UINT message) {
  return (message >= WM_IME_STARTCOMPOSITION && message <= WM_IME_KEYLAST) ||
         (message >= WM_IME_SETCONTEXT && message <= WM_IME_KEYUP) || message == WM_CHAR;
}

}  // namespace

std::unique_ptr<InputContext> ImmInputContext(HWND window) { return std::make_unique<Imm>(window); }

void CompositionEnding::Observe(UINT message) {
  if (message == WM_IME_STARTCOMPOSITION) windowComposing_ = true;
  if (message == WM_IME_ENDCOMPOSITION) windowComposing_ = false;
}

void CompositionEnding::End() {
  if (!Open()) return;
  context_->Complete();
  WaitUntilClosed();
  if (context_->Composing() || context_->ComposesBeyondTheContext()) context_->Reset();
  windowComposing_ = false;
}

// Runs the posted messages that the input method works through (those of its
// own windows and of the thread) and what it posts to the window, while the
// program's other messages and the user's input wait their turn: a click or a
// key must not run in the middle of the operation that ends the composition.
void CompositionEnding::WaitUntilClosed() {
  const ULONGLONG deadline = ::GetTickCount64() + kResultWaitMilliseconds;
  std::vector<MSG> deferred;
  bool quit = false;
  int exitCode = 0;
  for (ULONGLONG now = ::GetTickCount64(); Open() && now < deadline; now = ::GetTickCount64()) {
    MSG message{};
    if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE) == 0) {
      ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now),
                                    QS_POSTMESSAGE | QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
      continue;
    }
    if (message.message == WM_QUIT) {
      quit = true;
      exitCode = static_cast<int>(message.wParam);
    } else if (Deferred(message)) {
      deferred.push_back(message);
    } else {
      ::DispatchMessageW(&message);
    }
  }
  for (const MSG& message : deferred) {
    ::PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
  }
  if (quit) ::PostQuitMessage(exitCode);
}

bool CompositionEnding::Deferred(const MSG& message) const {
  if (message.hwnd == nullptr) return false;
  if (message.hwnd == window_) return !FromInputMethod(message.message);
  HWND program = ::GetAncestor(window_, GA_ROOT);
  return message.hwnd == program || ::IsChild(program, message.hwnd) != 0;
}

}  // namespace quillmark::win32
