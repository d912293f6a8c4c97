#pragma once

#include <Qsci/qsciscintilla.h>
#include <QWidget>

#include <memory>
#include <string_view>

#include "text/conversion.h"

class QMenu;

namespace quillmark {

// The Scintilla view inside the comment editor, with the Chinese context menu.
class CommentEditorView : public QsciScintilla {
  Q_OBJECT

 public:
  explicit CommentEditorView(QWidget* parent = nullptr);

  // The context menu as a right click shows it, its items enabled by the
  // document's state at this moment.
  [[nodiscard]] std::unique_ptr<QMenu> CreateChineseContextMenu();
  // Text the input method shows but has not committed yet.
  [[nodiscard]] const QString& PendingComposition() const { return pendingComposition_; }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  QString pendingComposition_;
};

// The comment being composed: a frame that holds one Scintilla view filling
// it. The rest of the program reaches the comment only through the operations
// below, which count in bytes of the document's UTF-8 text.
class CommentEditor : public QWidget {
  Q_OBJECT

 public:
  explicit CommentEditor(QWidget* parent = nullptr);

  [[nodiscard]] long GetTextLength() const;
  // The first n bytes of the document, ending at its first zero byte.
  [[nodiscard]] Text GetText(long n) const;
  // Replaces the document as one undo step; the caret goes to the start.
  void SetText(std::string_view text);
  // Empties the document as one undo step.
  void ClearText();
  // Inserts at the caret without replacing a selection, which collapses behind
  // the insertion; the view does not scroll. A length below -1 inserts nothing.
  void AddTextAtCaret(std::string_view text, long length = -1);
  // Line numbers in a 20-pixel margin and the comment font.
  void ConfigureCommentEditor();
  // Commits what the input method is composing, so that no operation lands
  // inside or reads half-formed pinyin.
  void CommitComposition();

  [[nodiscard]] CommentEditorView* View() const { return view_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ApplyCreationSettings();
  long Send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

  CommentEditorView* view_;
};

}  // namespace quillmark
