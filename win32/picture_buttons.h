#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emoji/png_picture.h"
#include "win32/picture_buttons_accessible.h"

namespace quillmark::win32 {

// Picture buttons drawn by the window that holds them, as a toolbar draws its
// buttons: a window of their own each would cost the main window's start, for
// 120 emoji, more than everything else together. Each is a plain rectangle
// showing one picture in every state, clipped to the button. A left press on
// a shown button captures the mouse; the release over the same button is its
// click, a release elsewhere none. The buttons never take the focus
// themselves; the group draws the focus mark where the keyboard has it.
class PictureButtonGroup {
 public:
  // Posted to the host: click the button whose id is the wParam.
  static constexpr UINT kClickPostedMessage = WM_APP + 1;

  using ClickHandler = std::function<void(int id)>;

  explicit PictureButtonGroup(ClickHandler clicked) : clicked_(std::move(clicked)) {}

  void Attach(HWND host) { host_ = host; }
  // A button at its place in the window description, showing the picture
  // built in under that path, named for screen readers.
  void Add(int id, const RECT& place, std::string picture, bool visible,
           std::string accessibleName = {});
  // False when the group holds no button with that id.
  bool SetVisible(int id, bool visible);
  [[nodiscard]] bool IsVisible(int id) const;
  // The keyboard's focus mark on the button with that id, drawn in the
  // system's focus style; 0 for none.
  void SetFocusMark(int id);
  [[nodiscard]] int FocusMark() const { return focusMark_; }
  // The button's child id in the window's accessible object: its place in
  // the order added, from 1; 0 for none.
  [[nodiscard]] int ChildIdOf(int id) const;
  // The places and pictures for a screen of that many dots per inch, the
  // pictures composed over the button face's colour as it now is.
  void SetDotsPerInch(int dotsPerInch);

  // The host's messages that concern the buttons: painting, the left mouse
  // button and a posted click. True when the message was handled here.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  struct Button {
    int id;
    RECT descriptionPlace;
    std::string path;
    bool visible;
    std::string accessibleName;  // UTF-8
    RECT place;
    std::optional<Bitmap> picture;
  };
  // The buttons in the order added, for screen readers.
  [[nodiscard]] const std::vector<Button>& Buttons() const { return buttons_; }
  // Clicks the button with the id, as the mouse would.
  void Click(int id) const { clicked_(id); }
  // The same click in a later turn of the host's message loop, for a caller
  // that must not wait for what the click does: a screen reader's call.
  void PostClick(int id) const;

 private:
  void Paint() const;
  [[nodiscard]] Button* Find(int id);
  [[nodiscard]] const Button* Find(int id) const;
  [[nodiscard]] RECT MarkPlace(const Button& button) const;
  void Press(POINT point);
  void Release(POINT point);
  [[nodiscard]] const Button* ButtonAt(POINT point) const;

  HWND host_ = nullptr;
  int dotsPerInch_ = 96;
  std::vector<Button> buttons_;
  const Button* pressed_ = nullptr;
  int focusMark_ = 0;
  ClickHandler clicked_;
};

// One picture button that is a window of its own, for a parent that does not
// draw buttons itself; it reports its click to the parent as BN_CLICKED.
class PictureButton {
 public:
  PictureButton(HWND parent, int id, const RECT& place, std::string picture,
                std::string accessibleName);
  PictureButton(const PictureButton&) = delete;
  PictureButton& operator=(const PictureButton&) = delete;
  ~PictureButton() = default;

  [[nodiscard]] HWND Window() const { return window_; }
  // The picture for a screen of that many dots per inch; the caller places
  // the window.
  void SetDotsPerInch(int dotsPerInch) { group_.SetDotsPerInch(dotsPerInch); }

  void AttachWindow(HWND window);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND window_ = nullptr;
  PictureButtonGroup group_;
  PictureButtonsAccessibility accessibility_{group_};
};

// The picture built into the program under the given path of the source
// tree, decoded and composed over the background colour, for a screen of that
// many dots per inch: the artwork of twice the size where the screen needs
// more than the normal one, resized where it needs neither. Nothing when
// absent. Kept as plain pixels: 120 bitmap objects would each take a page or
// more.
std::optional<Bitmap> LoadPictureResource(std::string_view path, COLORREF background,
                                          int dotsPerInch);

}  // namespace quillmark::win32
