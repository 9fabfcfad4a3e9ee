#include "panel/FrequencyControls.h"

#include <windows.h>
#include <commctrl.h>

#include "exposure/ExposureState.h"
#include "language/FormatFrequency.h"
#include "platform/ProgramWindow.h"

namespace {

void ShowReadout() {
  char text[ReadoutBufferSize];
  FormatFrequency(LoadField(ExposureState.frequency), text);
  SendMessageA(ExposureState.frequencyReadout, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

}  // namespace

void HandleSliderScroll() {
  StoreField(ExposureState.frequency, LowWord(SendMessageA(ExposureState.frequencySlider, TBM_GETPOS, 0, 0)));
  SendMessageA(ExposureState.frequencySpin, UDM_SETPOS, 0,
               MAKELPARAM(LoadField(ExposureState.frequency), 0));
  ShowReadout();
}

void HandleArrowScroll() {
  StoreField(ExposureState.frequency, LowWord(SendMessageA(ExposureState.frequencySpin, UDM_GETPOS, 0, 0)));
  SendMessageA(ExposureState.frequencySlider, TBM_SETPOS, TRUE, LoadField(ExposureState.frequency));
  ShowReadout();
}
