#include <Qsci/qsciscintillabase.h>
#include <unistd.h>
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>

#include <fstream>
#include <sstream>

#include "actions/automation_date.h"
#include "actions/comment_actions.h"
#include "controls/control_names.h"
#include "emoji/catalogue.h"
#include "tests/qt/desktop_in_folder.h"
#include "tests/qt/gui_fixture.h"

namespace quillmark {
namespace {

namespace fs = std::filesystem;

using GuiStressTest = testing::MainWindowTest;

using testing::DesktopInFolder;

// 64 MiB of comment lines without blank lines: copy and export keep every byte.
TEST_F(GuiStressTest, SixtyFourMebibyteCommentCopiedAndExportedByteExact) {
  const std::string line = "这是一条很长的留言 with ASCII too [微笑]\r\n";
  std::string comment;
  comment.reserve((64u << 20) + line.size());
  while (comment.size() < (64u << 20)) comment += line;
  comment.resize(comment.size() - 2);  // no final line break, so nothing is trimmed
  Editor().SetText(comment);
  QTest::mouseClick(ControlNamed("按钮1_复制文本"), Qt::LeftButton);
  ASSERT_EQ(Editor().GetTextLength(), static_cast<long>(comment.size()));
  EXPECT_TRUE(Document() == comment) << "the editor changed";
  EXPECT_TRUE(QGuiApplication::clipboard()->text().toStdString() == comment) << "clipboard";

  const fs::path directory =
      fs::temp_directory_path() / ("quillmark-stress-" + std::to_string(getpid()));
  fs::create_directories(directory);
  DesktopInFolder desktop(directory, directory, AutomationDateFrom(2024, 3, 15, 14, 30, 25));
  qobject_cast<QAbstractButton*>(ControlNamed(control_names::kOpenFolderCheckBox))
      ->setChecked(false);
  ExportComment(Window(), Editor(), desktop);
  const fs::path file =
      directory /
      ("03.15微信留言评论" + std::to_string(std::count(comment.begin(), comment.end(), '\n') + 1) +
       "-" + "143025.txt");
  std::ifstream written(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << written.rdbuf();
  EXPECT_TRUE(bytes.str() == Utf8ToGbk(comment)) << "the file is not the comment's GBK bytes";
  fs::remove_all(directory);
}

TEST_F(GuiStressTest, TenThousandEmojiInsertions) {
  std::vector<QWidget*> buttons;
  for (const Emoji& emoji : EmojiCatalogue()) {
    if (QWidget* button = ControlNamed(EmojiButtonName(emoji)); button->isVisible()) {
      buttons.push_back(button);
    }
  }
  View()->setFocus();
  std::string expected;
  for (std::size_t click = 0; click < 10000; ++click) {
    QWidget* button = buttons[click % buttons.size()];
    QTest::mouseClick(button, Qt::LeftButton);
    expected.append(button->accessibleName().toStdString());  // the code it inserts
    if (click % 10 == 9) {
      QTest::keyClick(View(), Qt::Key_Return);
      expected += "\r\n";
    }
  }
  EXPECT_TRUE(Document() == expected);
  EXPECT_EQ(View()->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT), 1001);
}

// Neither the program's folder nor the documents folder can be written.
TEST_F(GuiStressTest, ExportThatCannotBeWrittenAnywhere) {
  const fs::path base =
      fs::temp_directory_path() / ("quillmark-readonly-" + std::to_string(getpid()));
  fs::create_directories(base);
  std::ofstream(base / "file") << "no folder can be made under a file";
  // Root writes into read-only folders, so it gets a folder that is not there.
  const fs::path directory = geteuid() == 0 ? base / "gone" : base;
  if (geteuid() != 0) fs::permissions(base, fs::perms::owner_read | fs::perms::owner_exec);
  Editor().SetText("one\r\n\r\ntwo");
  const int windowsBefore = static_cast<int>(QGuiApplication::topLevelWindows().size());
  DesktopInFolder desktop(directory, base / "file" / "Documents", CurrentAutomationDate());
  ExportComment(Window(), Editor(), desktop);
  EXPECT_EQ(Document(), "one\r\ntwo");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "one\r\ntwo");
  EXPECT_EQ(desktop.reveals, std::vector<bool>{false}) << "no file, so nothing to show";
  EXPECT_EQ(static_cast<int>(QGuiApplication::topLevelWindows().size()), windowsBefore)
      << "no window of any kind appears";
  EXPECT_EQ(std::distance(fs::directory_iterator(base), fs::directory_iterator()), 1);
  fs::permissions(base, fs::perms::owner_all);
  fs::remove_all(base);
}

}  // namespace
}  // namespace quillmark
