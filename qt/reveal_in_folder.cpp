#include "qt/reveal_in_folder.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <system_error>

namespace quillmark {
namespace {

QString QtPathOf(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

// The freedesktop file-manager interface on the session bus. Returns nothing
// when no file manager owns the name, so that the caller can fall back.
std::optional<bool> ShowItemWithFileManager(const QUrl& item) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"),
      QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  call << QStringList{QString::fromUtf8(item.toEncoded())} << QString();
  const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
  if (reply.type() != QDBusMessage::ErrorMessage) return true;
  const QDBusError::ErrorType error = QDBusError(reply).type();
  if (error == QDBusError::ServiceUnknown || error == QDBusError::Disconnected) return std::nullopt;
  return false;
}

}  // namespace

bool PathExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

// The interface has no way to ask for the name to be edited, so a rename
// request changes nothing here.
bool RevealInFolder(const std::filesystem::path& path, bool /*renameRequest*/) {
  if (!PathExists(path)) return false;
  const std::filesystem::path absolute = std::filesystem::absolute(path);
  const QUrl item = QUrl::fromLocalFile(QtPathOf(absolute));
  if (const std::optional<bool> shown = ShowItemWithFileManager(item)) return *shown;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QtPathOf(absolute.parent_path())));
}

}  // namespace quillmark
