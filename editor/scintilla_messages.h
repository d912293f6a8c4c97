#pragma once

// The messages of Scintilla's interface that the comment editor sends, by
// their numbers, which every build of Scintilla shares.
namespace quillmark::sci {

inline constexpr unsigned int kAddText = 2001;
inline constexpr unsigned int kClearAll = 2004;
inline constexpr unsigned int kGetLength = 2006;
inline constexpr unsigned int kGetCurrentPos = 2008;
inline constexpr unsigned int kRedo = 2011;
inline constexpr unsigned int kSelectAll = 2013;
inline constexpr unsigned int kCanRedo = 2016;
inline constexpr unsigned int kSetViewWhiteSpace = 2021;
inline constexpr unsigned int kSetEolMode = 2031;
inline constexpr unsigned int kSetCodePage = 2037;
inline constexpr unsigned int kStyleSetSize = 2055;
inline constexpr unsigned int kStyleSetFont = 2056;
inline constexpr unsigned int kSetSelectionFore = 2067;
inline constexpr unsigned int kSetSelectionBack = 2068;
inline constexpr unsigned int kSetCaretFore = 2069;
inline constexpr unsigned int kSetCaretPeriod = 2076;
inline constexpr unsigned int kBeginUndoAction = 2078;
inline constexpr unsigned int kEndUndoAction = 2079;
inline constexpr unsigned int kSetWhiteSpaceFore = 2084;
inline constexpr unsigned int kSetWhiteSpaceBack = 2085;
inline constexpr unsigned int kSetCaretLineVisible = 2096;
inline constexpr unsigned int kSetCaretLineBack = 2098;
inline constexpr unsigned int kSetHorizontalScrollBar = 2130;
inline constexpr unsigned int kSetIndentationGuides = 2132;
inline constexpr unsigned int kGetReadOnly = 2140;
inline constexpr unsigned int kSetReadOnly = 2171;
inline constexpr unsigned int kCanUndo = 2174;
inline constexpr unsigned int kUndo = 2176;
inline constexpr unsigned int kCut = 2177;
inline constexpr unsigned int kCopy = 2178;
inline constexpr unsigned int kPaste = 2179;
inline constexpr unsigned int kClear = 2180;
inline constexpr unsigned int kSetText = 2181;
inline constexpr unsigned int kGetText = 2182;
inline constexpr unsigned int kGetDirectFunction = 2184;
inline constexpr unsigned int kGetDirectPointer = 2185;
inline constexpr unsigned int kSetCaretWidth = 2188;
inline constexpr unsigned int kSetMarginTypeN = 2240;
inline constexpr unsigned int kSetMarginWidthN = 2242;
inline constexpr unsigned int kSetWrapMode = 2268;
inline constexpr unsigned int kGetWrapMode = 2269;
inline constexpr unsigned int kSetVerticalScrollBar = 2280;
inline constexpr unsigned int kSetViewEol = 2356;
inline constexpr unsigned int kUsePopUp = 2371;
inline constexpr unsigned int kSetCursor = 2386;
inline constexpr unsigned int kSetEmptySelection = 2556;
inline constexpr unsigned int kGetSelectionEmpty = 2650;
inline constexpr unsigned int kSetImeInteraction = 2678;

inline constexpr long kEolCrLf = 0;
inline constexpr long kWrapNone = 0;
inline constexpr long kWrapWord = 1;
inline constexpr long kMarginNumber = 1;
inline constexpr long kCursorNormal = -1;
inline constexpr long kCodePageUtf8 = 65001;
inline constexpr long kImeInline = 1;

}  // namespace quillmark::sci
