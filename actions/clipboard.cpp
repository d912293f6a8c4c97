#include "actions/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quillmark {

void PutTextOnClipboard(std::string_view utf8Text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return;
  auto* data = new QMimeData;  // the clipboard takes it over
  data->setText(QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size())));
  clipboard->setMimeData(data, QClipboard::Clipboard);
}

}  // namespace quillmark
