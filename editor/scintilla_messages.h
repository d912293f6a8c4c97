#pragma once

// The messages of Scintilla's interface that the comment editor sends, by
// their numbers, which every build of Scintilla shares.
namespace quillmark::sci {

inline constexpr unsigned int kAddText = 2001;
inline constexpr unsigned int kClearAll = 2004;
inline constexpr unsigned int kGetLength = 2006;
inline constexpr unsigned int kGetCharAt = 2007;
inline constexpr unsigned int kGetCurrentPos = 2008;
inline constexpr unsigned int kRedo = 2011;
inline constexpr unsigned int kSelectAll = 2013;
inline constexpr unsigned int kCanRedo = 2016;
inline constexpr unsigned int kSetViewWhiteSpace = 2021;
inline constexpr unsigned int kGotoPos = 2025;
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
inline constexpr unsigned int kAutoCShow = 2100;
inline constexpr unsigned int kAutoCCancel = 2101;
inline constexpr unsigned int kAutoCActive = 2102;
inline constexpr unsigned int kAutoCSetSeparator = 2106;
inline constexpr unsigned int kAutoCSelect = 2108;
inline constexpr unsigned int kAutoCSetCancelAtStart = 2110;
inline constexpr unsigned int kAutoCSetChooseSingle = 2113;
inline constexpr unsigned int kAutoCSetAutoHide = 2118;
inline constexpr unsigned int kSetHorizontalScrollBar = 2130;
inline constexpr unsigned int kSetIndentationGuides = 2132;
inline constexpr unsigned int kGetReadOnly = 2140;
inline constexpr unsigned int kLineFromPosition = 2166;
inline constexpr unsigned int kPositionFromLine = 2167;
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
inline constexpr unsigned int kSetTargetStart = 2190;
inline constexpr unsigned int kSetTargetEnd = 2192;
inline constexpr unsigned int kReplaceTarget = 2194;
inline constexpr unsigned int kAutoCSetMaxHeight = 2210;
inline constexpr unsigned int kSetMarginTypeN = 2240;
inline constexpr unsigned int kSetMarginWidthN = 2242;
inline constexpr unsigned int kSetWrapMode = 2268;
inline constexpr unsigned int kGetWrapMode = 2269;
inline constexpr unsigned int kSetVerticalScrollBar = 2280;
inline constexpr unsigned int kAutoCSetTypeSeparator = 2286;
inline constexpr unsigned int kSetViewEol = 2356;
inline constexpr unsigned int kUsePopUp = 2371;
inline constexpr unsigned int kSetCursor = 2386;
inline constexpr unsigned int kSetEmptySelection = 2556;
inline constexpr unsigned int kAutoCSetOptions = 2638;
inline constexpr unsigned int kRgbaImageSetWidth = 2624;
inline constexpr unsigned int kRgbaImageSetHeight = 2625;
inline constexpr unsigned int kRegisterRgbaImage = 2627;
inline constexpr unsigned int kGetSelectionEmpty = 2650;
inline constexpr unsigned int kAutoCSetOrder = 2660;
inline constexpr unsigned int kSetImeInteraction = 2678;

inline constexpr long kEolCrLf = 0;
inline constexpr long kWrapNone = 0;
inline constexpr long kWrapWord = 1;
inline constexpr long kMarginNumber = 1;
inline constexpr long kCursorNormal = -1;
inline constexpr long kCodePageUtf8 = 65001;
inline constexpr long kImeInline = 1;
inline constexpr long kOrderCustom = 2;
inline constexpr long kAutoCompleteFixedSize = 1;

// Notifications, and where a character came from.
inline constexpr unsigned int kCharAdded = 2001;
inline constexpr unsigned int kAutoCSelection = 2022;
inline constexpr int kCharacterSourceTentative = 1;

}  // namespace quillmark::sci
