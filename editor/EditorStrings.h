// The session editor's own texts in both languages, in UTF-8 as the
// player's; the sound mode and pattern names are the panel's.
#pragma once

#include "player/PlayerStrings.h"

extern const Utf8Pair EditorTitle;
extern const Utf8Pair NewSessionName;
extern const Utf8Pair CopyWord;

// The table's columns, which label the segment's fields too.
extern const Utf8Pair DurationColumn;
extern const Utf8Pair SoundColumn;
extern const Utf8Pair FromColumn;
extern const Utf8Pair ToColumn;
extern const Utf8Pair VolumeColumn;
extern const Utf8Pair NoiseColumn;
extern const Utf8Pair LightColumn;
extern const Utf8Pair BrightnessColumn;
extern const Utf8Pair ColourColumn;
extern const Utf8Pair NoiseLevelLabel;

extern const Utf8Pair AddCaption;
extern const Utf8Pair InsertCaption;
extern const Utf8Pair DuplicateCaption;
extern const Utf8Pair RemoveCaption;
extern const Utf8Pair UpCaption;
extern const Utf8Pair DownCaption;
extern const Utf8Pair PlayCaption;
extern const Utf8Pair PlayFromCaption;
extern const Utf8Pair SaveCaption;
extern const Utf8Pair SaveAsCaption;
extern const Utf8Pair BrowseCaption;

extern const Utf8Pair EnglishTitleLabel;
extern const Utf8Pair RussianTitleLabel;
extern const Utf8Pair FadeInLabel;
extern const Utf8Pair FadeOutLabel;
extern const Utf8Pair MusicLabel;
extern const Utf8Pair MusicLevelLabel;

// The noise colours none, white, pink, brown, in NoiseColour's order.
extern const Utf8Pair NoiseNames[4];
// The light of a segment without a pattern of its own.
extern const Utf8Pair ChosenPatternName;

extern const Utf8Pair SaveQuestion;
extern const Utf8Pair NotSaved;
extern const Utf8Pair FixFirst;
extern const Utf8Pair UnsavedReason;
extern const Utf8Pair PointedWord;
extern const Utf8Pair WaveFilesFilter;
extern const Utf8Pair YesCaption;
extern const Utf8Pair NoCaption;
extern const Utf8Pair CancelCaption;
