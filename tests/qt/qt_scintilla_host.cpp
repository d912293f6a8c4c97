#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "qt/comment_editor_view.h"
#include "tests/editor/scintilla_host.h"

namespace quillmark::testing {
namespace {

// The Qt edition's Scintilla: the comment editor control's own view.
class QtScintillaHost final : public ScintillaHost {
 public:
  QtScintillaHost() { frame_.resize(656, 208); }
  [[nodiscard]] ScintillaDirect Direct() override { return frame_.View()->Direct(); }

  void Type(std::string_view utf8) override {
    for (const QChar character : QString::fromUtf8(utf8.data(), qsizetype(utf8.size()))) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
      QApplication::sendEvent(frame_.View(), &press);
    }
  }

  void Press(Key key) override {
    static constexpr Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Down,
                                        Qt::Key_Up};
    QTest::keyClick(frame_.View(), kKeys[static_cast<int>(key)]);
  }

 private:
  CommentEditorFrame frame_;
};

}  // namespace

std::unique_ptr<ScintillaHost> MakeScintillaHost() { return std::make_unique<QtScintillaHost>(); }

}  // namespace quillmark::testing
