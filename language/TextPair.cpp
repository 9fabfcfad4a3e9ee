#include "language/TextPair.h"

#include "exposure/ExposureState.h"

const char* InCurrentLanguage(const TextPair& text) {
  const char* language = LoadField(ExposureState.language);
  if (IsRussian(language)) return text.russian;
  if (IsEnglish(language)) return text.english;
  return "";  // only before start-up has set the language
}
