#include "qt/qt_desktop.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>

#include "actions/automation_date.h"
#include "qt/reveal_in_folder.h"

namespace quillmark {

void QtDesktop::PutTextOnClipboard(std::string_view /*gbk*/, std::string_view utf8) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return;
  auto* data = new QMimeData;  // the clipboard takes it over
  data->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  clipboard->setMimeData(data, QClipboard::Clipboard);
}

bool QtDesktop::RevealInFolder(const std::filesystem::path& file) {
  return quillmark::RevealInFolder(file);
}

void QtDesktop::OpenUri(std::string_view uri) {
  QDesktopServices::openUrl(
      QUrl::fromEncoded(QByteArray(uri.data(), static_cast<qsizetype>(uri.size()))));
}

std::filesystem::path QtDesktop::ProgramFolder() const {
  return {QCoreApplication::applicationDirPath().toStdString()};
}

std::filesystem::path QtDesktop::DocumentsFolder() const {
  return {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString()};
}

double QtDesktop::Now() const { return CurrentAutomationDate(); }

bool QtDesktop::UsesTwentyFourHourClock() const {
  return QLocale::system().timeFormat(QLocale::ShortFormat).contains(QLatin1Char('H'));
}

}  // namespace quillmark
