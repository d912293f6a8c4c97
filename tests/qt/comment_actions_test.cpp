// The comment actions through the real widgets: the X11 clipboard's formats,
// a composition of the platform input method, undo in Scintilla and the
// account-name box's own press.
#include <Qsci/qsciscintillabase.h>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>

#include "tests/qt/gui_fixture.h"

namespace quillmark {
namespace {

class CommentActionsTest : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    QGuiApplication::clipboard()->clear();
  }
  [[nodiscard]] static std::string Clipboard() {
    return QGuiApplication::clipboard()->text().toStdString();
  }
  void Click(std::string_view name) const { QTest::mouseClick(ControlNamed(name), Qt::LeftButton); }
};

TEST_F(CommentActionsTest, CopyPutsPlainTextAndNothingElse) {
  Editor().SetText("first\r\n\r\n\r\nsecond [微笑]\r\n");
  Click("按钮1_复制文本");
  EXPECT_EQ(Document(), "first\r\nsecond [微笑]");
  EXPECT_EQ(Clipboard(), "first\r\nsecond [微笑]");
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")}) << "no other format";
}

TEST_F(CommentActionsTest, CopyCommitsAPendingComposition) {
  View()->setFocus();
  QInputMethodEvent preedit(QStringLiteral("zhong"), {});
  QCoreApplication::sendEvent(View(), &preedit);
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
  View()->SendScintilla(QsciScintillaBase::SCI_UNDO);
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
  EXPECT_EQ(Window().ControlText("编辑框_文件名"), "news");
  QTest::mouseDClick(box, Qt::LeftButton);
  EXPECT_EQ(box->text(), QString());
}

}  // namespace
}  // namespace quillmark
