// A panel unreadable under high contrast: with the system's high contrast on,
// the panel must show no pixel of its tile and paint its labels in the
// system's text colour; turned off again, it must look exactly as before.
// Wine reports high contrast as always off and ignores SPI_SETHIGHCONTRAST,
// so this program hosts the real panel and answers its question itself, at
// its import slot of SystemParametersInfoA.
#include <windows.h>

#include <cstdio>

#include "exposure/ExposureState.h"
#include "panel/ControlPanel.h"
#include "panel/Language.h"
#include "tests/wine/ImportSlot.h"
#include "tests/wine/visual/Exposure.h"

namespace {

typedef BOOL(WINAPI* SettingsCall)(UINT, UINT, PVOID, UINT);
SettingsCall systemSettings;
bool reportHighContrast;

BOOL WINAPI SettingsWithHighContrast(UINT action, UINT parameter, PVOID data, UINT flags) {
  const BOOL result = systemSettings(action, parameter, data, flags);
  if (action == SPI_GETHIGHCONTRAST && reportHighContrast)
    static_cast<HIGHCONTRASTA*>(data)->dwFlags |= HCF_HIGHCONTRASTON;
  return result;
}

const int ColourIndexes[2] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
const COLORREF HighContrastColours[2] = {RGB(0, 0, 0), RGB(255, 255, 0)};
const uint32_t WindowPixel = 0x000000;

// Sets the system colours and the setting, and tells the panel as Windows does.
void SwitchHighContrast(bool on, const COLORREF colours[2]) {
  reportHighContrast = on;
  SetSysColors(2, ColourIndexes, colours);
  SendMessageA(ExposureState.ControlPanel, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  PumpFor(300);
}

RECT ClientOnScreen() {
  RECT client;
  GetClientRect(ExposureState.ControlPanel, &client);
  MapWindowPoints(ExposureState.ControlPanel, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

bool OnAControl(int x, int y) {
  const POINT point = {x, y};
  for (HWND child = GetWindow(ExposureState.ControlPanel, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT place;
    GetWindowRect(child, &place);
    if (PtInRect(&place, point)) return true;
  }
  return false;
}

// The tile is pastel (blue 150 and up); the window and text colours set here
// have no blue at all.
void CheckHighContrast(const ScreenPixels& screen, const RECT& client) {
  long tilePixels = 0;
  for (int y = client.top; y < client.bottom; y++)
    for (int x = client.left; x < client.right; x++)
      if (!OnAControl(x, y) && (screen.At(x, y) & 0xFF) > 64) tilePixels++;
  Check(tilePixels == 0, "%ld pixels outside the controls still show the tile", tilePixels);
  // Between the controls, right of the duration row: only the window colour.
  long other = 0;
  for (int y = 90; y < 118; y++)
    for (int x = 300; x < 480; x++) other += screen.At(client.left + x, client.top + y) != WindowPixel;
  Check(other == 0, "%ld pixels of the empty ground are not the window colour", other);
  // The labels: left, middle and right of the panel.
  const RECT labels[] = {{5, 5, 155, 20}, {5, 34, 175, 49}, {5, 94, 145, 109}, {325, 132, 485, 147}};
  for (const RECT& label : labels) {
    long text = 0;
    for (int y = label.top; y < label.bottom; y++)
      for (int x = label.left; x < label.right; x++)
        text += screen.At(client.left + x, client.top + y) == 0xFFFF00;
    Check(text >= 20, "the label at (%ld, %ld) has %ld pixels of the text colour", label.left,
          label.top, text);
  }
}

}  // namespace

int main() {
  systemSettings = ReplaceImport("user32.dll", "SystemParametersInfoA", SettingsWithHighContrast);
  Check(systemSettings != nullptr, "the panel does not ask SystemParametersInfoA");
  CreateControlPanel(GetModuleHandleA(nullptr));
  StoreField(ExposureState.language, LanguageRussian);
  ApplyLanguage();
  SetForegroundWindow(ExposureState.ControlPanel);
  PumpFor(500);
  const RECT client = ClientOnScreen();
  const ScreenPixels before = GrabScreen();

  COLORREF usual[2];
  for (int i = 0; i < 2; i++) usual[i] = GetSysColor(ColourIndexes[i]);
  SwitchHighContrast(true, HighContrastColours);
  CheckHighContrast(GrabScreen(), client);

  SwitchHighContrast(false, usual);
  const ScreenPixels after = GrabScreen();
  long changed = 0;
  for (int y = client.top; y < client.bottom; y++)
    for (int x = client.left; x < client.right; x++) changed += before.At(x, y) != after.At(x, y);
  Check(changed == 0, "with high contrast off again, %ld pixels of the panel differ", changed);
  std::printf("contrast: %s\n", Failures() ? "FAILED" : "passed");
  return Failures() ? 1 : 0;
}
