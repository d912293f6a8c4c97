// Reveal and customer-service contact against the real desktop services of a
// private session: a dbus-daemon started here with a stand-in file manager,
// and xdg-open with a handler for tencent: links in a temporary XDG home.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "actions/customer_service.h"
#include "qt/qt_desktop.h"
#include "qt/reveal_in_folder.h"

#ifndef FAKE_FILE_MANAGER
#error "FAKE_FILE_MANAGER names the stand-in file manager's executable"
#endif

namespace quillmark {
namespace {

namespace fs = std::filesystem;

QString ReadRecord(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Waits up to five seconds for a condition, running the event loop meanwhile.
template <typename Condition>
bool WaitFor(Condition condition) {
  for (int tries = 0; tries < 100; ++tries) {
    if (condition()) return true;
    QTest::qWait(50);
  }
  return condition();
}

// A private session bus, and a desktop home of each test's own. The suite
// runs under the xcb platform, whose desktop services start xdg-open.
class DesktopSession : public ::testing::Test {
 protected:
  // One session bus for the whole suite: Qt connects to the session bus once
  // per process, at the address it finds then.
  static void SetUpTestSuite() {
    busHome_ = new QTemporaryDir;
    busProcess_ = new QProcess;
    busProcess_->start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1"),
                        QStringLiteral("--address=unix:path=") + busHome_->filePath("bus")});
    if (busProcess_->waitForReadyRead(5000)) {
      qputenv("DBUS_SESSION_BUS_ADDRESS", busProcess_->readLine().trimmed());
    }
  }

  static void TearDownTestSuite() {
    busProcess_->kill();
    busProcess_->waitForFinished(2000);
    delete busProcess_;
    delete busHome_;
  }

  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus";
    for (const char* folder : {"config", "data/applications", "runtime"}) {
      QDir(home_.path()).mkpath(QString::fromLatin1(folder));
    }
    qputenv("HOME", home_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", home_.filePath("data").toUtf8());
    qputenv("XDG_DATA_DIRS", home_.filePath("data").toUtf8());
    qputenv("XDG_CURRENT_DESKTOP", "");
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
  }

  void TearDown() override {
    fileManager_.kill();
    fileManager_.waitForFinished(2000);
    WaitFor([] {
      return !QDBusConnection::sessionBus().interface()->isServiceRegistered(
          QStringLiteral("org.freedesktop.FileManager1"));
    });
  }

  void StartFileManager() {
    fileManager_.start(QStringLiteral(FAKE_FILE_MANAGER), {RecordPath()});
    ASSERT_TRUE(WaitFor([] {
      return QDBusConnection::sessionBus().interface()->isServiceRegistered(
          QStringLiteral("org.freedesktop.FileManager1"));
    })) << "the stand-in file manager did not take its name";
  }

  // Registers a handler for tencent: links that records the link it is given.
  void RegisterTencentHandler() {
    const QString script = home_.filePath("record-link.sh");
    std::ofstream(script.toStdString())
        << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << RecordPath().toStdString() << "'\n";
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::ofstream(home_.filePath("data/applications/record-link.desktop").toStdString())
        << "[Desktop Entry]\nType=Application\nName=Record link\nExec=" << script.toStdString()
        << " %u\nMimeType=x-scheme-handler/tencent;\nNoDisplay=true\n";
    std::ofstream(home_.filePath("config/mimeapps.list").toStdString())
        << "[Default Applications]\nx-scheme-handler/tencent=record-link.desktop\n";
  }

  [[nodiscard]] QString RecordPath() const { return home_.filePath("record.txt"); }
  [[nodiscard]] fs::path FileInHome(const char* name) const {
    const fs::path path = fs::path(home_.path().toStdString()) / name;
    std::ofstream(path) << "x";
    return path;
  }

  static inline QTemporaryDir* busHome_ = nullptr;
  static inline QProcess* busProcess_ = nullptr;
  QTemporaryDir home_;
  QProcess fileManager_;
};

TEST_F(DesktopSession, RevealHandsTheFileUriToTheFileManager) {
  StartFileManager();
  const fs::path file = FileInHome("03.15微信留言评论1-143025.txt");
  EXPECT_TRUE(RevealInFolder(file));
  EXPECT_TRUE(RevealInFolder(file, /*renameRequest=*/true)) << "the request changes nothing";
  const QString uri =
      QUrl::fromLocalFile(QString::fromStdString(file.string())).toString(QUrl::FullyEncoded);
  EXPECT_EQ(ReadRecord(RecordPath()), uri + '\n' + uri + '\n');
}

TEST_F(DesktopSession, RevealOfAMissingPathCallsNothing) {
  StartFileManager();
  EXPECT_FALSE(RevealInFolder(fs::path(home_.path().toStdString()) / "missing.txt"));
  QTest::qWait(100);
  EXPECT_EQ(ReadRecord(RecordPath()), QString());
  EXPECT_TRUE(PathExists(fs::path(home_.path().toStdString()))) << "a folder exists too";
}

TEST_F(DesktopSession, RevealWithoutAFileManagerOpensTheFolderInstead) {
  const fs::path file = FileInHome("a.txt");
  // No file manager owns the name: the folder goes to the desktop's open
  // facility, whose answer is the result; nothing is recorded and nothing hangs.
  const bool opened = RevealInFolder(file);
  EXPECT_EQ(opened, QFile::exists(QStringLiteral("/usr/bin/xdg-open")));
  EXPECT_EQ(ReadRecord(RecordPath()), QString());
}

TEST_F(DesktopSession, CustomerServiceLinkReachesTheRegisteredHandlerByteForByte) {
  RegisterTencentHandler();
  QtDesktop desktop;
  ContactCustomerService(desktop);
  ASSERT_TRUE(WaitFor([this] { return !ReadRecord(RecordPath()).isEmpty(); }))
      << "the handler was not started";
  EXPECT_EQ(ReadRecord(RecordPath()).toStdString(), CustomerServiceUri() + '\n');
  EXPECT_EQ(CustomerServiceUri(),
            "tencent://message/?uin=800012345&Site=https://www.example.com/&Menu=yes");
}

TEST_F(DesktopSession, CustomerServiceWithoutAHandlerShowsNothing) {
  QtDesktop desktop;
  ContactCustomerService(desktop);
  QTest::qWait(500);
  EXPECT_EQ(ReadRecord(RecordPath()), QString());
  EXPECT_TRUE(QGuiApplication::topLevelWindows().isEmpty()) << "no window of our own appears";
}

}  // namespace
}  // namespace quillmark
