#include <Qsci/qsciscintillabase.h>
#include <QPushButton>
#include <QSignalSpy>

#include "tests/qt/gui_fixture.h"

namespace quillmark {
namespace {

using testing::MainWindowTest;

TEST_F(MainWindowTest, EscInTheEditorClosesTheWindow) {
  View()->setFocus();
  QTest::keyClicks(View(), "unsaved");
  QTest::keyClick(View(), Qt::Key_Escape);
  EXPECT_FALSE(Window().isVisible());
}

TEST_F(MainWindowTest, EscClosesTheCompletionListFirst) {
  View()->setFocus();
  QTest::keyClicks(View(), "[wx");
  QTest::keyClick(View(), Qt::Key_Escape);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Editor().GetText(Editor().GetTextLength()), "[wx");
  QTest::keyClick(View(), Qt::Key_Escape);
  EXPECT_FALSE(Window().isVisible());
}

// QScintilla places its list on the screen under the caret and fails where
// there is none: there, the list does not open and typing goes on.
TEST_F(MainWindowTest, NoCompletionListWhereTheCaretIsOnNoScreen) {
  Window().move(-5000, -5000);
  View()->setFocus();
  QTest::keyClicks(View(), "[wx");
  EXPECT_EQ(View()->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE), 0);
  QTest::keyClick(View(), Qt::Key_Return);
  EXPECT_EQ(Editor().GetText(Editor().GetTextLength()), "[wx\r\n");
}

TEST_F(MainWindowTest, EscClosesFromEveryControlThatTakesFocus) {
  for (const char* name :
       {"编辑框_文件名", "按钮1_复制文本", "选择框_打开TXT文件位置", "图形按钮106_嘿哈"}) {
    Window().show();
    QWidget* control = ControlNamed(name);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_FALSE(Window().isVisible()) << name;
  }
}

TEST_F(MainWindowTest, EscWithAModifierDoesNotClose) {
  View()->setFocus();
  for (const Qt::KeyboardModifier modifier :
       {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
    QTest::keyClick(View(), Qt::Key_Escape, modifier);
    EXPECT_TRUE(Window().isVisible()) << modifier;
  }
}

TEST_F(MainWindowTest, TabInTheEditorIsTypedAndTabElsewhereMovesOn) {
  View()->setFocus();
  QTest::keyClicks(View(), "a");
  QTest::keyClick(View(), Qt::Key_Tab);
  EXPECT_EQ(Editor().GetText(Editor().GetTextLength()), "a\t");
  EXPECT_TRUE(View()->hasFocus());

  QWidget* accountName = ControlNamed("编辑框_文件名");
  accountName->setFocus();
  QTest::keyClick(accountName, Qt::Key_Tab);
  EXPECT_TRUE(ControlNamed("选择框_打开TXT文件位置")->hasFocus());
}

TEST_F(MainWindowTest, TabVisitsTheTabStopsAndSkipsTheDisabledRadio) {
  ControlNamed("单选框1_留言表情")->setFocus();
  std::vector<QString> visited;
  while (!View()->hasFocus() && visited.size() < 12) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget()->objectName());
  }
  const std::vector<QString> expected = {
      QStringLiteral("按钮1_复制文本"), QStringLiteral("按钮3_清空留言"),
      QStringLiteral("编辑框_文件名"),  QStringLiteral("选择框_打开TXT文件位置"),
      QStringLiteral("按钮2_导出TXT"),  View()->objectName()};
  EXPECT_EQ(visited, expected);
}

// Comment, palette, side panel: the palette is one stop, whose focus the
// arrows move and where Enter and Space insert at the comment's caret.
TEST_F(MainWindowTest, CtrlTabLeavesTheEditorThroughThePaletteForwardAndBack) {
  const auto ctrlTab = [](bool back) {
    QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                    back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
  };
  View()->setFocus();
  QTest::keyClicks(View(), "ab");
  QTest::keyClick(View(), Qt::Key_Left);
  ctrlTab(false);
  EXPECT_TRUE(ControlNamed("图形按钮106_嘿哈")->hasFocus());
  for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Return, Qt::Key_Space}) {
    QTest::keyClick(QApplication::focusWidget(), key);
  }
  EXPECT_TRUE(ControlNamed("图形按钮108_奸笑")->hasFocus());
  EXPECT_EQ(Editor().GetText(Editor().GetTextLength()), "a[奸笑][奸笑]b");
  ctrlTab(false);
  EXPECT_TRUE(ControlNamed("单选框1_留言表情")->hasFocus());
  ctrlTab(false);
  EXPECT_TRUE(ControlNamed("按钮1_复制文本")->hasFocus());
  ctrlTab(true);
  ctrlTab(true);
  EXPECT_TRUE(ControlNamed("图形按钮108_奸笑")->hasFocus()) << "back where it was left";
  ctrlTab(true);
  EXPECT_TRUE(View()->hasFocus());
  EXPECT_EQ(Editor().GetTextLength(), 18) << "no tab typed into the comment";
}

TEST_F(MainWindowTest, EnterStartsALineAndPressesNoButton) {
  View()->setFocus();
  QTest::keyClicks(View(), "a");
  QTest::keyClick(View(), Qt::Key_Return);
  EXPECT_EQ(Editor().GetText(Editor().GetTextLength()), "a\r\n");

  auto* copy = qobject_cast<QPushButton*>(ControlNamed("按钮1_复制文本"));
  QSignalSpy clicks(copy, &QPushButton::clicked);
  copy->setFocus();
  QTest::keyClick(copy, Qt::Key_Return);
  QTest::keyClick(copy, Qt::Key_Enter);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_TRUE(copy->hasFocus()) << "Enter does not move the focus";
  QTest::keyClick(copy, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 1) << "Space is how the keyboard clicks a button";
}

}  // namespace
}  // namespace quillmark
