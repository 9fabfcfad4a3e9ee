#include "panel/Language.h"

#include <windows.h>

#include "exposure/ExposureState.h"
#include "panel/Strings.h"

namespace {

void FillModeList(HWND list, const TextPair* names) {
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (int mode = 0; mode < ModeCount; mode++)
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(InCurrentLanguage(names[mode])));
  SendMessageA(list, CB_SETCURSEL, 1, 0);
}

}  // namespace

void ApplyLanguage() {
  SetWindowTextA(ExposureState.ControlPanel, InCurrentLanguage(PanelTitle));
  FillModeList(ExposureState.soundList, SoundModeNames);
  FillModeList(ExposureState.visualList, VisualModeNames);
  SetWindowTextA(ExposureState.startButton, InCurrentLanguage(StartCaption));
  // The whole window's size covers the whole client area: the tile and the
  // labels are painted again in the language now current.
  RECT panelArea = {0, 0, 500, 200};
  InvalidateRect(ExposureState.ControlPanel, &panelArea, TRUE);
}

void ToggleLanguage() {
  StoreField(ExposureState.language, OtherLanguage(LoadField(ExposureState.language)));
  ApplyLanguage();
}
