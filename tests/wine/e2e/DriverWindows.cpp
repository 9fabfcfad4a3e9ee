#include "DriverWindows.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool SameClass(HWND window, const char* expected) {
  return lstrcmpiA(ClassOf(window).c_str(), expected) == 0;
}

int TopInParent(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  POINT corner = {rect.left, rect.top};
  ScreenToClient(GetParent(child), &corner);
  return corner.y;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

void SortChild(PanelControls& controls, HWND child) {
  LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
  int id = GetDlgCtrlID(child);
  if (SameClass(child, "Edit")) {
    if (style & ES_READONLY) controls.readout = child;
    if (style & ES_NUMBER) controls.durationField = child;
  } else if (SameClass(child, TRACKBAR_CLASSA)) {
    controls.slider = child;
  } else if (SameClass(child, UPDOWN_CLASSA)) {
    if (id == 11) controls.frequencySpin = child;
    if (id == 13) controls.durationSpin = child;
  } else if (SameClass(child, "ComboBox")) {
    // Both lists have id 0: the sound list is the upper one.
    if (!controls.soundList) {
      controls.soundList = child;
    } else if (TopInParent(child) < TopInParent(controls.soundList)) {
      controls.visualList = controls.soundList;
      controls.soundList = child;
    } else {
      controls.visualList = child;
    }
  } else if (SameClass(child, "Button")) {
    if (id == 10) controls.startButton = child;
    if (id == 9) controls.languageButton = child;
  }
}

}  // namespace

PanelControls FindPanelControls() {
  PanelControls controls = {};
  controls.panel = FindWindowA("TessovantWindow", nullptr);
  controls.stimulation = FindWindowA("PaintWindow", nullptr);
  if (!controls.panel) return controls;
  std::vector<HWND> children;
  EnumChildWindows(controls.panel, CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    if (GetParent(child) == controls.panel) SortChild(controls, child);
  }
  return controls;
}

std::string NameOfWindow(const PanelControls& c, HWND window) {
  if (!window) return "none";
  if (window == c.panel) return "panel";
  if (window == c.stimulation) return "stimulation";
  if (window == c.readout) return "readout";
  if (window == c.durationField) return "durationField";
  if (window == c.slider) return "slider";
  if (window == c.frequencySpin) return "frequencySpin";
  if (window == c.durationSpin) return "durationSpin";
  if (window == c.soundList) return "soundList";
  if (window == c.visualList) return "visualList";
  if (window == c.startButton) return "startButton";
  if (window == c.languageButton) return "languageButton";
  return "other:" + ClassOf(window);
}

std::string AnsiText(HWND window) {
  // GetWindowTextA of another process's window gives only the text kept by
  // the default window procedure, which an edit control does not use.
  char text[512] = {};
  DWORD_PTR copied = 0;
  if (window) {
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_NORMAL, 5000, &copied);
  }
  return text;
}

std::string ComboItemText(HWND combo, int index) {
  LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR || length < 0) return "";
  std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
  std::vector<char> ansi(wide.size() * 2 + 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, ansi.data(), static_cast<int>(ansi.size()),
                      nullptr, nullptr);
  return ansi.data();
}

long long NowMs() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER ticks;
  ticks.LowPart = now.dwLowDateTime;
  ticks.HighPart = now.dwHighDateTime;
  return static_cast<long long>((ticks.QuadPart - 116444736000000000ULL) / 10000ULL);
}
