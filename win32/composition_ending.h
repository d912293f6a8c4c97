#pragma once

#include <windows.h>

#include <memory>

namespace quillmark::win32 {

// What the thread's input method holds for a window, as the program asks it.
class InputContext {
 public:
  InputContext() = default;
  InputContext(const InputContext&) = delete;
  InputContext& operator=(const InputContext&) = delete;
  virtual ~InputContext() = default;

  // A composition holds text.
  [[nodiscard]] virtual bool Composing() const = 0;
  // Asks the input method to complete its composition into the window; one of
  // the Text Services Framework may do so only later.
  virtual void Complete() = 0;
  // The input method composes beyond the context, where the program cannot
  // reach: it takes no composition string from the program, as Wine's link
  // to a Linux input method reports of itself. Completing the context then
  // leaves it composing the same syllables.
  [[nodiscard]] virtual bool ComposesBeyondTheContext() const = 0;
  // Tells the input method to start afresh, throwing away what it composes.
  virtual void Reset() = 0;
};

// The window's input context through IMM, which both Windows' own input
// methods and those of the Text Services Framework answer.
std::unique_ptr<InputContext> ImmInputContext(HWND window);

// Ends what an input method is composing in a window, once, with the text the
// user sees: completed, then waited for, briefly, until the context holds no
// composition and the window has been told it ended; then reset only where
// the input method still composes.
class CompositionEnding {
 public:
  CompositionEnding(HWND window, std::unique_ptr<InputContext> context)
      : window_(window), context_(std::move(context)) {}

  // Each message the window receives, before the window handles it.
  void Observe(UINT message);
  void End();

 private:
  [[nodiscard]] bool Open() const { return windowComposing_ || context_->Composing(); }
  void WaitUntilClosed();
  [[nodiscard]] bool Deferred(const MSG& message) const;

  HWND window_;
  std::unique_ptr<InputContext> context_;
  bool windowComposing_ = false;
};

}  // namespace quillmark::win32
