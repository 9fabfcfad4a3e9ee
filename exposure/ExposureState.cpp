#include "exposure/ExposureState.h"

const char LanguageRussian[] = "\xD0\xF3\xF1";  // "Рус"
const char LanguageEnglish[] = "Eng";

// Zero-filled at process load: not running, no handles, frequency 0 until the
// first Start or the first move of a frequency control.
ExposureStateRecord ExposureState;

void SetProgramStartFields(const char* language) {
  StoreField(ExposureState.countdownEnabled, 0);
  StoreField(ExposureState.running, 0);
  StoreField(ExposureState.language, language);
}
