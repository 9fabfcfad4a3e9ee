#include "DriverReport.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace {

std::string Utf8OfAnsi(const std::string& ansi) {
  int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(wideLength) + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), wideLength);
  int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
  std::vector<char> utf8(static_cast<size_t>(length) + 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, utf8.data(), length, nullptr, nullptr);
  return utf8.data();
}

void PrintRect(const char* key, HWND window, HWND relativeTo) {
  if (!window) return;
  RECT rect;
  GetWindowRect(window, &rect);
  if (relativeTo) MapWindowPoints(HWND_DESKTOP, relativeTo, reinterpret_cast<POINT*>(&rect), 2);
  printf("%s=%ld,%ld,%ld,%ld\n", key, rect.left, rect.top, rect.right - rect.left,
         rect.bottom - rect.top);
}

// The client area in screen coordinates, to find painted labels on a screenshot.
void PrintClientArea(HWND window) {
  if (!window) return;
  RECT client;
  GetClientRect(window, &client);
  POINT corner = {0, 0};
  ClientToScreen(window, &corner);
  printf("panel.client=%ld,%ld,%ld,%ld\n", corner.x, corner.y, client.right, client.bottom);
}

void PrintList(const char* name, HWND combo) {
  if (!combo) return;
  LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  printf("%s.count=%ld\n", name, static_cast<long>(count));
  printf("%s.sel=%ld\n", name, static_cast<long>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
  for (int i = 0; i < count; ++i) {
    char key[64];
    snprintf(key, sizeof key, "%s.%d", name, i);
    PrintText(key, ComboItemText(combo, i));
  }
}

void PrintFrequencyControls(const PanelControls& c) {
  PrintText("readout", AnsiText(c.readout));
  if (c.slider) {
    printf("slider.pos=%ld\n", static_cast<long>(SendMessageA(c.slider, TBM_GETPOS, 0, 0)));
    printf("slider.range=%ld,%ld\n", static_cast<long>(SendMessageA(c.slider, TBM_GETRANGEMIN, 0, 0)),
           static_cast<long>(SendMessageA(c.slider, TBM_GETRANGEMAX, 0, 0)));
  }
  if (c.frequencySpin) {
    LRESULT pos = SendMessageA(c.frequencySpin, UDM_GETPOS, 0, 0);
    printf("frequencySpin.pos=%u\n", static_cast<unsigned>(LOWORD(pos)));
    // UDM_GETRANGE32 takes pointers, which do not cross processes.
    LRESULT range = SendMessageA(c.frequencySpin, UDM_GETRANGE, 0, 0);
    printf("frequencySpin.range=%u,%u\n", static_cast<unsigned>(HIWORD(range)),
           static_cast<unsigned>(LOWORD(range)));
  }
  if (c.durationSpin) {
    LRESULT range = SendMessageA(c.durationSpin, UDM_GETRANGE, 0, 0);
    printf("durationSpin.range=%u,%u\n", static_cast<unsigned>(HIWORD(range)),
           static_cast<unsigned>(LOWORD(range)));
  }
}

void PrintLayout(const PanelControls& c) {
  PrintRect("readout.rect", c.readout, c.panel);
  PrintRect("durationField.rect", c.durationField, c.panel);
  PrintRect("slider.rect", c.slider, c.panel);
  PrintRect("frequencySpin.rect", c.frequencySpin, c.panel);
  PrintRect("soundList.rect", c.soundList, c.panel);
  PrintRect("visualList.rect", c.visualList, c.panel);
  PrintRect("durationSpin.rect", c.durationSpin, c.panel);
  PrintRect("startButton.rect", c.startButton, c.panel);
  PrintRect("languageButton.rect", c.languageButton, c.panel);
}

void PrintWindowsAndFocus(const PanelControls& c) {
  printf("panel.found=%d\n", c.panel ? 1 : 0);
  PrintRect("panel.rect", c.panel, nullptr);
  PrintClientArea(c.panel);
  printf("panel.visible=%d\n", c.panel && IsWindowVisible(c.panel) ? 1 : 0);
  printf("panel.iconic=%d\n", c.panel && IsIconic(c.panel) ? 1 : 0);
  printf("panel.style=0x%08lx\n", static_cast<unsigned long>(GetWindowLongPtrA(c.panel, GWL_STYLE)));
  printf("stimulation.found=%d\n", c.stimulation ? 1 : 0);
  printf("stimulation.visible=%d\n", c.stimulation && IsWindowVisible(c.stimulation) ? 1 : 0);
  PrintRect("stimulation.rect", c.stimulation, nullptr);
  printf("stimulation.style=0x%08lx\n",
         static_cast<unsigned long>(GetWindowLongPtrA(c.stimulation, GWL_STYLE)));
  printf("stimulation.owner=%s\n", NameOfWindow(c, c.stimulation ? GetWindow(c.stimulation, GW_OWNER) : nullptr).c_str());
  printf("foreground=%s\n", NameOfWindow(c, GetForegroundWindow()).c_str());
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (c.panel && GetGUIThreadInfo(GetWindowThreadProcessId(c.panel, nullptr), &info)) {
    printf("active=%s\n", NameOfWindow(c, info.hwndActive).c_str());
    printf("focus=%s\n", NameOfWindow(c, info.hwndFocus).c_str());
  }
  CURSORINFO cursor = {};
  cursor.cbSize = sizeof cursor;
  GetCursorInfo(&cursor);
  printf("cursor.showing=%d\n", (cursor.flags & CURSOR_SHOWING) ? 1 : 0);
  printf("screen=%d,%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace

void PrintText(const char* key, const std::string& ansi) {
  printf("%s=%s\n", key, Utf8OfAnsi(ansi).c_str());
  printf("%s.hex=", key);
  for (unsigned char byte : ansi) printf("%02x", byte);
  printf("\n");
}

void PrintState(const PanelControls& c) {
  printf("t=%lld\n", NowMs());
  PrintWindowsAndFocus(c);
  if (!c.panel) return;
  PrintText("title", AnsiText(c.panel));
  PrintText("start", AnsiText(c.startButton));
  PrintText("language", AnsiText(c.languageButton));
  PrintText("duration", AnsiText(c.durationField));
  PrintFrequencyControls(c);
  PrintList("soundList", c.soundList);
  PrintList("visualList", c.visualList);
  PrintLayout(c);
}

void PrintDurationPosition(const PanelControls& c) {
  LRESULT pos = SendMessageA(c.durationSpin, UDM_GETPOS, 0, 0);
  printf("durationSpin.pos=%u\n", static_cast<unsigned>(LOWORD(pos)));
  printf("durationSpin.error=%u\n", static_cast<unsigned>(HIWORD(pos)));
}
