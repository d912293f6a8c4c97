#pragma once

#include <string_view>

#include "text/conversion.h"

namespace quillmark {

// The comment being composed, as the operations reach it. Lengths and
// positions count bytes of the document's UTF-8 text.
class CommentEditor {
 public:
  CommentEditor() = default;
  CommentEditor(const CommentEditor&) = delete;
  CommentEditor& operator=(const CommentEditor&) = delete;
  virtual ~CommentEditor() = default;

  [[nodiscard]] virtual long GetTextLength() const = 0;
  // The first n bytes of the document, ending at its first zero byte.
  [[nodiscard]] virtual Text GetText(long n) const = 0;
  // Replaces the document as one undo step; the caret goes to the start.
  virtual void SetText(std::string_view text) = 0;
  // Empties the document as one undo step.
  virtual void ClearText() = 0;
  // Inserts at the caret without replacing a selection, which collapses behind
  // the insertion; the view does not scroll. A length below -1 inserts nothing.
  virtual void AddTextAtCaret(std::string_view text, long length = -1) = 0;
  // Line numbers in a 20-pixel margin and the comment font.
  virtual void ConfigureCommentEditor() = 0;
  // Ends what the input method is composing with its text in the document, so
  // that no operation lands inside or reads half-formed pinyin.
  virtual void CommitComposition() = 0;
};

}  // namespace quillmark
