#include "panel/ControlPanel.h"

#include <commctrl.h>

#include <cstring>

#include "exposure/control/ExposureControl.h"
#include "exposure/ExposureState.h"
#include "platform/WindowKeys.h"
#include "panel/FrequencyControls.h"
#include "language/Language.h"
#include "panel/PanelColours.h"
#include "language/Strings.h"
#include "platform/ProgramWindow.h"
#include "visual/window/StimulationWindow.h"

namespace {

const int IconResource = 101;
const int TileResource = 105;

void CreateFrequencySlider(HINSTANCE instance) {
  HWND slider = CreateChildA(instance, ExposureState.ControlPanel, "msctls_trackbar32", nullptr,
                             WS_TABSTOP | TBS_FIXEDLENGTH, 0, {242, 5, 250, 15}, FrequencySliderId);
  ExposureState.frequencySlider = slider;
  SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELONG(MinimumFrequency, MaximumFrequency));
  SendMessageA(slider, TBM_SETPOS, TRUE, DefaultFrequency);
  SendMessageA(slider, TBM_SETTHUMBLENGTH, 13, 0);
}

HWND CreateModeList(HINSTANCE instance, int y) {
  return CreateChildA(instance, ExposureState.ControlPanel, "COMBOBOX", nullptr,
                      WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_HASSTRINGS, 0,
                      {185, y, 305, 200}, 0);
}

void CreateControls(HINSTANCE instance) {
  ExposureState.frequencyReadout =
      CreateChildA(instance, ExposureState.ControlPanel, "EDIT", "7,80", ES_READONLY | ES_RIGHT, 0,
                   {160, 5, 40, 15}, 0);
  ExposureState.durationField =
      CreateChildA(instance, ExposureState.ControlPanel, "EDIT", "0",
                   WS_TABSTOP | WS_DLGFRAME | ES_NUMBER | ES_RIGHT, 0, {150, 92, 50, 20}, 0);
  InitCommonControls();
  CreateFrequencySlider(instance);
  ExposureState.frequencySpin = CreateUpDownControl(
      WS_CHILD | WS_VISIBLE, 222, 5, 10, 15, ExposureState.ControlPanel, FrequencySpinId, instance,
      ExposureState.frequencySlider, MaximumFrequency, MinimumFrequency, DefaultFrequency);
  ExposureState.soundList = CreateModeList(instance, 30);
  ExposureState.visualList = CreateModeList(instance, 60);
  ExposureState.durationSpin =
      CreateUpDownControl(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, 230, 95, 10,
                          15, ExposureState.ControlPanel, DurationSpinId, instance,
                          ExposureState.durationField, 10000, 0, 0);
  ExposureState.startButton =
      CreateChildA(instance, ExposureState.ControlPanel, "BUTTON", "", WS_TABSTOP,
                   WS_EX_DLGMODALFRAME, {215, 125, 70, 30}, StartButtonId);
  ExposureState.languageButton =
      CreateChildA(instance, ExposureState.ControlPanel, "BUTTON", LanguageButtonCaption,
                   WS_TABSTOP, 0, {5, 125, 70, 30}, LanguageButtonId);
}

// Tab follows the z-order, which is the order of creation: the duration
// field, made second, is moved to after the visual list, so that Tab goes
// slider, sound list, visual list, duration field, Start, language.
void OrderTabStops() {
  SetWindowPos(ExposureState.durationField, ExposureState.visualList, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DrawLabel(HDC dc, int x, int y, const char* text) {
  TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void PaintLabels(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SetBkMode(dc, TRANSPARENT);
  SetLabelColour(dc);
  DrawLabel(dc, 5, 5, InCurrentLanguage(FrequencyLabel));
  DrawLabel(dc, 202, 5, InCurrentLanguage(FrequencyUnit));
  DrawLabel(dc, 5, 34, InCurrentLanguage(SoundLabel));
  DrawLabel(dc, 5, 64, InCurrentLanguage(VisualLabel));
  DrawLabel(dc, 5, 94, InCurrentLanguage(DurationLabel));
  DrawLabel(dc, 202, 94, InCurrentLanguage(DurationUnit));
  DrawLabel(dc, 325, 132, WebAddressLine);
  EndPaint(window, &paint);
}

// Acts only on a button click: the id in the low word, code 0 in the high.
void HandleCommand(WPARAM wParam) {
  const int id = CommandId(ExposureState.ControlPanel, wParam);
  const int code = HIWORD(wParam);
  if (code != 0) return;
  // Start or Stop, decided from running alone.
  if (id == StartButtonId) HandleStartStopCommand();
  if (id == LanguageButtonId) {
    ToggleLanguage();
    ApplyLanguage();
  }
}

}  // namespace

void CreateControlPanel(HINSTANCE instance) {
  RegisterProgramClassA(instance, "TessovantWindow", ControlPanelProc, IconResource,
                        PanelBackgroundBrush(instance, TileResource));
  ExposureState.ControlPanel =
      CreateProgramWindowA(instance, "TessovantWindow", PanelWidth, PanelHeight);
  ExposureState.ProgramWindow = ExposureState.ControlPanel;
  CreateControls(instance);
  OrderTabStops();
}

LRESULT CALLBACK ControlPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      HandleSliderScroll();
      break;
    case WM_VSCROLL:
      HandleArrowScroll();
      break;
    case WM_COMMAND:
      HandleCommand(wParam);
      break;
    case WM_PAINT:
      PaintLabels(window);
      break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      FollowSystemColours(window);
      break;
    case WM_SYSCOMMAND:
      if (HoldsOffScreenSaver(wParam)) return 0;
      break;
    case CountdownEndedMessage:
      HandleCountdownEnded(wParam);
      break;
    case WM_DESTROY:
      EndExposureOnClose();
      PostQuitMessage(0);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void StartControlPanel(HINSTANCE instance) {
  CreateControlPanel(instance);
  CreateStimulationWindow(instance);
  SetProgramStartFields(LanguageRussian);
  ApplyLanguage();
}
