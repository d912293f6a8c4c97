// Checks the running quillmark.exe's window from outside, as laid out for a
// screen of the density given: the client area and every control's rectangle
// are the description's scaled, and every caption fits its control in the
// default GUI font at that density; the program's icon has every size. Prints what it checked; exit
// code 1 on the first mismatch. For session_under_wine.sh. Usage: window_layout.exe DOTS_PER_INCH
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

#include "win32/dots_per_inch.h"
#include "win32/wide_text.h"
#include "window/window_description.h"

namespace {

using quillmark::ElementKind;
using quillmark::ElementRecord;

int Fail(const std::string& what) {
  std::printf("FAIL: %s\n", what.c_str());
  return 1;
}

std::string Describe(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

// The caption's extent in the font, on one line or broken at the width.
SIZE CaptionExtent(HFONT font, const std::wstring& caption, LONG wrapWidth) {
  const HDC context = ::GetDC(nullptr);
  const HGDIOBJ previous = ::SelectObject(context, font);
  RECT extent{0, 0, wrapWidth, 0};
  ::DrawTextW(context, caption.c_str(), static_cast<int>(caption.size()), &extent,
              DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  ::SelectObject(context, previous);
  ::ReleaseDC(nullptr, context);
  return {extent.right, extent.bottom};
}

// What of one line of the caption can be seen: the characters' height
// without the font's leading, and the width without the empty right half of
// a closing full-width colon, which the design's own label leaves out.
SIZE InkExtent(HFONT font, const std::wstring& caption) {
  SIZE extent = CaptionExtent(font, caption, 0);
  if (!caption.empty() && caption.back() == L'\uFF1A') {
    extent.cx -= CaptionExtent(font, L"\uFF1A", 0).cx / 2;
  }
  const HDC context = ::GetDC(nullptr);
  const HGDIOBJ previous = ::SelectObject(context, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(context, &metrics);
  ::SelectObject(context, previous);
  ::ReleaseDC(nullptr, context);
  extent.cy = metrics.tmHeight - metrics.tmInternalLeading;
  return extent;
}

// The default GUI font at the screen's density and at 96 dots per inch.
struct Fonts {
  HFONT scaled;
  HFONT at96;
};

// The room a control leaves its caption: a push button its border, a check
// box or radio button its box and the gap after it.
LONG RoomFor(ElementKind kind, LONG width, int dotsPerInch) {
  switch (kind) {
    case ElementKind::PushButton:
      return width - 2 * quillmark::ScaledLength(3, dotsPerInch);
    case ElementKind::CheckBox:
    case ElementKind::RadioButton:
      return width - quillmark::ScaledLength(16, dotsPerInch);
    default:
      return width;
  }
}

// Each caption fits its control as well as at 96 dots per inch, where the
// design's sizes are chosen: whatever overflows there (the design's own label
// leaves out part of its colon) may overflow by as much scaled, and no more.
int CheckCaption(const ElementRecord& record, const RECT& place, int dotsPerInch,
                 const Fonts& fonts) {
  if (record.properties.caption.empty() || record.kind == ElementKind::EditBox) return 0;
  const std::wstring caption = quillmark::win32::Widen(record.properties.caption);
  const LONG width = place.right - place.left;
  const LONG height = place.bottom - place.top;
  if (record.kind == ElementKind::Label) {
    // The warning label's two lines: the caption breaks into no more.
    const LONG lineHeight = CaptionExtent(fonts.scaled, L"Ag", 0).cy;
    const SIZE wrapped = CaptionExtent(fonts.scaled, caption, width);
    const LONG lines = (wrapped.cy + lineHeight - 1) / lineHeight;
    std::printf("%s: %ld lines of %ld px in %ld px\n", record.name.c_str(), lines, lineHeight,
                height);
    return lines <= 2 ? 0 : Fail(record.name + " needs " + std::to_string(lines) + " lines");
  }
  const auto overflow = [](const SIZE& extent, LONG room, LONG roomHeight) {
    return SIZE{std::max(0L, extent.cx - room), std::max(0L, extent.cy - roomHeight)};
  };
  const SIZE extent = InkExtent(fonts.scaled, caption);
  const SIZE over = overflow(extent, RoomFor(record.kind, width, dotsPerInch), height);
  const SIZE overAt96 = overflow(InkExtent(fonts.at96, caption),
                                 RoomFor(record.kind, record.width, 96), record.height);
  std::printf("%s: caption %ldx%ld in %ldx%ld\n", record.name.c_str(), extent.cx, extent.cy, width,
              height);
  if (over.cx > quillmark::ScaledLength(overAt96.cx, dotsPerInch) + 1 ||
      over.cy > quillmark::ScaledLength(overAt96.cy, dotsPerInch) + 1) {
    return Fail(record.name + "'s caption is cut more than at 96 dots per inch");
  }
  return 0;
}

// The program's icon holds every size that Windows asks for from 100 to 200 %.
// (The window's own icons cannot be read from another process under Wine.)
int CheckIconSizes() {
  const HMODULE program = ::LoadLibraryExW(L"quillmark.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HRSRC group = ::FindResourceW(program, L"DEFAULT_ICON", RT_GROUP_ICON);
  const auto* directory = static_cast<const BYTE*>(::LockResource(::LoadResource(program, group)));
  if (directory == nullptr) return Fail("quillmark.exe holds no DEFAULT_ICON");
  // A WORD count after two reserved WORDs, then 14-byte entries whose first
  // byte is the width, 0 for 256.
  std::string sizes;
  const int count = directory[4] | (directory[5] << 8);
  for (int i = 0; i < count; ++i) {
    const int width = directory[6 + (14 * i)];
    sizes += std::to_string(width == 0 ? 256 : width) + " ";
  }
  ::FreeLibrary(program);
  std::printf("icon sizes %s\n", sizes.c_str());
  if (sizes != "16 20 24 32 40 48 64 256 ") return Fail("the icon's sizes are " + sizes);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const int dotsPerInch = static_cast<int>(std::wcstol(argv[1], nullptr, 10));
  HWND window = ::FindWindowW(L"QuillmarkMainWindow", nullptr);
  if (window == nullptr) return Fail("no main window");
  RECT client{};
  ::GetClientRect(window, &client);
  const RECT expected = quillmark::win32::ScaledRect(
      {0, 0, quillmark::kClientWidth, quillmark::kClientHeight}, dotsPerInch);
  std::printf("client %s\n", Describe(client).c_str());
  if (!::EqualRect(&client, &expected)) return Fail("client should be " + Describe(expected));
  RECT outer{};
  ::GetWindowRect(window, &outer);
  if (outer.left < 0 || outer.top < 0 || outer.right > ::GetSystemMetrics(SM_CXSCREEN) ||
      outer.bottom > ::GetSystemMetrics(SM_CYSCREEN)) {
    return Fail("the window at " + Describe(outer) + " is not inside the screen");
  }

  if (CheckIconSizes() != 0) return 1;

  // The stock font of this process is made for the same system density.
  const auto stock = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW face{};
  ::GetObjectW(stock, sizeof face, &face);
  face.lfHeight =
      ::MulDiv(face.lfHeight, 96,
               static_cast<int>(quillmark::win32::DpiFunctions::OfThisWindows().ForSystem()));
  const HFONT at96 = ::CreateFontIndirectW(&face);
  const Fonts fonts{stock, at96};
  int failures = 0;
  int checked = 0;
  for (const ElementRecord& record : quillmark::MainWindowDescription()) {
    if (record.kind == ElementKind::Window) continue;
    HWND parent = record.parent == quillmark::kMainWindowId
                      ? window
                      : ::GetDlgItem(window, static_cast<int>(record.parent));
    HWND control = ::GetDlgItem(parent, static_cast<int>(record.id));
    // The emoji are drawn by the window itself and have no window of their own.
    if (control == nullptr && record.properties.emojiNumber != 0) continue;
    if (control == nullptr) return Fail("no window for " + record.name);
    RECT place{};
    ::GetWindowRect(control, &place);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    const RECT scaled = quillmark::win32::ScaledRect(
        {record.left, record.top, record.left + record.width, record.top + record.height},
        dotsPerInch);
    if (!::EqualRect(&place, &scaled)) {
      return Fail(record.name + " at " + Describe(place) + ", not " + Describe(scaled));
    }
    failures += CheckCaption(record, place, dotsPerInch, fonts);
    ++checked;
  }
  ::DeleteObject(at96);
  std::printf("%d controls at the description's rectangles scaled for %d dots per inch\n", checked,
              dotsPerInch);
  return failures == 0 ? 0 : 1;
}
