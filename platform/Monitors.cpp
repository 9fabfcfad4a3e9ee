#include "platform/Monitors.h"

namespace {

bool MonitorOf(HWND window, MONITORINFOEXW& info) {
  info = {};
  info.cbSize = sizeof info;
  HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                            : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  return monitor && GetMonitorInfoW(monitor, &info);
}

}  // namespace

RECT MonitorArea(HWND window) {
  MONITORINFOEXW info;
  if (MonitorOf(window, info)) return info.rcMonitor;
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

uint32_t ReportedRefreshHz(HWND window) {
  MONITORINFOEXW info;
  DEVMODEW mode = {};
  mode.dmSize = sizeof mode;
  if (!MonitorOf(window, info) || !EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode))
    return 0;
  return mode.dmDisplayFrequency;
}
