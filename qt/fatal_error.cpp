#include "qt/fatal_error.h"

#include <QMessageBox>

namespace quillmark {

QString FatalErrorText(const QString& error) { return QStringLiteral("运行时出错!\n") + error; }

void ShowFatalError(const QString& error) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), FatalErrorText(error),
                  QMessageBox::Ok);
  box.exec();
}

}  // namespace quillmark
