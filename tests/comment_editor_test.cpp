#include <Qsci/qsciscintillabase.h>
#include <QClipboard>
#include <QMenu>

#include "tests/gui_fixture.h"
#include "tests/test_bytes.h"

namespace quillmark {
namespace {

using Sci = QsciScintillaBase;

class CommentEditorTest : public testing::MainWindowTest {
 protected:
  long Send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const {
    return Editor().View()->SendScintilla(message, wParam, lParam);
  }
  [[nodiscard]] long Caret() const { return Send(Sci::SCI_GETCURRENTPOS); }
  [[nodiscard]] long Anchor() const { return Send(Sci::SCI_GETANCHOR); }
  void Select(long anchor, long caret) const { Send(Sci::SCI_SETSEL, anchor, caret); }
  [[nodiscard]] Text Document() const { return Editor().GetText(Editor().GetTextLength()); }
};

TEST_F(CommentEditorTest, IsConfiguredForUtf8CommentsWithLineNumbers) {
  EXPECT_EQ(Send(Sci::SCI_GETCODEPAGE), 65001);
  EXPECT_EQ(Send(Sci::SCI_GETEOLMODE), Sci::SC_EOL_CRLF);
  EXPECT_EQ(Send(Sci::SCI_GETWRAPMODE), Sci::SC_WRAP_WORD);
  EXPECT_EQ(Send(Sci::SCI_GETHSCROLLBAR), 0);
  EXPECT_EQ(Send(Sci::SCI_GETVSCROLLBAR), 1);
  EXPECT_EQ(Send(Sci::SCI_GETMARGINTYPEN, 0), Sci::SC_MARGIN_NUMBER);
  EXPECT_EQ(Send(Sci::SCI_GETMARGINWIDTHN, 0), 20);
  EXPECT_EQ(Send(Sci::SCI_GETMARGINWIDTHN, 1), 0);
  EXPECT_EQ(Send(Sci::SCI_GETCARETLINEVISIBLE), 1);
  EXPECT_EQ(Send(Sci::SCI_GETCARETLINEBACK), 0x00FFFF) << "yellow";
  EXPECT_EQ(Send(Sci::SCI_GETCARETPERIOD), 500);
  EXPECT_EQ(Send(Sci::SCI_GETCARETWIDTH), 1);
  EXPECT_EQ(Send(Sci::SCI_GETREADONLY), 0);
  EXPECT_EQ(Send(Sci::SCI_GETVIEWWS), 0);
  EXPECT_EQ(Send(Sci::SCI_GETVIEWEOL), 0);
  EXPECT_EQ(Send(Sci::SCI_STYLEGETSIZE, 0), 12);
  char font[64] = {};
  Editor().View()->SendScintilla(Sci::SCI_STYLEGETFONT, 0UL, static_cast<void*>(font));
  EXPECT_STREQ(font, "宋体");
  EXPECT_EQ(Editor().geometry(), QRect(8, 8, 656, 208));
  EXPECT_EQ(Editor().View()->geometry(), QRect(0, 0, 656, 208)) << "the view fills its frame";
}

TEST_F(CommentEditorTest, LengthsCountUtf8Bytes) {
  EXPECT_EQ(Editor().GetTextLength(), 0);
  Editor().AddTextAtCaret("[微笑]");
  EXPECT_EQ(Editor().GetTextLength(), 8);
  Editor().View()->setFocus();
  QTest::keyClick(Editor().View(), Qt::Key_Return);
  EXPECT_EQ(Editor().GetTextLength(), 10);
  EXPECT_EQ(Document(), "[微笑]\r\n");
}

TEST_F(CommentEditorTest, GetTextReadsUpToTheFirstZeroByte) {
  Editor().SetText("abc");
  EXPECT_EQ(Editor().GetText(0), "");
  EXPECT_EQ(Editor().GetText(2), "ab");
  EXPECT_EQ(Editor().GetText(10), "abc") << "missing bytes read as zero";
  Editor().View()->SendScintilla(Sci::SCI_ADDTEXT, uintptr_t{3}, "x\0y");
  EXPECT_EQ(Editor().GetTextLength(), 6);
  EXPECT_EQ(Editor().GetText(6), "x") << "the caret was at 0 after SetText";
}

TEST_F(CommentEditorTest, SetTextIsOneUndoStepWithTheCaretAtTheStart) {
  Editor().SetText("first");
  Send(Sci::SCI_EMPTYUNDOBUFFER);
  Editor().SetText("line\r\n");
  EXPECT_EQ(Caret(), 0);
  EXPECT_EQ(Anchor(), 0);
  EXPECT_EQ(Send(Sci::SCI_GETLINECOUNT), 2) << "an empty last line";
  Send(Sci::SCI_UNDO);
  EXPECT_EQ(Document(), "first");
  Editor().SetText("");
  EXPECT_EQ(Editor().GetTextLength(), 0);
}

TEST_F(CommentEditorTest, ClearTextCanBeUndone) {
  Editor().SetText("keep me");
  Editor().ClearText();
  EXPECT_EQ(Editor().GetTextLength(), 0);
  Send(Sci::SCI_UNDO);
  EXPECT_EQ(Document(), "keep me");
}

TEST_F(CommentEditorTest, AddTextGoesInAtTheCaretEndOfASelection) {
  Editor().SetText("abcdef");
  Select(1, 3);  // dragged left to right: caret after "bc"
  Editor().AddTextAtCaret("[OK]");
  EXPECT_EQ(Document(), "abc[OK]def");
  EXPECT_EQ(Caret(), 7);
  EXPECT_EQ(Anchor(), 7) << "the selection collapses";

  Editor().SetText("abcdef");
  Select(3, 1);  // dragged right to left: caret before "bc"
  Editor().AddTextAtCaret("[OK]");
  EXPECT_EQ(Document(), "a[OK]bcdef");
  EXPECT_EQ(Caret(), 5);
}

TEST_F(CommentEditorTest, AddTextLengthRules) {
  Editor().SetText("");
  Editor().AddTextAtCaret("abc", -2);
  EXPECT_EQ(Document(), "") << "below -1 nothing is inserted";
  Editor().AddTextAtCaret("abc", 2);
  EXPECT_EQ(Document(), "ab");
  Editor().AddTextAtCaret("xyz", 10);
  EXPECT_EQ(Document(), "abxyz") << "a length past the text is capped";
  Select(0, 2);
  Editor().AddTextAtCaret("q", 0);
  EXPECT_EQ(Document(), "abxyz");
  EXPECT_EQ(Anchor(), Caret()) << "even an empty insertion collapses the selection";
}

TEST_F(CommentEditorTest, AddTextDoesNotScrollTheView) {
  std::string longText;
  for (int line = 0; line < 200; ++line) longText += "line\r\n";
  Editor().SetText(longText);
  Send(Sci::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(longText.size()));
  Send(Sci::SCI_SETFIRSTVISIBLELINE, 0);
  Editor().AddTextAtCaret("[OK]");
  EXPECT_EQ(Send(Sci::SCI_GETFIRSTVISIBLELINE), 0);
  EXPECT_TRUE(Document().ends_with("line\r\n[OK]"));
}

TEST_F(CommentEditorTest, ChineseContextMenuFollowsTheDocumentState) {
  const auto captionsAndStates = [this] {
    std::vector<std::pair<QString, bool>> items;
    const std::unique_ptr<QMenu> menu = Editor().View()->CreateChineseContextMenu();
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

TEST_F(CommentEditorTest, FocusArrivingByTabKeepsCaretAndSelection) {
  Editor().SetText("first line\r\nsecond line");
  Select(3, 5);
  ControlNamed("按钮2_导出TXT")->setFocus();
  QTest::keyClick(ControlNamed("按钮2_导出TXT"), Qt::Key_Tab);
  ASSERT_TRUE(Editor().View()->hasFocus()) << "the export button hands on to the editor";
  EXPECT_EQ(Anchor(), 3);
  EXPECT_EQ(Caret(), 5);

  Select(3, 3);
  ControlNamed("按钮2_导出TXT")->setFocus();
  QTest::keyClick(ControlNamed("按钮2_导出TXT"), Qt::Key_Tab);
  ASSERT_TRUE(Editor().View()->hasFocus());
  QTest::keyClicks(Editor().View(), "X");
  EXPECT_EQ(Document(), "firXst line\r\nsecond line") << "typing goes on at the caret";
}

}  // namespace
}  // namespace quillmark
