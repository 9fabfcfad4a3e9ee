#include "platform/WindowDpi.h"

#include "platform/DpiScale.h"

namespace {

typedef UINT(WINAPI* GetDpiForWindowCall)(HWND);
typedef HRESULT(WINAPI* GetDpiForMonitorCall)(HMONITOR, int, UINT*, UINT*);
typedef BOOL(WINAPI* SystemParametersInfoForDpiCall)(UINT, UINT, PVOID, UINT, UINT);
typedef BOOL(WINAPI* AdjustWindowRectExForDpiCall)(LPRECT, DWORD, BOOL, DWORD, UINT);

// MDT_EFFECTIVE_DPI: the DPI Windows scales a monitor's windows by.
const int EffectiveDpi = 0;

template <typename Call>
Call Looked(const wchar_t* module, const char* name) {
  HMODULE loaded = GetModuleHandleW(module);
  // shcore.dll is not among the program's imports; once loaded it stays.
  if (!loaded) loaded = LoadLibraryW(module);
  return loaded ? reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(loaded, name)))
                : nullptr;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : DefaultDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : DefaultDpi;
}

// NONCLIENTMETRICSW as Windows Vista and later have it; the headers of XP
// end it one field sooner, and Windows 10's ...ForDpi takes only the whole.
struct NonClientMetrics {
  NONCLIENTMETRICSW metrics;
  int paddedBorderWidth;
};

}  // namespace

int WindowDpi(HWND window) {
  static const GetDpiForWindowCall forWindow =
      Looked<GetDpiForWindowCall>(L"user32.dll", "GetDpiForWindow");
  if (forWindow && window) {
    const UINT dpi = forWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  static const GetDpiForMonitorCall forMonitor =
      Looked<GetDpiForMonitorCall>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (forMonitor && window &&
      SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), EffectiveDpi, &x, &y)) &&
      x > 0)
    return static_cast<int>(x);
  return SystemDpi();
}

HFONT CreateMessageFont(int dpi) {
  static const SystemParametersInfoForDpiCall forDpi =
      Looked<SystemParametersInfoForDpiCall>(L"user32.dll", "SystemParametersInfoForDpi");
  NonClientMetrics whole = {};
  whole.metrics.cbSize = sizeof whole;
  if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof whole, &whole, 0, static_cast<UINT>(dpi)))
    return CreateFontIndirectW(&whole.metrics.lfMessageFont);
  // Older Windows: the font at the system's DPI, its height brought to dpi.
  // Windows before Vista knows only the shorter record.
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    LOGFONTW fallback = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
    metrics.lfMessageFont = fallback;
  }
  metrics.lfMessageFont.lfHeight = FontHeightAtDpi(metrics.lfMessageFont.lfHeight, SystemDpi(), dpi);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

SIZE FrameSizeForClient(int width, int height, DWORD style, DWORD extendedStyle, int dpi) {
  static const AdjustWindowRectExForDpiCall forDpi =
      Looked<AdjustWindowRectExForDpiCall>(L"user32.dll", "AdjustWindowRectExForDpi");
  RECT frame = {0, 0, width, height};
  if (!forDpi || !forDpi(&frame, style, FALSE, extendedStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

namespace {

BOOL CALLBACK SetFontOf(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
  return TRUE;
}

}  // namespace

void SetChildrenFont(HWND window, HFONT font) {
  EnumChildWindows(window, SetFontOf, reinterpret_cast<LPARAM>(font));
}
