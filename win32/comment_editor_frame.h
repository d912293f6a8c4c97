#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "editor/scintilla_comment_editor.h"
#include "emoji/emoji_completion.h"
#include "win32/composition_ending.h"

namespace quillmark::win32 {

// The comment editor control: a frame that is the tab stop and holds one
// Scintilla window filling it, with the editor rules over that window and the
// Chinese context menu. Focus that reaches the frame goes on to Scintilla and
// leaves its caret and selection as they were.
class CommentEditorFrame {
 public:
  // The input context is Scintilla's through IMM unless one is given.
  CommentEditorFrame(HWND parent, int id, const RECT& place,
                     std::unique_ptr<InputContext> context = nullptr);
  CommentEditorFrame(const CommentEditorFrame&) = delete;
  CommentEditorFrame& operator=(const CommentEditorFrame&) = delete;
  ~CommentEditorFrame() = default;

  [[nodiscard]] HWND Window() const { return window_; }
  [[nodiscard]] HWND Scintilla() const { return scintilla_; }
  // Empty only when Scintilla's window class could not be created.
  [[nodiscard]] std::optional<ScintillaCommentEditor>& Editor() { return editor_; }
  // Whether Esc would close the comment's completion list rather than the window.
  [[nodiscard]] bool TakesEscape() const { return completion_ && completion_->ListOpen(); }

  void AttachWindow(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Ends what the input method is composing with the text the user sees.
  void CommitComposition();
  // The line-number margin for a screen of that many dots per inch; Scintilla
  // sizes the comment's font in points itself.
  void SetDotsPerInch(int dotsPerInch);

 private:
  void Notified(const NMHDR& header);
  void CreateScintilla();
  void ShowContextMenu(LPARAM screenPoint);

  HWND window_ = nullptr;
  HWND scintilla_ = nullptr;
  std::unique_ptr<InputContext> context_;
  std::unique_ptr<CompositionEnding> composition_;
  std::optional<ScintillaCommentEditor> editor_;
  std::optional<EmojiCompletion> completion_;
  int dotsPerInch_ = 96;
};

// Scintilla's window as the shared editor rules reach it.
ScintillaDirect DirectOf(HWND scintilla);

}  // namespace quillmark::win32
