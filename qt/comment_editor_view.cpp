#include "qt/comment_editor_view.h"

#include <Qsci/qsciscintillabase.h>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

#include "editor/context_menu.h"

namespace quillmark {

CommentEditorView::CommentEditorView(QWidget* parent) : QsciScintilla(parent) {}

std::unique_ptr<QMenu> CommentEditorView::CreateChineseContextMenu() {
  const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
  const bool clipboardHoldsText = clipboard != nullptr && clipboard->hasText();
  auto menu = std::make_unique<QMenu>(this);
  for (const ContextMenuItem& item : CommentContextMenu(Direct(), clipboardHoldsText)) {
    if (item.IsSeparator()) {
      menu->addSeparator();
      continue;
    }
    const unsigned int message = item.message;
    QAction* action =
        menu->addAction(QString::fromUtf8(item.caption.data(), qsizetype(item.caption.size())),
                        this, [this, message] { SendScintilla(message); });
    action->setEnabled(item.enabled);
  }
  return menu;
}

void CommentEditorView::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu = CreateChineseContextMenu();
  menu->exec(event->globalPos());
}

void CommentEditorView::inputMethodEvent(QInputMethodEvent* event) {
  pendingComposition_ = event->preeditString();
  QsciScintilla::inputMethodEvent(event);
}

ScintillaDirect CommentEditorView::Direct() {
  // Scintilla hands its direct function out as an integer message result.
  const auto function = SendScintilla(QsciScintillaBase::SCI_GETDIRECTFUNCTION);
  return {
      reinterpret_cast<ScintillaDirect::Function>(function),  // NOLINT(performance-no-int-to-ptr)
      static_cast<std::intptr_t>(SendScintilla(QsciScintillaBase::SCI_GETDIRECTPOINTER))};
}

// The input method puts the text it shows into the document itself and closes
// its composition: IBus does so on commit(); fcitx5, whose commit() does
// nothing, on reset(), which after a commit() finds nothing left to end. Text
// of the program's own would land twice. Only when no input method answered
// to the view, as where there is none, is the shown text put in here.
void CommentEditorView::CommitComposition() {
  if (pendingComposition_.isEmpty()) return;
  QInputMethod* inputMethod = QGuiApplication::inputMethod();
  inputMethod->commit();
  inputMethod->reset();
  if (pendingComposition_.isEmpty()) return;
  QInputMethodEvent commit;
  commit.setCommitString(pendingComposition_);
  QCoreApplication::sendEvent(this, &commit);
}

CommentEditorFrame::CommentEditorFrame(QWidget* parent)
    : QWidget(parent),
      view_(new CommentEditorView(this)),
      editor_(view_->Direct(), [this] { view_->CommitComposition(); }) {
  // Focus that reaches the frame, by Tab or otherwise, goes straight on to the
  // view and leaves its caret and selection as they were.
  setFocusProxy(view_);
  setFocusPolicy(Qt::StrongFocus);
  view_->setGeometry(rect());
}

void CommentEditorFrame::resizeEvent(QResizeEvent* /*event*/) { view_->setGeometry(rect()); }

}  // namespace quillmark
