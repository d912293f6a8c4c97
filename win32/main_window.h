#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/window_controls.h"
#include "win32/caption_label.h"
#include "win32/comment_editor_frame.h"
#include "win32/dots_per_inch.h"
#include "win32/handles.h"
#include "win32/palette_focus.h"
#include "win32/picture_buttons.h"

namespace quillmark::win32 {

// The program's one top-level window: a fixed frame with system menu and
// minimise box, the controls by name, and the click and press handlers that
// the binding table hands it. It owns the controls that the program paints,
// and draws the picture buttons that stand on it directly.
class MainWindow final : public WindowControls {
 public:
  // Creates the window hidden, with its client area of the given size.
  MainWindow(std::string_view title, int clientWidth, int clientHeight);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() override;

  [[nodiscard]] HWND Window() const { return window_; }
  // A control made at its place in the window description.
  void AddControl(std::string name, HWND control, const RECT& place);
  // A picture button drawn by the window itself, with the picture built in
  // under that path.
  void AddPictureButton(std::string name, int id, const RECT& place, std::string picture,
                        bool visible, std::string accessibleName);
  // The control's own window; null for a picture button the window draws.
  [[nodiscard]] HWND Control(std::string_view name) const;
  void Keep(std::unique_ptr<PictureButton> button) {
    pictureButtonWindows_.push_back(std::move(button));
  }
  void Keep(std::unique_ptr<CaptionLabel> label) { labels_.push_back(std::move(label)); }
  void Keep(std::unique_ptr<CommentEditorFrame> editor) { editor_ = std::move(editor); }
  [[nodiscard]] CommentEditorFrame* EditorFrame() const { return editor_.get(); }
  // The palette's stop in the keyboard's order, after the comment; once the
  // emoji and the comment are in place.
  void AddPaletteFocus();

  // Runs the handler when the control with this id reports a click.
  void OnClick(int id, std::function<void()> handler);
  // Runs the handler when the left button goes down over the control, before
  // the control itself sees the press, which then takes its ordinary effect.
  void OnLeftButtonPress(HWND control, std::function<void()> handler);

  // Sized and laid out for the density of the screen it is on, with the
  // default GUI font, the pictures and the margins made for it.
  void FitToScreenDensity();
  // Centred on the screen by the window's outer size, moved into its
  // monitor's work area where that leaves part of it outside, then shown at
  // that size even where the program was started maximised.
  void ShowCentred();

  void SetControlVisible(std::string_view name, bool visible) override;
  [[nodiscard]] bool IsChecked(std::string_view name) const override;
  [[nodiscard]] std::string ControlText(std::string_view name) const override;
  void SetControlText(std::string_view name, std::string_view text) override;

  void AttachWindow(HWND window) {
    window_ = window;
    pictureButtons_.Attach(window);
  }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void SetIcons(int dotsPerInch);
  void Clicked(int id) const;
  void Activated(WPARAM state);
  // The outer size whose client area is the description's at the density.
  [[nodiscard]] SIZE OuterSize(int dotsPerInch) const;
  // Fonts, icons, controls and pictures for the density; the window's own
  // size stays as it is.
  void LayOut(int dotsPerInch);
  void SetControlFont(int dotsPerInch);

  HWND window_ = nullptr;
  SIZE clientSize_;  // in the description's pixels
  UniqueIcon largeIcon_;
  UniqueIcon smallIcon_;
  HWND focusBeforeDeactivation_ = nullptr;
  int dotsPerInch_ = kDescriptionDotsPerInch;
  UniqueFont font_;  // null while the stock font serves
  std::map<std::string, HWND, std::less<>> controls_;
  std::vector<std::pair<HWND, RECT>> descriptionPlaces_;
  std::map<std::string, int, std::less<>> pictureButtonIds_;
  PictureButtonGroup pictureButtons_{[this](int id) { Clicked(id); }};
  PictureButtonsAccessibility accessibility_{pictureButtons_};
  std::map<int, std::vector<std::function<void()>>> clickHandlers_;
  std::vector<std::unique_ptr<std::function<void()>>> pressHandlers_;
  std::vector<std::unique_ptr<PictureButton>> pictureButtonWindows_;
  std::vector<std::unique_ptr<CaptionLabel>> labels_;
  std::unique_ptr<CommentEditorFrame> editor_;
  std::unique_ptr<PaletteFocus> paletteFocus_;
};

}  // namespace quillmark::win32
