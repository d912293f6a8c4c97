#pragma once

#include <windows.h>

// The density calls of Windows 10 1607 and later (GetDpiForWindow and the
// rest), looked up when the program runs, so that Windows 7 SP1 and 8.1 start
// it too; where one is missing, the older calls answer in its place: on 8.1
// the monitor's effective density from shcore, on 7 the system's, from the
// screen's device context, which the whole session shares there.
namespace quillmark::win32 {

class DpiFunctions {
 public:
  // What this Windows has.
  static const DpiFunctions& OfThisWindows();
  // None of the newer calls, as on Windows 7.
  static DpiFunctions OfWindows7() { return DpiFunctions{}; }

  [[nodiscard]] UINT ForSystem() const;
  [[nodiscard]] UINT ForWindow(HWND window) const;
  [[nodiscard]] int SystemMetric(int index, UINT dotsPerInch) const;
  // The outer rectangle of a window whose client area is the rectangle.
  void AdjustWindowRect(RECT& rect, DWORD style, DWORD extendedStyle, UINT dotsPerInch) const;

 private:
  DpiFunctions() = default;

  using ForWindowFunction = UINT(WINAPI*)(HWND);
  using ForSystemFunction = UINT(WINAPI*)();
  using SystemMetricFunction = int(WINAPI*)(int, UINT);
  using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  // GetDpiForMonitor: monitor, kind, x, y.
  using ForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

  ForWindowFunction forWindow_ = nullptr;
  ForSystemFunction forSystem_ = nullptr;
  SystemMetricFunction systemMetric_ = nullptr;
  AdjustFunction adjust_ = nullptr;
  ForMonitorFunction forMonitor_ = nullptr;
};

}  // namespace quillmark::win32
