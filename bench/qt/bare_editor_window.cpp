// The toolkit's floor for start-up figures: a bare Qt window holding one
// QScintilla widget, nothing else. With --chinese it also shows one line of
// Chinese text, which makes the toolkit load a CJK font as any window with
// Chinese captions must.
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare editor window"));
  window.setFixedSize(680, 536);
  auto* editor = new QsciScintilla(&window);
  editor->setGeometry(8, 8, 656, 208);
  if (QCoreApplication::arguments().contains(QStringLiteral("--chinese"))) {
    auto* caption = new QLabel(QStringLiteral("复制留言"), &window);
    caption->setGeometry(8, 230, 200, 24);
  }
  window.show();
  return QApplication::exec();
}
