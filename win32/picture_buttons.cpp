#include "win32/picture_buttons.h"

#include <windowsx.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <span>
#include <string>

#include "emoji/picture_density.h"
#include "win32/dots_per_inch.h"
#include "win32/handles.h"
#include "win32/picture_buttons_accessible.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace quillmark::win32 {
namespace {

constexpr const wchar_t* kClassName = L"QuillmarkPictureButton";

// Draws the picture at its natural size with its top-left corner at the
// point, within the clip of the context.
void DrawPicture(HDC context, const Bitmap& picture, POINT corner) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // rows from the top, as decoded
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;  // 0xFFRRGGBB is a 32-bit DIB's blue, green, red order
  info.bmiHeader.biCompression = BI_RGB;
  ::StretchDIBits(context, corner.x, corner.y, picture.width, picture.height, 0, 0, picture.width,
                  picture.height, picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

void PictureButtonGroup::Add(int id, const RECT& place, std::string picture, bool visible,
                             std::string accessibleName) {
  Button& button = buttons_.emplace_back(
      Button{id, place, std::move(picture), visible, std::move(accessibleName), {}, {}});
  button.place = ScaledRect(place, dotsPerInch_);
  button.picture = LoadPictureResource(button.path, ::GetSysColor(COLOR_BTNFACE), dotsPerInch_);
}

void PictureButtonGroup::SetDotsPerInch(int dotsPerInch) {
  dotsPerInch_ = dotsPerInch;
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  for (Button& button : buttons_) {
    button.place = ScaledRect(button.descriptionPlace, dotsPerInch);
    button.picture = LoadPictureResource(button.path, face, dotsPerInch);
  }
  if (host_ != nullptr) ::InvalidateRect(host_, nullptr, TRUE);
}

bool PictureButtonGroup::SetVisible(int id, bool visible) {
  Button* button = Find(id);
  if (button == nullptr) return false;
  if (button->visible != visible) {
    button->visible = visible;
    if (button == pressed_) pressed_ = nullptr;
    ::InvalidateRect(host_, &button->place, TRUE);
  }
  return true;
}

namespace {

// The button with the id in the group's list, as const as the list.
template <typename Buttons>
auto* FindIn(Buttons& buttons, int id) {
  const auto found = std::ranges::find(buttons, id, &PictureButtonGroup::Button::id);
  return found == buttons.end() ? nullptr : &*found;
}

}  // namespace

PictureButtonGroup::Button* PictureButtonGroup::Find(int id) { return FindIn(buttons_, id); }

const PictureButtonGroup::Button* PictureButtonGroup::Find(int id) const {
  return FindIn(buttons_, id);
}

bool PictureButtonGroup::IsVisible(int id) const {
  const Button* button = Find(id);
  return button != nullptr && button->visible;
}

int PictureButtonGroup::ChildIdOf(int id) const {
  const Button* button = Find(id);
  return button == nullptr ? 0 : static_cast<int>(button - buttons_.data()) + 1;
}

// Two pixels around the picture, in the pitch's gap.
RECT PictureButtonGroup::MarkPlace(const Button& button) const {
  RECT place = button.place;
  const int margin = ScaledLength(2, dotsPerInch_);
  ::InflateRect(&place, margin, margin);
  return place;
}

void PictureButtonGroup::SetFocusMark(int id) {
  for (const int marked : {focusMark_, id}) {
    if (const Button* button = Find(marked); button != nullptr && host_ != nullptr) {
      const RECT place = MarkPlace(*button);
      ::InvalidateRect(host_, &place, TRUE);
    }
  }
  focusMark_ = id;
}

void PictureButtonGroup::PostClick(int id) const {
  ::PostMessageW(host_, kClickPostedMessage, static_cast<WPARAM>(id), 0);
}

bool PictureButtonGroup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kClickPostedMessage:
      Click(static_cast<int>(wParam));
      return true;
    case WM_PAINT:
      Paint();
      return true;
    case WM_LBUTTONDOWN:
      Press(PointOf(lParam));
      return true;
    case WM_LBUTTONUP:
      Release(PointOf(lParam));
      return true;
    case WM_CAPTURECHANGED:
      pressed_ = nullptr;
      return true;
    default:
      return false;
  }
}

// Each shown picture at its button's top-left corner at its natural size,
// clipped to the button.
void PictureButtonGroup::Paint() const {
  const Painting painting(host_);
  const HDC context = painting.Context();
  for (const Button& button : buttons_) {
    RECT visible{};
    if (!button.visible || !button.picture ||
        !::IntersectRect(&visible, &button.place, &painting.Area())) {
      continue;
    }
    const int saved = ::SaveDC(context);
    ::IntersectClipRect(context, button.place.left, button.place.top, button.place.right,
                        button.place.bottom);
    DrawPicture(context, *button.picture, {button.place.left, button.place.top});
    ::RestoreDC(context, saved);
  }
  // The system's own focus rectangle, which every colour scheme shows.
  if (const Button* marked = Find(focusMark_); marked != nullptr && marked->visible) {
    const RECT place = MarkPlace(*marked);
    ::DrawFocusRect(context, &place);
  }
}

void PictureButtonGroup::Press(POINT point) {
  pressed_ = ButtonAt(point);
  if (pressed_ != nullptr) ::SetCapture(host_);
}

void PictureButtonGroup::Release(POINT point) {
  const Button* pressed = pressed_;
  if (pressed == nullptr) return;
  pressed_ = nullptr;
  ::ReleaseCapture();
  if (ButtonAt(point) == pressed) clicked_(pressed->id);
}

const PictureButtonGroup::Button* PictureButtonGroup::ButtonAt(POINT point) const {
  for (const Button& button : buttons_) {
    if (button.visible && ::PtInRect(&button.place, point)) return &button;
  }
  return nullptr;
}

PictureButton::PictureButton(HWND parent, int id, const RECT& place, std::string picture,
                             std::string accessibleName)
    : group_([this](int clicked) {
        ::SendMessageW(::GetParent(window_), WM_COMMAND, MAKEWPARAM(clicked, BN_CLICKED),
                       reinterpret_cast<LPARAM>(window_));
      }) {
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  // The window's text is its name for screen readers; the button is drawn.
  const std::wstring name = Widen(accessibleName);
  group_.Add(id, RECT{0, 0, width, height}, std::move(picture), true, std::move(accessibleName));
  RegisterOwnerClass<PictureButton>(kClassName, 0, COLOR_BTNFACE);
  ::CreateWindowExW(0, kClassName, name.c_str(), WS_CHILD, place.left, place.top, width, height,
                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                    ::GetModuleHandleW(nullptr), this);
}

void PictureButton::AttachWindow(HWND window) {
  window_ = window;
  group_.Attach(window);
}

LRESULT PictureButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (group_.HandleMessage(message, wParam, lParam)) return 0;
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
    return accessibility_.Answer(window_, wParam);
  }
  if (message == WM_DESTROY) accessibility_.Disconnect();
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

namespace {

std::optional<Bitmap> DecodeResource(std::string_view path, COLORREF background) {
  std::string name(path);
  for (char& c : name) {
    const auto byte = static_cast<unsigned char>(c);
    c = std::isalnum(byte) != 0 ? static_cast<char>(std::toupper(byte)) : '_';
  }
  const HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC resource = ::FindResourceW(module, Widen(name).c_str(), RT_RCDATA);
  if (resource == nullptr) return std::nullopt;
  const auto* bytes =
      static_cast<const std::uint8_t*>(::LockResource(::LoadResource(module, resource)));
  if (bytes == nullptr) return std::nullopt;
  return DecodePngPicture(std::span(bytes, ::SizeofResource(module, resource)),
                          Rgb{GetRValue(background), GetGValue(background), GetBValue(background)});
}

// "emoji/pictures/7.png" -> "emoji/pictures/7@2x.png"
std::string DoubleDensityPath(std::string_view path) {
  std::string doubled(path);
  const std::size_t dot = doubled.rfind('.');
  return doubled.insert(dot == std::string::npos ? doubled.size() : dot, "@2x");
}

}  // namespace

std::optional<Bitmap> LoadPictureResource(std::string_view path, COLORREF background,
                                          int dotsPerInch) {
  return PictureForRatio(
      static_cast<double>(dotsPerInch) / kDescriptionDotsPerInch,
      [&](bool doubleArtwork) {
        return DecodeResource(doubleArtwork ? DoubleDensityPath(path) : std::string(path),
                              background);
      },
      [dotsPerInch](int length) { return ScaledLength(length, dotsPerInch); });
}

}  // namespace quillmark::win32
