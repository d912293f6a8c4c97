#include "win32/dpi_functions.h"

namespace quillmark::win32 {
namespace {

template <typename Function>
Function Look(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // GetProcAddress answers with a general function pointer.
  return reinterpret_cast<Function>(  // NOLINT(cppcoreguidelines-pro-type-reinterpret-cast)
      reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// MDT_EFFECTIVE_DPI of shellscalingapi.h, which Windows 7's headers lack.
constexpr int kEffectiveDpi = 0;

}  // namespace

const DpiFunctions& DpiFunctions::OfThisWindows() {
  static const DpiFunctions functions = [] {
    DpiFunctions found;
    const HMODULE user = ::GetModuleHandleW(L"user32.dll");
    found.forWindow_ = Look<ForWindowFunction>(user, "GetDpiForWindow");
    found.forSystem_ = Look<ForSystemFunction>(user, "GetDpiForSystem");
    found.systemMetric_ = Look<SystemMetricFunction>(user, "GetSystemMetricsForDpi");
    found.adjust_ = Look<AdjustFunction>(user, "AdjustWindowRectExForDpi");
    if (found.forWindow_ == nullptr) {
      // Windows 8.1; the library stays loaded for the process's lifetime.
      found.forMonitor_ = Look<ForMonitorFunction>(
          ::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32),
          "GetDpiForMonitor");
    }
    return found;
  }();
  return functions;
}

UINT DpiFunctions::ForSystem() const {
  if (forSystem_ != nullptr) return forSystem_();
  const HDC screen = ::GetDC(nullptr);
  const int dotsPerInch = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return dotsPerInch > 0 ? static_cast<UINT>(dotsPerInch) : USER_DEFAULT_SCREEN_DPI;
}

UINT DpiFunctions::ForWindow(HWND window) const {
  if (forWindow_ != nullptr) return forWindow_(window);
  UINT x = 0;
  UINT y = 0;
  if (forMonitor_ != nullptr &&
      SUCCEEDED(forMonitor_(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi,
                            &x, &y))) {
    return x;
  }
  return ForSystem();
}

int DpiFunctions::SystemMetric(int index, UINT dotsPerInch) const {
  if (systemMetric_ != nullptr) return systemMetric_(index, dotsPerInch);
  return ::MulDiv(::GetSystemMetrics(index), static_cast<int>(dotsPerInch),
                  static_cast<int>(ForSystem()));
}

// Before Windows 10 the frame is drawn at the system's density on every
// monitor, which is what AdjustWindowRectEx answers.
void DpiFunctions::AdjustWindowRect(RECT& rect, DWORD style, DWORD extendedStyle,
                                    UINT dotsPerInch) const {
  if (adjust_ != nullptr) {
    adjust_(&rect, style, FALSE, extendedStyle, dotsPerInch);
  } else {
    ::AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
  }
}

}  // namespace quillmark::win32
