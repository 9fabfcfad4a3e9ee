// The session player's own texts, in UTF-8: the player's window is Unicode
// and takes them converted to UTF-16. The texts it shares with the panel
// (the pattern names and their label, Start and Stop, the language button)
// are the panel's, in Windows-1251, converted from that code page.
#pragma once

#include "language/Strings.h"

// One of the player's texts in both languages, in UTF-8.
struct Utf8Pair {
  const char* russian;
  const char* english;
};

// The text of the current language, chosen as the panel chooses its own.
const char* InCurrentLanguage(const Utf8Pair& text);

extern const Utf8Pair PlayerTitle;
extern const Utf8Pair SessionsLabel;
extern const Utf8Pair OpenCaption;
extern const Utf8Pair NewCaption;
extern const Utf8Pair EditCaption;
extern const Utf8Pair SafetyWarning;
extern const Utf8Pair SegmentsWord;
extern const Utf8Pair SegmentsFewWord;
extern const Utf8Pair FromWord;
extern const Utf8Pair ToWord;
extern const Utf8Pair SegmentWord;
extern const Utf8Pair OfWord;
extern const Utf8Pair HertzUnit;
extern const Utf8Pair VolumeLabel;
extern const Utf8Pair MusicFailedNote;
extern const Utf8Pair PauseCaption;
extern const Utf8Pair ResumeCaption;
extern const Utf8Pair FinishedText;
extern const Utf8Pair StoppedText;
extern const Utf8Pair LineWord;
extern const Utf8Pair UnreadableFile;
extern const Utf8Pair BadFileTitle;
extern const Utf8Pair SessionFilesFilter;
extern const Utf8Pair AllFilesFilter;
