// A stand-in file manager for the tests: owns org.freedesktop.FileManager1 on
// the session bus and appends every URI that ShowItems receives to a file.
// Usage: fake_file_manager RECORD_FILE
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QStringList>

#include <cstdio>

class FileManager : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

 public:
  explicit FileManager(QString recordPath) : recordPath_(std::move(recordPath)) {}

 public slots:
  void ShowItems(const QStringList& uris, const QString& /*startupId*/) {
    QFile record(recordPath_);
    if (!record.open(QIODevice::Append)) return;
    for (const QString& uri : uris) record.write(uri.toUtf8() + '\n');
  }
  void ShowFolders(const QStringList& uris, const QString& startupId) {
    ShowItems(uris, startupId);
  }

 private:
  QString recordPath_;
};

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  if (argc != 2) return 2;
  FileManager fileManager(QString::fromLocal8Bit(argv[1]));
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
                          QDBusConnection::ExportAllSlots) ||
      !bus.registerService(QStringLiteral("org.freedesktop.FileManager1"))) {
    std::fprintf(stderr, "could not take the file manager's name\n");
    return 1;
  }
  return QCoreApplication::exec();
}

#include "fake_file_manager.moc"
