#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editor/scintilla_comment_editor.h"
#include "emoji/catalogue.h"
#include "emoji/png_picture.h"

namespace quillmark {

// Emoji from the keyboard: "[" or "【" and a few letters of a label, its
// pinyin or its initials offer the matching emoji in Scintilla's own list,
// each with its picture, and the one chosen takes the place of everything
// typed from the bracket, always as its ASCII-bracketed code. Each front end
// passes on Scintilla's notifications and the pictures at the editor's
// density, over the list's background.
class EmojiCompletion {
 public:
  using PictureSource = std::function<std::optional<Bitmap>(const Emoji&)>;
  // Hands Scintilla one picture for the list under an image type.
  using PictureRegistration = std::function<void(int type, const Bitmap& picture)>;

  EmojiCompletion(ScintillaDirect scintilla, PictureSource pictures,
                  PictureRegistration registration);
  // Scintilla's own way of taking a picture: its size, then its RGBA bytes.
  // QScintilla takes a QImage instead.
  static PictureRegistration RgbaRegistration(ScintillaDirect scintilla);

  // SCN_CHARADDED. The list opens, narrows or closes for the text before the
  // caret; it never opens where it may not: for characters that an input
  // method only shows while it composes (the list waits for what it
  // commits), or where the caret stands on no screen.
  void CharacterAdded(bool listMayOpen);
  // SCN_AUTOCSELECTION, with the chosen item's text.
  void ItemChosen(std::string_view code);
  // While the list is open, Esc closes it rather than the window.
  [[nodiscard]] bool ListOpen() const;
  // The pictures are fetched again before the list next opens, as after a
  // change of the screen's density.
  void PicturesChanged() { picturesRegistered_ = false; }

 private:
  // Where the bracket before the caret stands on the caret's line, and the
  // UTF-8 text typed after it.
  struct Opening {
    std::intptr_t bracket;
    std::string typed;
  };
  [[nodiscard]] std::optional<Opening> OpeningBeforeCaret() const;
  // Scintilla's list settings, which last for the control's life.
  void ConfigureList() const;
  void RegisterPictures();
  std::intptr_t Send(unsigned int message, std::uintptr_t wParam = 0,
                     std::intptr_t lParam = 0) const {
    return scintilla_.Send(message, wParam, lParam);
  }

  ScintillaDirect scintilla_;
  PictureSource pictures_;
  PictureRegistration registration_;
  bool picturesRegistered_ = false;
};

}  // namespace quillmark
