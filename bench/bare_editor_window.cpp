// The toolkit's floor for start-up figures: a bare Qt window holding one
// QScintilla widget, nothing else.
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare editor window"));
  window.setFixedSize(680, 536);
  auto* editor = new QsciScintilla(&window);
  editor->setGeometry(8, 8, 656, 208);
  window.show();
  return QApplication::exec();
}
