#include "win32/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "emoji/catalogue.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace quillmark::win32 {
namespace {

constexpr const wchar_t* kClassName = L"QuillmarkMainWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExtendedStyle = WS_EX_CONTROLPARENT;
// WM_GETDPISCALEDSIZE of Windows 10 1703, which Windows 7's headers lack;
// older Windows never send it.
constexpr UINT kGetDpiScaledSize = 0x02E4;

LRESULT CALLBACK LeftButtonPressProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR /*id*/, DWORD_PTR handler) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    (*reinterpret_cast<std::function<void()>*>(handler))();
  }
  return ::DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

MainWindow::MainWindow(std::string_view title, int clientWidth, int clientHeight)
    : clientSize_{clientWidth, clientHeight} {
  RegisterOwnerClass<MainWindow>(kClassName, 0, COLOR_BTNFACE);
  RECT outer{0, 0, clientWidth, clientHeight};
  ::AdjustWindowRectEx(&outer, kStyle, FALSE, kExtendedStyle);
  ::CreateWindowExW(kExtendedStyle, kClassName, Widen(title).c_str(), kStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                    nullptr, ::GetModuleHandleW(nullptr), this);
  if (window_ != nullptr) SetIcons(DotsPerInchOf(window_));
}

MainWindow::~MainWindow() {
  // The controls' windows go before the objects that answer their messages.
  if (::IsWindow(window_)) ::DestroyWindow(window_);
}

// At the sizes of the window's density, which the icon holds as drawn, so that
// none is scaled from another.
void MainWindow::SetIcons(int dotsPerInch) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const auto load = [instance, dotsPerInch](int metricX, int metricY) {
    const auto dpi = static_cast<UINT>(dotsPerInch);
    const DpiFunctions& functions = DpiFunctions::OfThisWindows();
    return UniqueIcon(static_cast<HICON>(
        ::LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, functions.SystemMetric(metricX, dpi),
                     functions.SystemMetric(metricY, dpi), LR_DEFAULTCOLOR)));
  };
  // The new icons are the window's before the old ones go.
  UniqueIcon large = load(SM_CXICON, SM_CYICON);
  UniqueIcon small = load(SM_CXSMICON, SM_CYSMICON);
  ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.get()));
  ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  largeIcon_ = std::move(large);
  smallIcon_ = std::move(small);
}

void MainWindow::AddControl(std::string name, HWND control, const RECT& place) {
  controls_.emplace(std::move(name), control);
  descriptionPlaces_.emplace_back(control, place);
}

void MainWindow::AddPictureButton(std::string name, int id, const RECT& place, std::string picture,
                                  bool visible, std::string accessibleName) {
  pictureButtons_.Add(id, place, std::move(picture), visible, std::move(accessibleName));
  pictureButtonIds_.emplace(std::move(name), id);
}

void MainWindow::AddPaletteFocus() {
  std::map<int, int> idsByNumber;
  for (const Emoji& emoji : EmojiCatalogue()) {
    const auto found = pictureButtonIds_.find(EmojiButtonName(emoji));
    if (found != pictureButtonIds_.end()) idsByNumber.emplace(emoji.number, found->second);
  }
  paletteFocus_ =
      std::make_unique<PaletteFocus>(window_, editor_ != nullptr ? editor_->Window() : nullptr,
                                     pictureButtons_, std::move(idsByNumber));
}

HWND MainWindow::Control(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

void MainWindow::OnClick(int id, std::function<void()> handler) {
  clickHandlers_[id].push_back(std::move(handler));
}

void MainWindow::OnLeftButtonPress(HWND control, std::function<void()> handler) {
  pressHandlers_.push_back(std::make_unique<std::function<void()>>(std::move(handler)));
  ::SetWindowSubclass(control, &LeftButtonPressProcedure, pressHandlers_.size(),
                      reinterpret_cast<DWORD_PTR>(pressHandlers_.back().get()));
}

void MainWindow::FitToScreenDensity() {
  const int dotsPerInch = DotsPerInchOf(window_);
  if (dotsPerInch == dotsPerInch_) return;
  const SIZE outer = OuterSize(dotsPerInch);
  ::SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut(dotsPerInch);
}

SIZE MainWindow::OuterSize(int dotsPerInch) const {
  RECT outer{0, 0, ScaledLength(clientSize_.cx, dotsPerInch),
             ScaledLength(clientSize_.cy, dotsPerInch)};
  DpiFunctions::OfThisWindows().AdjustWindowRect(outer, kStyle, kExtendedStyle,
                                                 static_cast<UINT>(dotsPerInch));
  return {outer.right - outer.left, outer.bottom - outer.top};
}

void MainWindow::LayOut(int dotsPerInch) {
  dotsPerInch_ = dotsPerInch;
  SetControlFont(dotsPerInch);
  SetIcons(dotsPerInch);
  for (const auto& [control, place] : descriptionPlaces_) {
    const RECT scaled = ScaledRect(place, dotsPerInch);
    ::SetWindowPos(control, nullptr, scaled.left, scaled.top, scaled.right - scaled.left,
                   scaled.bottom - scaled.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  pictureButtons_.SetDotsPerInch(dotsPerInch);
  for (const std::unique_ptr<PictureButton>& button : pictureButtonWindows_) {
    button->SetDotsPerInch(dotsPerInch);
  }
  if (editor_ != nullptr) editor_->SetDotsPerInch(dotsPerInch);
  ::InvalidateRect(window_, nullptr, TRUE);
}

// The platform's default GUI font is made for the system's density; another
// monitor's gets the same face at its own size.
void MainWindow::SetControlFont(int dotsPerInch) {
  const auto stock = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  HFONT font = stock;
  const auto systemDotsPerInch = static_cast<int>(DpiFunctions::OfThisWindows().ForSystem());
  if (dotsPerInch != systemDotsPerInch) {
    LOGFONTW face{};
    ::GetObjectW(stock, sizeof face, &face);
    face.lfHeight = ::MulDiv(face.lfHeight, dotsPerInch, systemDotsPerInch);
    font = ::CreateFontIndirectW(&face);
  }
  for (const auto& [control, place] : descriptionPlaces_) {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  font_.reset(font == stock ? nullptr : font);
}

void MainWindow::ShowCentred() {
  RECT outer{};
  ::GetWindowRect(window_, &outer);
  const LONG width = outer.right - outer.left;
  const LONG height = outer.bottom - outer.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  if (::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor) != 0) {
    work = monitor.rcWork;
  }
  // Centred in the work area of the monitor it opens on, and inside it where
  // it is larger than the work area.
  const LONG left = std::max(work.left, work.left + (work.right - work.left - width) / 2);
  const LONG top = std::max(work.top, work.top + (work.bottom - work.top - height) / 2);
  ::SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::ShowWindow(window_, SW_SHOWNORMAL);
  // A shortcut set to start maximised turns the first show into that; the
  // window has one size.
  if (::IsZoomed(window_) != 0) ::ShowWindow(window_, SW_RESTORE);
  ::UpdateWindow(window_);
}

void MainWindow::SetControlVisible(std::string_view name, bool visible) {
  if (HWND control = Control(name)) {
    ::ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
  } else if (const auto found = pictureButtonIds_.find(name); found != pictureButtonIds_.end()) {
    pictureButtons_.SetVisible(found->second, visible);
  }
}

bool MainWindow::IsChecked(std::string_view name) const {
  HWND control = Control(name);
  return control != nullptr && ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string MainWindow::ControlText(std::string_view name) const {
  HWND control = Control(name);
  if (control == nullptr) return {};
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void MainWindow::SetControlText(std::string_view name, std::string_view text) {
  if (HWND control = Control(name)) ::SetWindowTextW(control, Widen(text).c_str());
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (pictureButtons_.HandleMessage(message, wParam, lParam)) return 0;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) Clicked(LOWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // Check box, radio buttons and group box: the scheme's button text on
      // its button face, which a high-contrast scheme makes light on dark.
      ::SetTextColor(
          reinterpret_cast<HDC>(wParam),
          ::GetSysColor(::IsWindowEnabled(reinterpret_cast<HWND>(lParam)) != 0 ? COLOR_BTNTEXT
                                                                               : COLOR_GRAYTEXT));
      ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    case WM_ACTIVATE:
      Activated(wParam);
      return 0;
    case WM_GETOBJECT:
      // The emoji that the window draws itself, for screen readers.
      if (static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
        return accessibility_.Answer(window_, wParam);
      }
      return ::DefWindowProcW(window_, message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
      // The pictures are composed over the button face: again, over the new one.
      LayOut(dotsPerInch_);
      for (const auto& [control, place] : descriptionPlaces_) {
        ::SendMessageW(control, WM_SYSCOLORCHANGE, wParam, lParam);
      }
      return 0;
    case kGetDpiScaledSize: {
      // The layout's own size at the new density, which Windows then
      // suggests whole: scaled linearly, it could be a pixel off the layout.
      const SIZE outer = OuterSize(static_cast<int>(wParam));
      *reinterpret_cast<SIZE*>(lParam) = outer;
      return TRUE;
    }
    case WM_DPICHANGED: {
      // Moved to a monitor of another density: placed where Windows suggests,
      // which keeps it on that monitor, then laid out for the density.
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut(HIWORD(wParam));
      return 0;
    }
    case WM_DESTROY:
      // A screen reader's late call must find the buttons gone, not freed.
      accessibility_.Disconnect();
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window_, message, wParam, lParam);
  }
}

void MainWindow::Clicked(int id) const {
  const auto found = clickHandlers_.find(id);
  if (found == clickHandlers_.end()) return;
  for (const std::function<void()>& handler : found->second) handler();
}

// The control that had the focus gets it back when the window is activated
// again, as in a dialog.
void MainWindow::Activated(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(window_, focus)) focusBeforeDeactivation_ = focus;
    return;
  }
  if (focusBeforeDeactivation_ != nullptr && ::IsWindow(focusBeforeDeactivation_)) {
    ::SetFocus(focusBeforeDeactivation_);
  } else if (editor_ != nullptr) {
    ::SetFocus(editor_->Window());
  }
}

}  // namespace quillmark::win32
