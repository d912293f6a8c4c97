#include "qt/fatal_error.h"

#include <QMessageBox>

#include "window/start_up.h"

namespace quillmark {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void ShowFatalError(std::string_view error) {
  QMessageBox box(QMessageBox::Critical, FromUtf8(kFatalErrorTitle),
                  FromUtf8(FatalErrorText(error)), QMessageBox::Ok);
  box.exec();
}

}  // namespace quillmark
