#include "editor/scintilla_comment_editor.h"

#include <string>

#include "editor/comment_font.h"
#include "editor/scintilla_messages.h"

namespace quillmark {
namespace {

constexpr std::intptr_t kBlack = 0x000000;
constexpr std::intptr_t kWhite = 0xFFFFFF;
constexpr std::intptr_t kNavy = 0x800000;    // COLORREF: blue 128
constexpr std::intptr_t kYellow = 0x00FFFF;  // COLORREF: red 255, green 255
constexpr std::uintptr_t kLineNumberMargin = 0;
constexpr std::uintptr_t kSymbolMargin = 1;

std::intptr_t Pointer(const char* text) { return reinterpret_cast<std::intptr_t>(text); }

}  // namespace

ScintillaCommentEditor::ScintillaCommentEditor(ScintillaDirect scintilla,
                                               std::function<void()> commitComposition)
    : scintilla_(scintilla), commitComposition_(std::move(commitComposition)) {
  ApplyCreationSettings();
}

void ScintillaCommentEditor::ApplyCreationSettings() const {
  Send(sci::kSetMarginWidthN, kSymbolMargin, 0);
  Send(sci::kSetReadOnly, 0);
  Send(sci::kSetHorizontalScrollBar, 0);
  Send(sci::kSetVerticalScrollBar, 1);
  Send(sci::kSetViewWhiteSpace, 0);
  Send(sci::kSetWhiteSpaceFore, 1, kBlack);
  Send(sci::kSetWhiteSpaceBack, 1, kWhite);
  Send(sci::kSetCursor, static_cast<std::uintptr_t>(sci::kCursorNormal));
  Send(sci::kSetEolMode, sci::kEolCrLf);
  Send(sci::kSetViewEol, 0);
  Send(sci::kSetSelectionFore, 1, kWhite);
  Send(sci::kSetSelectionBack, 1, kNavy);
  Send(sci::kSetCaretFore, kBlack);
  Send(sci::kSetCaretLineVisible, 1);
  Send(sci::kSetCaretLineBack, kYellow);
  Send(sci::kSetIndentationGuides, 0);
  Send(sci::kSetWrapMode, sci::kWrapWord);
  Send(sci::kSetCaretPeriod, 500);
  Send(sci::kSetCaretWidth, 1);
  Send(sci::kSetCodePage, sci::kCodePageUtf8);
}

void ScintillaCommentEditor::ConfigureCommentEditor() {
  Send(sci::kSetMarginTypeN, kLineNumberMargin, sci::kMarginNumber);
  Send(sci::kSetMarginWidthN, kLineNumberMargin, kLineNumberMarginWidth);
  Send(sci::kStyleSetFont, 0, Pointer(kCommentFontFace));
  Send(sci::kStyleSetSize, 0, kCommentFontPoints);
}

long ScintillaCommentEditor::GetTextLength() const {
  return static_cast<long>(Send(sci::kGetLength));
}

Text ScintillaCommentEditor::GetText(long n) const {
  if (n < 0) return {};
  // Scintilla 3 writes n bytes and a zero for n + 1; Scintilla 5 writes n + 1
  // bytes and a zero. The buffer holds either, and the text ends at n bytes.
  Text buffer(static_cast<std::size_t>(n) + 2, '\0');
  Send(sci::kGetText, static_cast<std::uintptr_t>(n) + 1, Pointer(buffer.data()));
  buffer.resize(static_cast<std::size_t>(n));
  return Text(TextOf(buffer));
}

void ScintillaCommentEditor::SetText(std::string_view text) {
  const std::string terminated(TextOf(text));
  // A document replaced while word wrap is on is wrapped whole before the call
  // returns, a long moment for a long comment. Replaced with wrapping off, it
  // is wrapped as it is shown: the visible lines at once, the rest when idle.
  const std::intptr_t wrapMode = Send(sci::kGetWrapMode);
  Send(sci::kSetWrapMode, sci::kWrapNone);
  Send(sci::kSetText, 0, Pointer(terminated.c_str()));
  Send(sci::kSetWrapMode, static_cast<std::uintptr_t>(wrapMode));
}

void ScintillaCommentEditor::ClearText() { Send(sci::kClearAll); }

void ScintillaCommentEditor::AddTextAtCaret(std::string_view text, long length) {
  if (length < -1) return;
  const std::string terminated(TextOf(text));
  auto count = static_cast<long>(terminated.size());
  if (length != -1 && length <= count) count = length;
  // Its own undo step: Scintilla would otherwise merge adjacent insertions.
  const std::intptr_t caret = Send(sci::kGetCurrentPos);
  Send(sci::kBeginUndoAction);
  Send(sci::kAddText, static_cast<std::uintptr_t>(count), Pointer(terminated.c_str()));
  Send(sci::kEndUndoAction);
  // Scintilla 5 moves a caret that stands before an anchor twice; the caret
  // belongs directly behind the insertion on every version.
  Send(sci::kSetEmptySelection, static_cast<std::uintptr_t>(caret + count));
}

void ScintillaCommentEditor::CommitComposition() {
  if (commitComposition_) commitComposition_();
}

}  // namespace quillmark
