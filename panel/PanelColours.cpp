#include "panel/PanelColours.h"

#include "exposure/ExposureState.h"

namespace {

// Made once from the bitmap; lives as long as the process, since the class
// takes it back whenever high contrast is turned off.
HBRUSH tileBrush;

bool HighContrastIsOn() {
  HIGHCONTRASTA contrast = {};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// A system colour index plus one stands for that colour's brush, and follows
// the colour when it changes.
HBRUSH CurrentBackground() {
  return HighContrastIsOn() ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1))
                            : tileBrush;
}

}  // namespace

HBRUSH PanelBackgroundBrush(HINSTANCE instance, int tileResource) {
  tileBrush = CreatePatternBrush(LoadBitmapA(instance, MAKEINTRESOURCEA(tileResource)));
  return CurrentBackground();
}

void FollowSystemColours(HWND panel) {
  SetClassLongPtrA(panel, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(CurrentBackground()));
  // Common controls keep their own copies of the system colours until told.
  SendMessageA(ExposureState.frequencySlider, WM_SYSCOLORCHANGE, 0, 0);
  SendMessageA(ExposureState.frequencySpin, WM_SYSCOLORCHANGE, 0, 0);
  SendMessageA(ExposureState.durationSpin, WM_SYSCOLORCHANGE, 0, 0);
  RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SetLabelColour(HDC dc) {
  if (HighContrastIsOn()) SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
}
