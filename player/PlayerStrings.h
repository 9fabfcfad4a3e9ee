// The session player's own texts, in Windows-1251 bytes for the ANSI calls;
// the English set is plain ASCII. The pattern names are the panel's.
#pragma once

#include "panel/Strings.h"

extern const TextPair PlayerTitle;
extern const TextPair SessionsLabel;
extern const TextPair OpenCaption;
extern const TextPair PatternLabel;
extern const TextPair SafetyWarning;
extern const TextPair SegmentsWord;
extern const TextPair SegmentsFewWord;
extern const TextPair FromWord;
extern const TextPair ToWord;
extern const TextPair SegmentWord;
extern const TextPair OfWord;
extern const TextPair FinishedText;
extern const TextPair StoppedText;
extern const TextPair LineWord;
extern const TextPair BadFileTitle;
extern const TextPair SessionFilesFilter;
extern const TextPair AllFilesFilter;
