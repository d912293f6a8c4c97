#include "actions/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "text/conversion.h"

namespace quillmark {

void PutTextOnClipboard(std::string_view gbkText) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return;
  auto* data = new QMimeData;  // the clipboard takes it over
  data->setText(QString::fromStdString(GbkToUtf8(gbkText)));
  clipboard->setMimeData(data, QClipboard::Clipboard);
}

}  // namespace quillmark
