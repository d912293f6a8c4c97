// A composition ended for an operation, over the comment editor's own
// Scintilla with a stand-in input context: the operation reads the comment
// only once the input method's word has reached it, and the input method is
// reset only where it goes on composing.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "editor/scintilla_messages.h"
#include "tests/core/fakes.h"
#include "win32/comment_editor_frame.h"
#include "win32/window_class.h"
#include "window/operations.h"

namespace quillmark {
namespace {

constexpr UINT kReplaceSelection = 2170;  // SCI_REPLACESEL
constexpr UINT kDeliver = WM_APP;
constexpr int kNever = -1;

// An input method that completes its composition a moment after it is asked,
// from a window of its own, as those of the Text Services Framework do; or
// never, or one that composes beyond the context.
class StandInContext final : public win32::InputContext {
 public:
  StandInContext(int delayMilliseconds, bool beyond) : delay_(delayMilliseconds), beyond_(beyond) {
    win32::RegisterOwnerClass<StandInContext>(L"QuillmarkStandInInputMethod", 0, -1);
    ::CreateWindowExW(0, L"QuillmarkStandInInputMethod", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                      ::GetModuleHandleW(nullptr), this);
  }
  StandInContext(const StandInContext&) = delete;
  StandInContext& operator=(const StandInContext&) = delete;
  ~StandInContext() override {
    if (worker_.joinable()) worker_.join();
    ::DestroyWindow(window_);
  }

  void Begin(HWND scintilla, std::string word) {
    scintilla_ = scintilla;
    word_ = std::move(word);
    composing_ = true;
    ::SendMessageW(scintilla_, WM_IME_STARTCOMPOSITION, 0, 0);
  }
  [[nodiscard]] bool Composing() const override { return composing_; }
  void Complete() override {
    if (delay_ == kNever) return;
    worker_ = std::thread([this] {
      std::this_thread::sleep_for(std::chrono::milliseconds(delay_));
      ::PostMessageW(window_, kDeliver, 0, 0);
    });
  }
  [[nodiscard]] bool ComposesBeyondTheContext() const override { return beyond_; }
  void Reset() override {
    ++resets;
    composing_ = false;
  }

  void AttachWindow(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kDeliver) return ::DefWindowProcW(window_, message, wParam, lParam);
    ::SendMessageW(scintilla_, kReplaceSelection, 0, reinterpret_cast<LPARAM>(word_.c_str()));
    composing_ = false;
    ::SendMessageW(scintilla_, WM_IME_ENDCOMPOSITION, 0, 0);
    return 0;
  }

  int resets = 0;

 private:
  int delay_;
  bool beyond_;
  HWND window_ = nullptr;
  HWND scintilla_ = nullptr;
  std::string word_;
  bool composing_ = false;
  std::thread worker_;
};

struct Case {
  const char* name;
  int delayMilliseconds;
  bool beyond;
  const char* copied;
  int resets;
};

TEST(CompositionEnding, CopyWaitsForTheWordAndResetsOnlyWhatStillComposes) {
  const Case cases[] = {
      {"completes at once", 0, false, "第一条你好", 0},
      {"completes 150 ms later", 150, false, "第一条你好", 0},
      {"composes beyond the context", 0, true, "第一条你好", 1},
      {"never completes", kNever, false, "第一条", 1},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 680, 536, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    auto owned = std::make_unique<StandInContext>(test.delayMilliseconds, test.beyond);
    StandInContext& context = *owned;
    win32::CommentEditorFrame frame(parent, 2, RECT{8, 8, 664, 216}, std::move(owned));
    ASSERT_TRUE(frame.Editor().has_value());
    CommentEditor& editor = *frame.Editor();
    editor.AddTextAtCaret("第一条");
    context.Begin(frame.Scintilla(), "你好");

    testing::FakeControls controls;
    testing::FakeDesktop desktop;
    Operations operations(controls, editor, desktop);
    const auto started = std::chrono::steady_clock::now();
    for (const ElementRecord& record : MainWindowDescription()) {
      if (!record.events.empty() && record.events.front().operation == Operation::CopyComment) {
        operations.HandlerFor(Operation::CopyComment, record)();
      }
    }
    const auto waited = std::chrono::steady_clock::now() - started;

    ASSERT_EQ(desktop.clipboard.size(), 1U);
    EXPECT_EQ(desktop.clipboard.front().utf8, test.copied);
    EXPECT_EQ(TextOf(editor.GetText(editor.GetTextLength())), test.copied);
    EXPECT_EQ(context.resets, test.resets);
    EXPECT_LT(waited, std::chrono::seconds(1));
    ::DestroyWindow(parent);
  }
}

}  // namespace
}  // namespace quillmark
