#include "emoji/emoji_completion.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/scintilla_messages.h"
#include "emoji/emoji_matching.h"

namespace quillmark {
namespace {

// The longest text worth looking back over: "[" and a label's pinyin.
constexpr std::intptr_t kLongestTyped = 24;
constexpr int kListRows = 6;
constexpr char kSeparator = ' ';
constexpr char kTypeSeparator = '?';
// "【" in UTF-8, its bytes as a backward scan meets them.
constexpr std::string_view kFullWidthBracketReversed = "\x90\x80\xE3";

std::intptr_t Pointer(const void* data) { return reinterpret_cast<std::intptr_t>(data); }

// Scintilla's pixels: red, green, blue and alpha bytes, row by row.
std::vector<std::uint8_t> RgbaBytes(const Bitmap& picture) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(picture.pixels.size() * 4);
  for (const std::uint32_t pixel : picture.pixels) {
    bytes.push_back(static_cast<std::uint8_t>(pixel >> 16));
    bytes.push_back(static_cast<std::uint8_t>(pixel >> 8));
    bytes.push_back(static_cast<std::uint8_t>(pixel));
    bytes.push_back(static_cast<std::uint8_t>(pixel >> 24));
  }
  return bytes;
}

// "[微笑]?1 [撇嘴]?2": each code with its picture's type, the emoji's number.
std::string ListOf(const std::vector<int>& numbers) {
  std::string list;
  for (const int number : numbers) {
    if (!list.empty()) list.push_back(kSeparator);
    list.append("[").append(EmojiByNumber(number).label).append("]");
    list.push_back(kTypeSeparator);
    list.append(std::to_string(number));
  }
  return list;
}

}  // namespace

EmojiCompletion::EmojiCompletion(ScintillaDirect scintilla, PictureSource pictures,
                                 PictureRegistration registration)
    : scintilla_(scintilla),
      pictures_(std::move(pictures)),
      registration_(std::move(registration)) {
  ConfigureList();
}

EmojiCompletion::PictureRegistration EmojiCompletion::RgbaRegistration(ScintillaDirect scintilla) {
  return [scintilla](int type, const Bitmap& picture) {
    const std::vector<std::uint8_t> rgba = RgbaBytes(picture);
    scintilla.Send(sci::kRgbaImageSetWidth, static_cast<std::uintptr_t>(picture.width));
    scintilla.Send(sci::kRgbaImageSetHeight, static_cast<std::uintptr_t>(picture.height));
    scintilla.Send(sci::kRegisterRgbaImage, static_cast<std::uintptr_t>(type),
                   Pointer(rgba.data()));
  };
}

std::optional<EmojiCompletion::Opening> EmojiCompletion::OpeningBeforeCaret() const {
  const std::intptr_t caret = Send(sci::kGetCurrentPos);
  const std::intptr_t lineStart = Send(
      sci::kPositionFromLine, static_cast<std::uintptr_t>(Send(
                                  sci::kLineFromPosition, static_cast<std::uintptr_t>(caret))));
  // The bytes before the caret, nearest first, until a bracket.
  std::string behind;
  for (std::intptr_t position = caret - 1; position >= std::max(lineStart, caret - kLongestTyped);
       --position) {
    behind.push_back(
        static_cast<char>(Send(sci::kGetCharAt, static_cast<std::uintptr_t>(position))));
    const std::string_view before(behind);
    const bool ascii = before.ends_with('[');
    if (ascii || before.ends_with(kFullWidthBracketReversed)) {
      std::string typed(behind.rbegin() + (ascii ? 1 : 3), behind.rend());
      return Opening{position, std::move(typed)};
    }
  }
  return std::nullopt;
}

void EmojiCompletion::CharacterAdded(bool listMayOpen) {
  std::vector<int> offered;
  if (const auto opening = OpeningBeforeCaret(); opening && listMayOpen) {
    offered = EmojiMatching(opening->typed);
  }
  if (offered.empty()) {
    if (ListOpen()) Send(sci::kAutoCCancel);
    return;
  }
  RegisterPictures();
  // Shown as if nothing had been typed: Scintilla would otherwise select only
  // an item that begins with the typed text, and "wx" begins none. Choosing
  // replaces the typed text here instead.
  const std::string list = ListOf(offered);
  Send(sci::kAutoCShow, 0, Pointer(list.c_str()));
  Send(sci::kAutoCSelect, 0, Pointer(""));
}

void EmojiCompletion::ConfigureList() const {
  Send(sci::kAutoCSetSeparator, static_cast<std::uintptr_t>(kSeparator));
  Send(sci::kAutoCSetTypeSeparator, static_cast<std::uintptr_t>(kTypeSeparator));
  Send(sci::kAutoCSetOrder, static_cast<std::uintptr_t>(sci::kOrderCustom));
  Send(sci::kAutoCSetChooseSingle, 0);
  Send(sci::kAutoCSetAutoHide, 1);
  Send(sci::kAutoCSetCancelAtStart, 1);
  Send(sci::kAutoCSetMaxHeight, kListRows);
  // A list that follows the typing is not for resizing; with a sizing frame
  // it would also be a top-level window of its own to a window manager.
  // Scintilla 3 does not know the message and ignores it.
  Send(sci::kAutoCSetOptions, static_cast<std::uintptr_t>(sci::kAutoCompleteFixedSize));
}

void EmojiCompletion::ItemChosen(std::string_view code) {
  const std::string replacement(code);
  // Cancelled here, Scintilla puts nothing in itself.
  Send(sci::kAutoCCancel);
  const auto opening = OpeningBeforeCaret();
  if (!opening) return;
  Send(sci::kBeginUndoAction);
  Send(sci::kSetTargetStart, static_cast<std::uintptr_t>(opening->bracket));
  Send(sci::kSetTargetEnd, static_cast<std::uintptr_t>(Send(sci::kGetCurrentPos)));
  Send(sci::kReplaceTarget, replacement.size(), Pointer(replacement.c_str()));
  Send(sci::kEndUndoAction);
  Send(sci::kGotoPos, static_cast<std::uintptr_t>(opening->bracket) + replacement.size());
}

bool EmojiCompletion::ListOpen() const { return Send(sci::kAutoCActive) != 0; }

void EmojiCompletion::RegisterPictures() {
  if (picturesRegistered_ || !pictures_ || !registration_) return;
  picturesRegistered_ = true;
  for (const Emoji& emoji : EmojiCatalogue()) {
    if (emoji.set == EmojiSet::MessageOnly) continue;
    if (const std::optional<Bitmap> picture = pictures_(emoji))
      registration_(emoji.number, *picture);
  }
}

}  // namespace quillmark
