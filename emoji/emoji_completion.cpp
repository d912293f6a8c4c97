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
      registration_(std::move(registration)) {}

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
  const auto byteAt = [this](std::intptr_t position) {
    return Send(sci::kGetCharAt, static_cast<std::uintptr_t>(position)) & 0xFF;
  };
  for (std::intptr_t position = caret - 1; position >= std::max(lineStart, caret - kLongestTyped);
       --position) {
    if (byteAt(position) == '[') return Opening{position, position + 1};
    // "【" in UTF-8
    if (byteAt(position) == 0xE3 && byteAt(position + 1) == 0x80 && byteAt(position + 2) == 0x90) {
      return Opening{position, position + 3};
    }
  }
  return std::nullopt;
}

void EmojiCompletion::CharacterAdded(bool listMayOpen) {
  std::vector<int> offered;
  if (const auto opening = OpeningBeforeCaret(); opening && listMayOpen) {
    const std::intptr_t caret = Send(sci::kGetCurrentPos);
    std::string typed;
    for (std::intptr_t position = opening->typed; position < caret; ++position) {
      typed.push_back(
          static_cast<char>(Send(sci::kGetCharAt, static_cast<std::uintptr_t>(position))));
    }
    offered = EmojiMatching(typed);
  }
  if (offered.empty()) {
    if (ListOpen()) Send(sci::kAutoCCancel);
    return;
  }
  RegisterPictures();
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
  // Shown as if nothing had been typed: Scintilla would otherwise select only
  // an item that begins with the typed text, and "wx" begins none. Choosing
  // replaces the typed text here instead.
  const std::string list = ListOf(offered);
  Send(sci::kAutoCShow, 0, Pointer(list.c_str()));
  Send(sci::kAutoCSelect, 0, Pointer(""));
}

void EmojiCompletion::ItemChosen(std::string_view code) {
  const std::string replacement(code);
  // Cancelled here, Scintilla puts nothing in itself.
  Send(sci::kAutoCCancel);
  const auto opening = OpeningBeforeCaret();
  if (!opening) return;
  const std::intptr_t caret = Send(sci::kGetCurrentPos);
  Send(sci::kBeginUndoAction);
  Send(sci::kSetTargetStart, static_cast<std::uintptr_t>(opening->bracket));
  Send(sci::kSetTargetEnd, static_cast<std::uintptr_t>(caret));
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
