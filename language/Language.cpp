#include "language/Language.h"

#include "exposure/ExposureState.h"
#include "platform/FileNames.h"

void ApplyLanguage() {
  SetWindowTextA(ExposureState.ControlPanel, InCurrentLanguage(PanelTitle));
  FillModeListA(ExposureState.soundList, SoundModeNames, 1);
  FillModeListA(ExposureState.visualList, VisualModeNames, 1);
  SetWindowTextA(ExposureState.startButton, InCurrentLanguage(StartCaption));
  // The whole window's size covers the whole client area: the tile and the
  // labels are painted again in the language now current.
  RECT panelArea = {0, 0, 500, 200};
  InvalidateRect(ExposureState.ControlPanel, &panelArea, TRUE);
}

void ToggleLanguage() {
  StoreField(ExposureState.language, OtherLanguage(LoadField(ExposureState.language)));
}

void FillModeListA(HWND list, const TextPair* names, int selected) {
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (int mode = 0; mode < ModeCount; mode++)
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(InCurrentLanguage(names[mode])));
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void FillModeListW(HWND list, const TextPair* names, int selected) {
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (int mode = 0; mode < ModeCount; mode++) {
    const std::wstring name = WideFromCodePage1251(InCurrentLanguage(names[mode]));
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}
