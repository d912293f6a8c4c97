#include "win32/picture_button.h"

#include <windowsx.h>

#include <cctype>
#include <cstring>
#include <optional>
#include <span>
#include <string>

#include "emoji/png_picture.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace quillmark::win32 {
namespace {

constexpr const wchar_t* kClassName = L"QuillmarkPictureButton";

UniqueBitmap BitmapOf(const Bitmap& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // rows from the top, as decoded
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  // 0xFFRRGGBB in memory is the blue, green, red, unused order of a 32-bit DIB.
  if (bitmap) std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * 4);
  return bitmap;
}

}  // namespace

PictureButton::PictureButton(HWND parent, int id, const RECT& place, UniqueBitmap picture)
    : picture_(std::move(picture)) {
  RegisterOwnerClass<PictureButton>(kClassName, 0, COLOR_BTNFACE);
  ::CreateWindowExW(0, kClassName, L"", WS_CHILD, place.left, place.top, place.right - place.left,
                    place.bottom - place.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                    this);
}

LRESULT PictureButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      ::SetCapture(window_);
      return 0;
    case WM_LBUTTONUP:
      Release(lParam);
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    default:
      return ::DefWindowProcW(window_, message, wParam, lParam);
  }
}

void PictureButton::Release(LPARAM point) {
  if (!pressed_) return;
  pressed_ = false;
  ::ReleaseCapture();
  RECT client{};
  ::GetClientRect(window_, &client);
  if (!::PtInRect(&client, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)})) return;
  const int id = ::GetDlgCtrlID(window_);
  ::SendMessageW(::GetParent(window_), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window_));
}

// The picture at the top-left corner at its natural size, clipped to the button.
void PictureButton::Paint() const {
  const Painting painting(window_);
  if (!picture_) return;
  BITMAP size{};
  ::GetObjectW(picture_.get(), sizeof size, &size);
  const MemoryDrawing source(painting.Context(), picture_.get());
  ::BitBlt(painting.Context(), 0, 0, size.bmWidth, size.bmHeight, source.Context(), 0, 0, SRCCOPY);
}

UniqueBitmap LoadPictureResource(std::string_view path, COLORREF background) {
  std::string name(path);
  for (char& c : name) {
    c = std::isalnum(static_cast<unsigned char>(c)) != 0
            ? static_cast<char>(std::toupper(static_cast<unsigned char>(c)))
            : '_';
  }
  const HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC resource = ::FindResourceW(module, Widen(name).c_str(), RT_RCDATA);
  if (resource == nullptr) return nullptr;
  const auto* bytes =
      static_cast<const std::uint8_t*>(::LockResource(::LoadResource(module, resource)));
  if (bytes == nullptr) return nullptr;
  const std::optional<Bitmap> picture =
      DecodePngPicture(std::span(bytes, ::SizeofResource(module, resource)),
                       Rgb{GetRValue(background), GetGValue(background), GetBValue(background)});
  return picture ? BitmapOf(*picture) : nullptr;
}

}  // namespace quillmark::win32
