#include "player/PlayerText.h"

#include "exposure/ExposureState.h"
#include "player/PlayerStrings.h"

std::string ListedTitle(const Session& session, const std::string& fileName) {
  const bool russian = IsRussian(LoadField(ExposureState.language));
  const std::string& own = russian ? session.russianTitle : session.englishTitle;
  const std::string& other = russian ? session.englishTitle : session.russianTitle;
  if (!own.empty()) return own;
  if (!other.empty()) return other;
  return fileName;
}

std::string ScaledToneSetsNote(size_t count) {
  if (count == 0) return "";
  std::string note = InCurrentLanguage(ScaledToneSets);
  return note.replace(note.find("%u"), 2, std::to_string(count));
}
