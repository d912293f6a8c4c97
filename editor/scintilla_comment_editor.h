#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "editor/comment_editor.h"

namespace quillmark {

// A Scintilla control reached through the direct function and pointer that it
// hands out for SCI_GETDIRECTFUNCTION and SCI_GETDIRECTPOINTER, the same on
// every platform's build of Scintilla.
struct ScintillaDirect {
  using Function = std::intptr_t (*)(std::intptr_t pointer, unsigned int message,
                                     std::uintptr_t wParam, std::intptr_t lParam);
  Function function = nullptr;
  std::intptr_t pointer = 0;

  std::intptr_t Send(unsigned int message, std::uintptr_t wParam = 0,
                     std::intptr_t lParam = 0) const {
    return function(pointer, message, wParam, lParam);
  }
};

// The line-number margin's width, in pixels of a 96-dots-per-inch screen.
inline constexpr int kLineNumberMarginWidth = 20;

// The comment editor's rules over a Scintilla control: its settings at
// creation and at start-up, and the byte-counted operations. Committing an
// input-method composition belongs to the view around the control, which
// hands it in.
class ScintillaCommentEditor final : public CommentEditor {
 public:
  // Applies the creation settings to the control.
  ScintillaCommentEditor(ScintillaDirect scintilla, std::function<void()> commitComposition);

  [[nodiscard]] long GetTextLength() const override;
  [[nodiscard]] Text GetText(long n) const override;
  void SetText(std::string_view text) override;
  void ClearText() override;
  void AddTextAtCaret(std::string_view text, long length = -1) override;
  void ConfigureCommentEditor() override;
  void CommitComposition() override;

  [[nodiscard]] const ScintillaDirect& Scintilla() const { return scintilla_; }

 private:
  void ApplyCreationSettings() const;
  std::intptr_t Send(unsigned int message, std::uintptr_t wParam = 0,
                     std::intptr_t lParam = 0) const {
    return scintilla_.Send(message, wParam, lParam);
  }

  ScintillaDirect scintilla_;
  std::function<void()> commitComposition_;
};

}  // namespace quillmark
