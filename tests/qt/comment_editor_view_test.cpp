// The comment editor as a widget: its frame, the keys typed into it, the
// Chinese context menu and focus that arrives by Tab.
#include <Qsci/qsciscintillabase.h>
#include <QClipboard>
#include <QMenu>

#include "tests/qt/gui_fixture.h"

namespace quillmark {
namespace {

using Sci = QsciScintillaBase;

class CommentEditorViewTest : public testing::MainWindowTest {
 protected:
  long Send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const {
    return View()->SendScintilla(message, wParam, lParam);
  }
  [[nodiscard]] long Caret() const { return Send(Sci::SCI_GETCURRENTPOS); }
  [[nodiscard]] long Anchor() const { return Send(Sci::SCI_GETANCHOR); }
  void Select(long anchor, long caret) const { Send(Sci::SCI_SETSEL, anchor, caret); }
};

TEST_F(CommentEditorViewTest, ViewFillsItsFrameAndEnterTypesALineEnd) {
  EXPECT_EQ(Window().EditorFrame()->geometry(), QRect(8, 8, 656, 208));
  EXPECT_EQ(View()->geometry(), QRect(0, 0, 656, 208)) << "the view fills its frame";
  EXPECT_EQ(Send(Sci::SCI_GETMARGINWIDTHN, 0), 20) << "configured when the window was created";
  View()->setFocus();
  QTest::keyClicks(View(), "a");
  QTest::keyClick(View(), Qt::Key_Return);
  EXPECT_EQ(Document(), "a\r\n");
}

TEST_F(CommentEditorViewTest, ChineseContextMenuFollowsTheDocumentState) {
  const auto captionsAndStates = [this] {
    std::vector<std::pair<QString, bool>> items;
    const std::unique_ptr<QMenu> menu = View()->CreateChineseContextMenu();
    for (const QAction* action : menu->actions()) {
      items.emplace_back(action->isSeparator() ? QStringLiteral("-") : action->text(),
                         action->isEnabled());
    }
    return items;
  };
  using Items = std::vector<std::pair<QString, bool>>;
  QApplication::clipboard()->clear();
  EXPECT_EQ(captionsAndStates(), (Items{{"撤消", false},
                                        {"重复", false},
                                        {"-", true},
                                        {"剪切", false},
                                        {"复制", false},
                                        {"粘贴", false},
                                        {"删除", false},
                                        {"-", true},
                                        {"选择全部", true}}));
  Editor().SetText("some text");
  Select(0, 4);
  QApplication::clipboard()->setText(QStringLiteral("pasteable"));
  EXPECT_EQ(captionsAndStates(), (Items{{"撤消", true},
                                        {"重复", false},
                                        {"-", true},
                                        {"剪切", true},
                                        {"复制", true},
                                        {"粘贴", true},
                                        {"删除", true},
                                        {"-", true},
                                        {"选择全部", true}}));
  Send(Sci::SCI_UNDO);
  EXPECT_TRUE(captionsAndStates()[1].second) << "redo after an undo";
  Editor().SetText("some text");
  Send(Sci::SCI_SETREADONLY, 1);
  Select(0, 2);
  const Items readOnly = captionsAndStates();
  EXPECT_FALSE(readOnly[0].second || readOnly[1].second || readOnly[3].second ||
               readOnly[5].second || readOnly[6].second);
  EXPECT_TRUE(readOnly[4].second) << "copy needs only a selection";
  Send(Sci::SCI_SETREADONLY, 0);
}

TEST_F(CommentEditorViewTest, FocusArrivingByTabKeepsCaretAndSelection) {
  Editor().SetText("first line\r\nsecond line");
  Select(3, 5);
  ControlNamed("按钮2_导出TXT")->setFocus();
  QTest::keyClick(ControlNamed("按钮2_导出TXT"), Qt::Key_Tab);
  ASSERT_TRUE(View()->hasFocus()) << "the export button hands on to the editor";
  EXPECT_EQ(Anchor(), 3);
  EXPECT_EQ(Caret(), 5);

  Select(3, 3);
  ControlNamed("按钮2_导出TXT")->setFocus();
  QTest::keyClick(ControlNamed("按钮2_导出TXT"), Qt::Key_Tab);
  ASSERT_TRUE(View()->hasFocus());
  QTest::keyClicks(View(), "X");
  EXPECT_EQ(Document(), "firXst line\r\nsecond line") << "typing goes on at the caret";
}

}  // namespace
}  // namespace quillmark
