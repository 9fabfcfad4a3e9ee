#include <windows.h>

#include "exposure/ExposureState.h"
#include "player/PlayerWindow.h"
#include "player/SessionList.h"
#include "visual/window/StimulationWindow.h"

namespace {

// The player speaks the user's language where it can: Russian when Windows
// shows its own texts in Russian, English otherwise.
const char* UserLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN ? LanguageRussian
                                                                   : LanguageEnglish;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  LoadLibrarySessions(instance);
  if (!CreatePlayerWindow(instance)) return 1;
  CreateStimulationWindow(instance);
  SetProgramStartFields(UserLanguage());
  ApplyPlayerLanguage();
  LoadCommandLineSessions();
  return RunPlayerMessageLoop();
}
