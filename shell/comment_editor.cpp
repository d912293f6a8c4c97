#include "shell/comment_editor.h"

#include "shell/comment_font.h"

#include <Qsci/qsciscintillabase.h>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

namespace quillmark {
namespace {

constexpr long kBlack = 0x000000;
constexpr long kWhite = 0xFFFFFF;
constexpr long kNavy = 0x800000;    // COLORREF: blue 128
constexpr long kYellow = 0x00FFFF;  // COLORREF: red 255, green 255
constexpr int kLineNumberMargin = 0;
constexpr int kSymbolMargin = 1;

}  // namespace

CommentEditorView::CommentEditorView(QWidget* parent) : QsciScintilla(parent) {}

std::unique_ptr<QMenu> CommentEditorView::CreateChineseContextMenu() {
  const bool writable = SendScintilla(QsciScintillaBase::SCI_GETREADONLY) == 0;
  const bool selected = SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEMPTY) == 0;
  auto menu = std::make_unique<QMenu>(this);
  const auto add = [this, &menu](const QString& caption, bool enabled,
                                 void (QsciScintilla::*slot)()) {
    QAction* action = menu->addAction(caption, this, slot);
    action->setEnabled(enabled);
  };
  add(QStringLiteral("撤消"), writable && SendScintilla(QsciScintillaBase::SCI_CANUNDO) != 0,
      &QsciScintilla::undo);
  add(QStringLiteral("重复"), writable && SendScintilla(QsciScintillaBase::SCI_CANREDO) != 0,
      &QsciScintilla::redo);
  menu->addSeparator();
  add(QStringLiteral("剪切"), writable && selected, &QsciScintilla::cut);
  add(QStringLiteral("复制"), selected, &QsciScintilla::copy);
  const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
  const bool pasteable = clipboard != nullptr && clipboard->hasText();
  add(QStringLiteral("粘贴"), writable && pasteable, &QsciScintilla::paste);
  add(QStringLiteral("删除"), writable && selected, &QsciScintilla::removeSelectedText);
  menu->addSeparator();
  menu->addAction(QStringLiteral("选择全部"), this, [this] { selectAll(true); });
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

CommentEditor::CommentEditor(QWidget* parent)
    : QWidget(parent), view_(new CommentEditorView(this)) {
  // Focus that reaches the frame, by Tab or otherwise, goes straight on to the
  // view and leaves its caret and selection as they were.
  setFocusProxy(view_);
  setFocusPolicy(Qt::StrongFocus);
  view_->setGeometry(rect());
  ApplyCreationSettings();
}

long CommentEditor::Send(unsigned int message, unsigned long wParam, long lParam) const {
  return view_->SendScintilla(message, wParam, lParam);
}

void CommentEditor::ApplyCreationSettings() {
  Send(QsciScintillaBase::SCI_SETMARGINWIDTHN, kSymbolMargin, 0);
  Send(QsciScintillaBase::SCI_SETREADONLY, 0);
  Send(QsciScintillaBase::SCI_SETHSCROLLBAR, 0);
  Send(QsciScintillaBase::SCI_SETVSCROLLBAR, 1);
  Send(QsciScintillaBase::SCI_SETVIEWWS, 0);
  Send(QsciScintillaBase::SCI_SETWHITESPACEFORE, 1, kBlack);
  Send(QsciScintillaBase::SCI_SETWHITESPACEBACK, 1, kWhite);
  Send(QsciScintillaBase::SCI_SETCURSOR, static_cast<unsigned long>(-1L));
  Send(QsciScintillaBase::SCI_SETEOLMODE, QsciScintillaBase::SC_EOL_CRLF);
  Send(QsciScintillaBase::SCI_SETVIEWEOL, 0);
  Send(QsciScintillaBase::SCI_SETSELFORE, 1, kWhite);
  Send(QsciScintillaBase::SCI_SETSELBACK, 1, kNavy);
  Send(QsciScintillaBase::SCI_SETCARETFORE, kBlack);
  Send(QsciScintillaBase::SCI_SETCARETLINEVISIBLE, 1);
  Send(QsciScintillaBase::SCI_SETCARETLINEBACK, kYellow);
  Send(QsciScintillaBase::SCI_SETINDENTATIONGUIDES, 0);
  Send(QsciScintillaBase::SCI_SETWRAPMODE, QsciScintillaBase::SC_WRAP_WORD);
  Send(QsciScintillaBase::SCI_SETCARETPERIOD, 500);
  Send(QsciScintillaBase::SCI_SETCARETWIDTH, 1);
  Send(QsciScintillaBase::SCI_SETCODEPAGE, QsciScintillaBase::SC_CP_UTF8);
}

void CommentEditor::ConfigureCommentEditor() {
  Send(QsciScintillaBase::SCI_SETMARGINTYPEN, kLineNumberMargin,
       QsciScintillaBase::SC_MARGIN_NUMBER);
  Send(QsciScintillaBase::SCI_SETMARGINWIDTHN, kLineNumberMargin, 20);
  view_->SendScintilla(QsciScintillaBase::SCI_STYLESETFONT, uintptr_t{0}, kCommentFontFace);
  Send(QsciScintillaBase::SCI_STYLESETSIZE, 0, kCommentFontPoints);
}

long CommentEditor::GetTextLength() const { return Send(QsciScintillaBase::SCI_GETLENGTH); }

Text CommentEditor::GetText(long n) const {
  if (n < 0) return {};
  Text buffer(static_cast<std::size_t>(n) + 1, '\0');
  view_->SendScintilla(QsciScintillaBase::SCI_GETTEXT, static_cast<unsigned long>(n) + 1,
                       static_cast<void*>(buffer.data()));
  return Text(TextOf(buffer));
}

void CommentEditor::SetText(std::string_view text) {
  const std::string terminated(TextOf(text));
  // A document replaced while word wrap is on is wrapped whole before the call
  // returns, a long moment for a long comment. Replaced with wrapping off, it
  // is wrapped as it is shown: the visible lines at once, the rest when idle.
  const long wrapMode = Send(QsciScintillaBase::SCI_GETWRAPMODE);
  Send(QsciScintillaBase::SCI_SETWRAPMODE, QsciScintillaBase::SC_WRAP_NONE);
  view_->SendScintilla(QsciScintillaBase::SCI_SETTEXT, uintptr_t{0}, terminated.c_str());
  Send(QsciScintillaBase::SCI_SETWRAPMODE, static_cast<unsigned long>(wrapMode));
}

void CommentEditor::ClearText() { Send(QsciScintillaBase::SCI_CLEARALL); }

void CommentEditor::AddTextAtCaret(std::string_view text, long length) {
  if (length < -1) return;
  const std::string terminated(TextOf(text));
  auto count = static_cast<long>(terminated.size());
  if (length != -1 && length <= count) count = length;
  // Its own undo step: Scintilla would otherwise merge adjacent insertions.
  Send(QsciScintillaBase::SCI_BEGINUNDOACTION);
  view_->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, static_cast<uintptr_t>(count),
                       terminated.c_str());
  Send(QsciScintillaBase::SCI_ENDUNDOACTION);
}

void CommentEditor::CommitComposition() {
  if (view_->PendingComposition().isEmpty()) return;
  QGuiApplication::inputMethod()->commit();
  if (view_->PendingComposition().isEmpty()) return;
  // No platform input context answered: commit the shown text ourselves.
  QInputMethodEvent commit;
  commit.setCommitString(view_->PendingComposition());
  QCoreApplication::sendEvent(view_, &commit);
}

void CommentEditor::resizeEvent(QResizeEvent* /*event*/) { view_->setGeometry(rect()); }

}  // namespace quillmark
