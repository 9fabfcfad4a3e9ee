// The session editor's own texts in both languages, in UTF-8 as the
// player's; the sound mode and pattern names are the panel's, the buttons
// beside the table the voices' (editor/voices/VoiceStrings.h).
#pragma once

#include "language/Strings.h"
#include "language/TextPair.h"
#include "editor/voices/VoiceStrings.h"

extern const TextPair EditorTitle;
extern const TextPair NewSessionName;
extern const TextPair CopyWord;

// The table's columns, which label the segment's fields too.
extern const TextPair DurationColumn;
extern const TextPair SoundColumn;
extern const TextPair FromColumn;
extern const TextPair ToColumn;
extern const TextPair VolumeColumn;
extern const TextPair NoiseColumn;
extern const TextPair LightColumn;
extern const TextPair BrightnessColumn;
extern const TextPair ColourColumn;
extern const TextPair NoiseLevelLabel;

extern const TextPair InsertCaption;
extern const TextPair DuplicateCaption;
extern const TextPair PlayCaption;
extern const TextPair PlayFromCaption;
extern const TextPair SaveCaption;
extern const TextPair SaveAsCaption;
extern const TextPair BrowseCaption;

extern const TextPair EnglishTitleLabel;
extern const TextPair RussianTitleLabel;
extern const TextPair FadeInLabel;
extern const TextPair FadeOutLabel;
extern const TextPair MusicLabel;
extern const TextPair MusicLevelLabel;

// The noise colours none, white, pink, brown, in NoiseColour's order.
extern const TextPair NoiseNames[4];
// The light of a segment without a pattern of its own.
extern const TextPair ChosenPatternName;

extern const TextPair SaveQuestion;
extern const TextPair NotSaved;
extern const TextPair OldFileMoved;
extern const TextPair FixFirst;
extern const TextPair UnsavedReason;
extern const TextPair PointedWord;
extern const TextPair WaveFilesFilter;
extern const TextPair YesCaption;
extern const TextPair NoCaption;
extern const TextPair CancelCaption;
