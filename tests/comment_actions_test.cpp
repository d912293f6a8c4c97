#include <Qsci/qsciscintillabase.h>
#include <unistd.h>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>

#include <fstream>
#include <sstream>

#include "actions/automation_date.h"
#include "actions/comment_actions.h"
#include "actions/date_time_format.h"
#include "tests/gui_fixture.h"
#include "text/reg_exp_engine.h"

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using Sci = QsciScintillaBase;

void TwentyFourHourClock(char* buffer, int /*size*/) {
  buffer[0] = '1';
  buffer[1] = '\0';
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

class CommentActionsTest : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetClockSettingReader(TwentyFourHourClock);
    directory_ = fs::temp_directory_path() / ("quillmark-actions-" + std::to_string(getpid()));
    fs::remove_all(directory_);
    fs::create_directories(directory_);
    QGuiApplication::clipboard()->clear();
  }
  void TearDown() override {
    SetClockSettingReader(nullptr);
    fs::permissions(directory_, fs::perms::owner_all);
    fs::remove_all(directory_);
  }

  [[nodiscard]] Text Document() const { return Editor().GetText(Editor().GetTextLength()); }
  [[nodiscard]] static std::string Clipboard() {
    return QGuiApplication::clipboard()->text().toStdString();
  }
  void Click(std::string_view name) const { QTest::mouseClick(ControlNamed(name), Qt::LeftButton); }

  // Exports into the test's folder at 2024-03-15 14:30:25, recording reveals.
  void Export() {
    const ExportContext context{directory_,
                                [] { return AutomationDateFrom(2024, 3, 15, 14, 30, 25); },
                                [this](const fs::path& path) {
                                  revealed_.push_back(path);
                                  return true;
                                }};
    ExportComment(Window(), context);
  }
  [[nodiscard]] std::vector<fs::path> Files() const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(directory_)) files.push_back(entry.path());
    return files;
  }

  fs::path directory_;
  std::vector<fs::path> revealed_;
};

TEST_F(CommentActionsTest, CopyRemovesBlankLinesInEditorAndClipboard) {
  Editor().SetText("first\r\n\r\n\r\nsecond [微笑]\r\n");
  Click("按钮1_复制文本");
  EXPECT_EQ(Document(), "first\r\nsecond [微笑]");
  EXPECT_EQ(Clipboard(), "first\r\nsecond [微笑]");
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")}) << "no other format";
  Click("按钮1_复制文本");
  EXPECT_EQ(Clipboard(), "first\r\nsecond [微笑]") << "the second copy changes nothing";
  EXPECT_EQ(Document(), "first\r\nsecond [微笑]");
}

TEST_F(CommentActionsTest, CopyOfAnEmptyCommentAndOfCharactersOutsideGbk) {
  QGuiApplication::clipboard()->setText(QStringLiteral("old"));
  Click("按钮1_复制文本");
  EXPECT_EQ(Clipboard(), "");
  EXPECT_EQ(Document(), "");
  Editor().SetText("好😀\r\n");
  Click("按钮1_复制文本");
  EXPECT_EQ(Document(), "好??");
  EXPECT_EQ(Clipboard(), "好??");
}

TEST_F(CommentActionsTest, CopyKeepsTheCommentWhenTheCleanUpCannotRun) {
  const RegExpEngineFactory previous =
      SetRegExpEngineFactory([] { return std::shared_ptr<RegExpEngine>(); });
  Editor().SetText("keep\r\n\r\nme");
  Click("按钮1_复制文本");
  SetRegExpEngineFactory(previous);
  EXPECT_EQ(Document(), "keep\r\n\r\nme") << "the editor is not emptied";
  EXPECT_EQ(Clipboard(), "keep\r\n\r\nme");
}

TEST_F(CommentActionsTest, CopyCommitsAPendingComposition) {
  Editor().View()->setFocus();
  QInputMethodEvent preedit(QStringLiteral("zhong"), {});
  QCoreApplication::sendEvent(Editor().View(), &preedit);
  Click("按钮1_复制文本");
  EXPECT_EQ(Clipboard(), "zhong");
  EXPECT_EQ(Document(), "zhong");
}

TEST_F(CommentActionsTest, ClearEmptiesTheEditorAndCanBeUndone) {
  Editor().SetText("a comment");
  QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
  Click("按钮3_清空留言");
  EXPECT_EQ(Document(), "");
  EXPECT_EQ(Clipboard(), "kept");
  Editor().View()->SendScintilla(Sci::SCI_UNDO);
  EXPECT_EQ(Document(), "a comment");
  Click("按钮3_清空留言");
  Click("按钮3_清空留言");
  EXPECT_EQ(Document(), "");
}

TEST_F(CommentActionsTest, LeftPressEmptiesTheAccountNameBoxAndTypingFollows) {
  auto* box = qobject_cast<QLineEdit*>(ControlNamed("编辑框_文件名"));
  box->setText(QStringLiteral("old name"));
  QTest::mouseClick(box, Qt::RightButton);
  EXPECT_EQ(box->text(), QStringLiteral("old name")) << "a right press leaves it";
  ControlNamed("选择框_打开TXT文件位置")->setFocus();
  QTest::keyClick(ControlNamed("选择框_打开TXT文件位置"), Qt::Key_Backtab);
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(box->text(), QStringLiteral("old name")) << "focus by keyboard leaves it";
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_EQ(box->text(), QString());
  EXPECT_TRUE(box->hasFocus());
  QTest::keyClicks(box, "news");
  EXPECT_EQ(box->text(), QStringLiteral("news"));
  QTest::mouseDClick(box, Qt::LeftButton);
  EXPECT_EQ(box->text(), QString());
}

TEST_F(CommentActionsTest, ExportWritesTheCleanedCommentUnderItsName) {
  Editor().SetText("一\r\n\r\n二\r\n三\r\n");
  Export();
  const fs::path expected = directory_ / "03.15微信留言评论3-143025.txt";
  ASSERT_EQ(Files(), std::vector<fs::path>{expected});
  EXPECT_EQ(ReadBytes(expected), Utf8ToGbk("一\r\n二\r\n三"));
  EXPECT_EQ(Document(), "一\r\n二\r\n三");
  EXPECT_EQ(Clipboard(), "一\r\n二\r\n三");
  EXPECT_EQ(revealed_, std::vector<fs::path>{expected}) << "the box is checked at start";
}

TEST_F(CommentActionsTest, ExportCountsThreeLinesWithOrWithoutAFinalBreak) {
  Window().SetControlText("编辑框_文件名", QStringLiteral("号"));
  Editor().SetText("a\nb\nc\n");
  Export();
  EXPECT_EQ(ReadBytes(directory_ / "03.15号评论3-143025.txt"), "a\nb\nc")
      << "the clean-up drops the final LF";
  Editor().SetText("a\r\nb\r\nc");
  Export();
  EXPECT_EQ(ReadBytes(directory_ / "03.15号评论3-143025.txt"), "a\r\nb\r\nc")
      << "a second export in the same second replaces the first";
  EXPECT_EQ(Files().size(), 1u);
}

TEST_F(CommentActionsTest, ExportOfAnEmptyCommentAndOfASpacesName) {
  Window().SetControlText("编辑框_文件名", QStringLiteral("   "));
  Export();
  const fs::path path = directory_ / "03.15   评论0-143025.txt";
  ASSERT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(CommentActionsTest, UncheckedBoxRevealsNothing) {
  QTest::mouseClick(ControlNamed("选择框_打开TXT文件位置"), Qt::LeftButton);
  ASSERT_FALSE(Window().IsChecked("选择框_打开TXT文件位置"));
  Editor().SetText("x");
  Export();
  EXPECT_EQ(Files().size(), 1u);
  EXPECT_TRUE(revealed_.empty());
}

TEST_F(CommentActionsTest, NamesWithSeparatorsWriteNothingAnywhere) {
  fs::create_directories(directory_ / "inside");
  for (const char* name : {"../escape", "inside/x", "a\\b"}) {
    Window().SetControlText("编辑框_文件名", QString::fromUtf8(name));
    Editor().SetText("text\r\n\r\nmore");
    Export();
    EXPECT_EQ(Document(), "text\r\nmore") << name << ": the editor and clipboard are still right";
    EXPECT_EQ(Clipboard(), "text\r\nmore");
  }
  EXPECT_EQ(Files(), std::vector<fs::path>{directory_ / "inside"});
  EXPECT_TRUE(fs::is_empty(directory_ / "inside"));
  EXPECT_FALSE(fs::exists(directory_.parent_path() / "escape评论2-143025.txt"));
  EXPECT_TRUE(revealed_.empty());
}

TEST_F(CommentActionsTest, ExportIntoAReadOnlyDirectoryStaysSilent) {
  fs::create_directories(directory_ / "03.15微信留言评论1-143025.txt");  // blocks the file
  Editor().SetText("line\r\n\r\n");
  Export();
  EXPECT_EQ(Document(), "line\r");
  EXPECT_EQ(Clipboard(), "line\r");
  EXPECT_EQ(revealed_.size(), 1u) << "the later steps still run";
}

}  // namespace
}  // namespace quillmark
