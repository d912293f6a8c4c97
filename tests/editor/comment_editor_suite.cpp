// The comment editor's rules over a real Scintilla control, the same suite for
// every edition: each links it with a host that makes its own control.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "editor/scintilla_comment_editor.h"
#include "editor/scintilla_messages.h"
#include "tests/editor/scintilla_host.h"

namespace quillmark {
namespace {

// Messages that only the suite sends, to look at the control.
enum : unsigned int {
  kGetAnchor = 2009,
  kSetSel = 2160,
  kGetLineCount = 2154,
  kEmptyUndoBuffer = 2175,
  kGetFirstVisibleLine = 2152,
  kSetFirstVisibleLine = 2613,
  kNewLine = 2329,
  kGetCodePage = 2137,
  kGetEolMode = 2030,
  kGetHorizontalScrollBar = 2131,
  kGetVerticalScrollBar = 2281,
  kGetMarginTypeN = 2241,
  kGetMarginWidthN = 2243,
  kGetCaretLineVisible = 2095,
  kGetCaretLineBack = 2097,
  kGetCaretPeriod = 2075,
  kGetCaretWidth = 2189,
  kGetViewWhiteSpace = 2020,
  kGetViewEol = 2355,
  kGetIndentationGuides = 2133,
  kGetCursor = 2387,
  kStyleGetSize = 2485,
  kStyleGetFont = 2486,
};

class CommentEditorSuite : public ::testing::Test {
 protected:
  void SetUp() override { editor_.ConfigureCommentEditor(); }

  std::intptr_t Send(unsigned int message, std::uintptr_t wParam = 0,
                     std::intptr_t lParam = 0) const {
    return host_->Direct().Send(message, wParam, lParam);
  }
  [[nodiscard]] std::intptr_t Caret() const { return Send(sci::kGetCurrentPos); }
  [[nodiscard]] std::intptr_t Anchor() const { return Send(kGetAnchor); }
  void Select(std::uintptr_t anchor, std::intptr_t caret) const { Send(kSetSel, anchor, caret); }
  [[nodiscard]] Text Document() const { return editor_.GetText(editor_.GetTextLength()); }

  std::unique_ptr<testing::ScintillaHost> host_ = testing::MakeScintillaHost();
  ScintillaCommentEditor editor_{host_->Direct(), [] {}};
};

TEST_F(CommentEditorSuite, IsConfiguredForUtf8CommentsWithLineNumbers) {
  const std::pair<unsigned int, std::intptr_t> settings[] = {
      {kGetCodePage, 65001},      {kGetEolMode, 0},          {kGetHorizontalScrollBar, 0},
      {kGetVerticalScrollBar, 1}, {kGetCaretLineVisible, 1}, {kGetCaretLineBack, 0x00FFFF},
      {kGetCaretPeriod, 500},     {kGetCaretWidth, 1},       {sci::kGetReadOnly, 0},
      {kGetViewWhiteSpace, 0},    {kGetViewEol, 0},          {kGetIndentationGuides, 0},
      {kGetCursor, -1},           {sci::kGetWrapMode, 1},
  };
  for (const auto& [message, value] : settings) EXPECT_EQ(Send(message), value) << message;
  EXPECT_EQ(Send(kGetMarginTypeN, 0), 1) << "line numbers";
  EXPECT_EQ(Send(kGetMarginWidthN, 0), 20);
  EXPECT_EQ(Send(kGetMarginWidthN, 1), 0);
  EXPECT_EQ(Send(kStyleGetSize, 0), 12);
  char font[64] = {};
  Send(kStyleGetFont, 0, reinterpret_cast<std::intptr_t>(font));
  EXPECT_STREQ(font, "宋体");
}

TEST_F(CommentEditorSuite, LengthsCountUtf8Bytes) {
  EXPECT_EQ(editor_.GetTextLength(), 0);
  editor_.AddTextAtCaret("[微笑]");
  EXPECT_EQ(editor_.GetTextLength(), 8);
  Send(kNewLine);  // what Enter does
  EXPECT_EQ(editor_.GetTextLength(), 10);
  EXPECT_EQ(Document(), "[微笑]\r\n");
}

TEST_F(CommentEditorSuite, GetTextReadsUpToTheFirstZeroByte) {
  editor_.SetText("abc");
  EXPECT_EQ(editor_.GetText(0), "");
  EXPECT_EQ(editor_.GetText(2), "ab");
  EXPECT_EQ(editor_.GetText(10), "abc") << "missing bytes read as zero";
  Send(sci::kAddText, 3, reinterpret_cast<std::intptr_t>("x\0y"));
  EXPECT_EQ(editor_.GetTextLength(), 6);
  EXPECT_EQ(editor_.GetText(6), "x") << "the caret was at 0 after SetText";
}

TEST_F(CommentEditorSuite, SetTextIsOneUndoStepWithTheCaretAtTheStart) {
  editor_.SetText("first");
  Send(kEmptyUndoBuffer);
  editor_.SetText("line\r\n");
  EXPECT_EQ(Caret(), 0);
  EXPECT_EQ(Anchor(), 0);
  EXPECT_EQ(Send(kGetLineCount), 2) << "an empty last line";
  EXPECT_EQ(Send(sci::kGetWrapMode), 1) << "word wrap is back on";
  Send(sci::kUndo);
  EXPECT_EQ(Document(), "first");
  editor_.SetText("");
  EXPECT_EQ(editor_.GetTextLength(), 0);
}

TEST_F(CommentEditorSuite, ClearTextCanBeUndone) {
  editor_.SetText("keep me");
  editor_.ClearText();
  EXPECT_EQ(editor_.GetTextLength(), 0);
  Send(sci::kUndo);
  EXPECT_EQ(Document(), "keep me");
}

TEST_F(CommentEditorSuite, AddTextGoesInAtTheCaretEndOfASelection) {
  editor_.SetText("abcdef");
  Select(1, 3);  // dragged left to right: caret after "bc"
  editor_.AddTextAtCaret("[OK]");
  EXPECT_EQ(Document(), "abc[OK]def");
  EXPECT_EQ(Caret(), 7);
  EXPECT_EQ(Anchor(), 7) << "the selection collapses";
  EXPECT_EQ(Send(sci::kGetSelectionEmpty), 1);

  editor_.SetText("abcdef");
  Select(3, 1);  // dragged right to left: caret before "bc"
  editor_.AddTextAtCaret("[OK]");
  EXPECT_EQ(Document(), "a[OK]bcdef");
  EXPECT_EQ(Caret(), 5);
}

TEST_F(CommentEditorSuite, EachInsertionIsItsOwnUndoStep) {
  Send(kEmptyUndoBuffer);
  editor_.AddTextAtCaret("[微笑]");
  editor_.AddTextAtCaret("[撇嘴]");
  Send(sci::kUndo);
  EXPECT_EQ(Document(), "[微笑]");
  Send(sci::kUndo);
  EXPECT_EQ(Document(), "");
}

TEST_F(CommentEditorSuite, AddTextLengthRules) {
  editor_.AddTextAtCaret("abc", -2);
  EXPECT_EQ(Document(), "") << "below -1 nothing is inserted";
  editor_.AddTextAtCaret("abc", 2);
  EXPECT_EQ(Document(), "ab");
  editor_.AddTextAtCaret("xyz", 10);
  EXPECT_EQ(Document(), "abxyz") << "a length past the text is capped";
  Select(0, 2);
  editor_.AddTextAtCaret("q", 0);
  EXPECT_EQ(Document(), "abxyz");
  EXPECT_EQ(Anchor(), Caret()) << "even an empty insertion collapses the selection";
}

TEST_F(CommentEditorSuite, AddTextDoesNotScrollTheView) {
  std::string lines;
  for (int line = 0; line < 200; ++line) lines += "line\r\n";
  editor_.SetText(lines);
  Send(sci::kSetEmptySelection, lines.size());
  Send(kSetFirstVisibleLine, 0);
  editor_.AddTextAtCaret("[OK]");
  EXPECT_EQ(Send(kGetFirstVisibleLine), 0);
  EXPECT_TRUE(Document().ends_with("line\r\n[OK]"));
  Send(sci::kSetEmptySelection, 0);
  Send(kSetFirstVisibleLine, 60);
  editor_.AddTextAtCaret("[OK]");
  EXPECT_EQ(Send(kGetFirstVisibleLine), 60) << "nor to an insertion above the view";
}

}  // namespace
}  // namespace quillmark
