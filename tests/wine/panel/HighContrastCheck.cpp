// A panel unreadable under high contrast: with the system's high contrast on,
// the panel must show no pixel of its tile and paint its labels in the
// system's text colour; turned off again, it must look exactly as before.
// Wine reports high contrast as always off and ignores SPI_SETHIGHCONTRAST,
// so this program hosts the real panel and answers for the system at its
// import slot of SystemParametersInfoA.
#include <windows.h>

#include <cstdio>

#include "panel/ControlPanel.h"
#include "language/Language.h"
#include "tests/wine/shared/ImportSlots.h"
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
// Black and yellow, without blue; the tile's blue is 150 and more.
const COLORREF HighContrastColours[2] = {RGB(0, 0, 0), RGB(255, 255, 0)};
const uint32_t TextPixel = 0xFFFF00;

void SwitchHighContrast(bool on, const COLORREF colours[2]) {
  reportHighContrast = on;
  SetSysColors(2, ColourIndexes, colours);
  SendMessageA(ExposureState.ControlPanel, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  PumpFor(300);
}

}  // namespace

int main() {
  systemSettings = ReplaceImport("user32.dll", "SystemParametersInfoA", SettingsWithHighContrast);
  Check(systemSettings != nullptr, "the panel does not ask SystemParametersInfoA");
  CreateControlPanel(GetModuleHandleA(nullptr));
  StoreField(ExposureState.language, LanguageRussian);
  ApplyLanguage();
  PumpFor(500);
  POINT origin = {0, 0};
  ClientToScreen(ExposureState.ControlPanel, &origin);
  RECT client;
  GetClientRect(ExposureState.ControlPanel, &client);
  const ScreenPixels before = GrabScreen();
  const COLORREF usual[2] = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};

  SwitchHighContrast(true, HighContrastColours);
  const ScreenPixels contrast = GrabScreen();
  // Four labels and the empty ground right of the duration row: x, y, w, h
  // and the least number of pixels in the text colour.
  const int regions[5][5] = {{5, 5, 150, 15, 20}, {5, 34, 170, 15, 20}, {5, 94, 140, 15, 20},
                             {325, 132, 160, 15, 20}, {300, 90, 180, 28, 0}};
  for (const auto& r : regions) {
    long tile = 0, text = 0;
    for (int y = origin.y + r[1]; y < origin.y + r[1] + r[3]; y++)
      for (int x = origin.x + r[0]; x < origin.x + r[0] + r[2]; x++) {
        tile += (contrast.At(x, y) & 0xFF) > 64;
        text += contrast.At(x, y) == TextPixel;
      }
    Check(tile == 0, "%ld pixels of the tile at (%d, %d)", tile, r[0], r[1]);
    Check(text >= r[4], "%ld pixels of the text colour at (%d, %d)", text, r[0], r[1]);
  }

  SwitchHighContrast(false, usual);
  const ScreenPixels after = GrabScreen();
  long changed = 0;
  for (int y = origin.y; y < origin.y + client.bottom; y++)
    for (int x = origin.x; x < origin.x + client.right; x++) changed += before.At(x, y) != after.At(x, y);
  Check(changed == 0, "with high contrast off again, %ld pixels of the panel differ", changed);
  std::printf("contrast: %s\n", Failures() ? "FAILED" : "passed");
  return Failures() ? 1 : 0;
}
