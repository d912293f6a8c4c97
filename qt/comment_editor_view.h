#pragma once

#include <Qsci/qsciscintilla.h>
#include <QWidget>

#include <memory>
#include <utility>

#include "editor/scintilla_comment_editor.h"
#include "emoji/emoji_completion.h"

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
  // Ends a composition under way with the text the user sees in the document.
  void CommitComposition();
  // Whether the caret stands on a screen: QScintilla places its lists on the
  // screen under the caret and fails where there is none.
  [[nodiscard]] bool CaretOnAScreen();
  // The view's Scintilla as the shared editor rules reach it.
  [[nodiscard]] ScintillaDirect Direct();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  QString pendingComposition_;
};

// The comment editor control: a frame that holds one Scintilla view filling
// it, and the editor rules over that view, through which the rest of the
// program reaches the comment, with the emoji completion.
class CommentEditorFrame : public QWidget {
  Q_OBJECT

 public:
  explicit CommentEditorFrame(QWidget* parent = nullptr);

  [[nodiscard]] CommentEditor& Editor() { return editor_; }
  [[nodiscard]] CommentEditorView* View() const { return view_; }
  [[nodiscard]] const EmojiCompletion& Completion() const { return completion_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  CommentEditorView* view_;
  ScintillaCommentEditor editor_;
  EmojiCompletion completion_;
  // The density and background that the list's pictures were made for.
  using PictureKind = std::pair<double, QRgb>;
  PictureKind pictureKind_;
};

}  // namespace quillmark
