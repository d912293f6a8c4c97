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
#include "emoji/picture_density.h"
#include "qt/picture_button.h"

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

namespace {

// An emoji's picture for the completion list, over the list's background, at
// the view's density as the palette chooses it.
EmojiCompletion::PictureSource ListPictures(const CommentEditorView* view) {
  return [view](const Emoji& emoji) -> std::optional<Bitmap> {
    const QColor background = view->palette().color(QPalette::Base);
    const QString path = QStringLiteral(":/") + QString::fromStdString(EmojiPicturePath(emoji));
    const double ratio = view->devicePixelRatioF();
    return PictureForRatio(
        ratio,
        [&](bool doubleArtwork) {
          return LoadPictureBitmap(doubleArtwork ? DoubleDensityPath(path) : path, background);
        },
        [ratio](int length) { return qRound(length * ratio); });
  };
}

// QScintilla takes a QImage where Scintilla takes RGBA bytes; one of twice the
// size is drawn at the picture's size in logical pixels.
EmojiCompletion::PictureRegistration ListPictureRegistration(CommentEditorView* view) {
  return [view](int type, const Bitmap& picture) {
    // A copy of its own: QScintilla keeps the image, which would otherwise
    // share the bitmap's pixels.
    QImage image =
        QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
               static_cast<qsizetype>(picture.width) * 4, QImage::Format_RGB32)
            .copy();
    image.setDevicePixelRatio(static_cast<double>(picture.width) / kEmojiSize);
    view->SendScintilla(QsciScintillaBase::SCI_REGISTERRGBAIMAGE, static_cast<unsigned long>(type),
                        image);
  };
}

}  // namespace

void CommentEditorView::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu = CreateChineseContextMenu();
  menu->exec(event->globalPos());
}

void CommentEditorView::inputMethodEvent(QInputMethodEvent* event) {
  pendingComposition_ = event->preeditString();
  QsciScintilla::inputMethodEvent(event);
}

bool CommentEditorView::CaretOnAScreen() {
  const auto caret = static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS));
  const QPoint point(static_cast<int>(SendScintilla(SCI_POINTXFROMPOSITION, 0UL, caret)),
                     static_cast<int>(SendScintilla(SCI_POINTYFROMPOSITION, 0UL, caret)));
  return QGuiApplication::screenAt(viewport()->mapToGlobal(point)) != nullptr;
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
      editor_(view_->Direct(), [this] { view_->CommitComposition(); }),
      completion_(view_->Direct(), ListPictures(view_), ListPictureRegistration(view_)) {
  // Focus that reaches the frame, by Tab or otherwise, goes straight on to the
  // view and leaves its caret and selection as they were.
  setFocusProxy(view_);
  setFocusPolicy(Qt::StrongFocus);
  view_->setGeometry(rect());
  connect(view_, &QsciScintillaBase::SCN_CHARADDED, this, [this](int /*character*/) {
    // Pictures made anew for another screen's density or another palette.
    const PictureKind kind{view_->devicePixelRatioF(),
                           view_->palette().color(QPalette::Base).rgb()};
    if (kind != pictureKind_) completion_.PicturesChanged();
    pictureKind_ = kind;
    completion_.CharacterAdded(view_->PendingComposition().isEmpty() && view_->CaretOnAScreen());
  });
  connect(view_, qOverload<const char*, int>(&QsciScintillaBase::SCN_AUTOCSELECTION), this,
          [this](const char* code, int /*position*/) { completion_.ItemChosen(code); });
}

void CommentEditorFrame::resizeEvent(QResizeEvent* /*event*/) { view_->setGeometry(rect()); }

}  // namespace quillmark
