// The main window's density: the calls that Windows 7 lacks answered by the
// older ones, and a move to a monitor of another density, as Windows sends it.
#include <windows.h>

#include <Scintilla.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "controls/control_names.h"
#include "win32/dpi_functions.h"
#include "win32/main_window.h"
#include "win32/window_builder.h"

namespace quillmark {
namespace {

constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

TEST(DpiFunctions, OnWindows7TheSystemDensityServesEveryWindow) {
  const HDC screen = ::GetDC(nullptr);
  const auto system = static_cast<UINT>(::GetDeviceCaps(screen, LOGPIXELSX));
  ::ReleaseDC(nullptr, screen);
  const win32::DpiFunctions older = win32::DpiFunctions::OfWindows7();
  EXPECT_EQ(older.ForSystem(), system);
  EXPECT_EQ(older.ForWindow(::GetDesktopWindow()), system);
  EXPECT_EQ(older.SystemMetric(SM_CXICON, 2 * system), 2 * ::GetSystemMetrics(SM_CXICON));
  RECT adjusted{0, 0, 680, 536};
  older.AdjustWindowRect(adjusted, kStyle, 0, 2 * system);
  RECT expected{0, 0, 680, 536};
  ::AdjustWindowRectEx(&expected, kStyle, FALSE, 0);
  EXPECT_TRUE(::EqualRect(&adjusted, &expected)) << "the frame stays the system's";
  // Where this Windows has the newer calls, both agree at its own density.
  const win32::DpiFunctions& newer = win32::DpiFunctions::OfThisWindows();
  EXPECT_EQ(newer.ForSystem(), system);
  EXPECT_EQ(newer.SystemMetric(SM_CXSMICON, system), ::GetSystemMetrics(SM_CXSMICON));
}

SIZE SizeOf(const RECT& rect) { return {rect.right - rect.left, rect.bottom - rect.top}; }

RECT PlaceInParent(HWND control) {
  RECT place{};
  ::GetWindowRect(control, &place);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

TEST(MainWindowDensity, MovedTo150PercentAndBackKeepsTheLayoutsSizeAndTheMonitor) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  // Registered here unless an earlier test of the process has.
  Scintilla_RegisterClasses(::GetModuleHandleW(nullptr));
  const std::unique_ptr<win32::MainWindow> window =
      win32::CreateMainWindow(MainWindowDescription());
  ASSERT_NE(window, nullptr);
  window->FitToScreenDensity();
  window->ShowCentred();
  HWND frame = window->Window();
  const HMONITOR monitor = ::MonitorFromWindow(frame, MONITOR_DEFAULTTONULL);
  const SIZE button = SizeOf(PlaceInParent(window->Control(control_names::kCopyButton)));

  for (const UINT dotsPerInch : {144U, 96U}) {
    SCOPED_TRACE(dotsPerInch);
    SIZE asked{};
    ASSERT_NE(
        ::SendMessageW(frame, kGetDpiScaledSize, dotsPerInch, reinterpret_cast<LPARAM>(&asked)), 0);
    RECT frameOnly{0, 0, 0, 0};
    win32::DpiFunctions::OfThisWindows().AdjustWindowRect(frameOnly, kStyle, WS_EX_CONTROLPARENT,
                                                          dotsPerInch);
    const SIZE client{asked.cx - SizeOf(frameOnly).cx, asked.cy - SizeOf(frameOnly).cy};
    EXPECT_EQ(client.cx, dotsPerInch == 144 ? 1020 : 680);
    EXPECT_EQ(client.cy, dotsPerInch == 144 ? 804 : 536);

    // Windows suggests the size asked for, where the window is.
    RECT outer{};
    ::GetWindowRect(frame, &outer);
    RECT suggested{outer.left, outer.top, outer.left + asked.cx, outer.top + asked.cy};
    ::SendMessageW(frame, WM_DPICHANGED, MAKEWPARAM(dotsPerInch, dotsPerInch),
                   reinterpret_cast<LPARAM>(&suggested));
    ::GetWindowRect(frame, &outer);
    EXPECT_TRUE(::EqualRect(&outer, &suggested)) << "placed where Windows suggests, and only there";
    EXPECT_EQ(::MonitorFromWindow(frame, MONITOR_DEFAULTTONULL), monitor);
    const SIZE scaled = SizeOf(PlaceInParent(window->Control(control_names::kCopyButton)));
    EXPECT_EQ(scaled.cx, static_cast<LONG>((button.cx * dotsPerInch + 48) / 96));
    EXPECT_EQ(scaled.cy, static_cast<LONG>((button.cy * dotsPerInch + 48) / 96));
  }
  RECT back{};
  ::GetClientRect(frame, &back);
  EXPECT_EQ(SizeOf(back).cx, 680);
  EXPECT_EQ(SizeOf(back).cy, 536);
}

}  // namespace
}  // namespace quillmark
