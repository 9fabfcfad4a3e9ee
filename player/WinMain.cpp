#include <windows.h>

#include "exposure/ExposureState.h"
#include "player/PlayerWindow.h"
#include "player/SessionList.h"
#include "player/SettingsStore.h"
#include "visual/window/StimulationWindow.h"

namespace {

// The player speaks the user's language where it can: Russian when Windows
// shows its own texts in Russian, English otherwise.
const char* UserLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN ? LanguageRussian
                                                                   : LanguageEnglish;
}

// The language the user last switched to, else the user's own.
const char* StartLanguage(const PlayerSettings& settings) {
  if (settings.language.empty()) return UserLanguage();
  return settings.language == "en" ? LanguageEnglish : LanguageRussian;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const PlayerSettings settings = ReadPlayerSettings();
  LoadLibrarySessions(instance);
  if (!CreatePlayerWindow(instance)) return 1;
  CreateStimulationWindow(instance);
  SetProgramStartFields(StartLanguage(settings));
  UsePlayerSettings(settings);
  ApplyPlayerLanguage();
  ListRecentFiles();
  LoadCommandLineSessions();
  return RunPlayerMessageLoop();
}
