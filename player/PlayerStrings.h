// The session player's own texts, in UTF-8: the player's window is Unicode
// and takes them converted to UTF-16. The texts it shares with the panel
// (the pattern names and their label, Start and Stop, the language button)
// are the panel's, in Windows-1251, converted from that code page.
#pragma once

#include "language/Strings.h"
#include "language/TextPair.h"

extern const TextPair PlayerTitle;
extern const TextPair SessionsLabel;
extern const TextPair OpenCaption;
extern const TextPair OpenedFilesFilter;
extern const TextPair NewCaption;
extern const TextPair EditCaption;
extern const TextPair SafetyWarning;
extern const TextPair VolumeLabel;
extern const TextPair MusicFailedNote;
extern const TextPair PauseCaption;
extern const TextPair ResumeCaption;
extern const TextPair FinishedText;
extern const TextPair StoppedText;
extern const TextPair NotStartedText;
extern const TextPair ScaledToneSets;
