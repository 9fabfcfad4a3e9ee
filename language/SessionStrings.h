// The texts about sessions that the session player and the editor both show,
// in UTF-8 for their Unicode windows.
#pragma once

#include "language/TextPair.h"

extern const TextPair SegmentsWord;
extern const TextPair SegmentsFewWord;
extern const TextPair FromWord;
extern const TextPair ToWord;
extern const TextPair SegmentWord;
extern const TextPair OfWord;
extern const TextPair HertzUnit;
extern const TextPair LineWord;
extern const TextPair DisplayAtWord;
extern const TextPair DisplayShowsWords;
extern const TextPair OfSegmentWords;
extern const TextPair AsFlickerWord;
extern const TextPair FlickerWord;
extern const TextPair AlsoSegmentWord;
extern const TextPair AlsoSegmentsWord;
extern const TextPair UnreadableFile;
extern const TextPair BadFileTitle;
extern const TextPair SessionFilesFilter;
extern const TextPair AllFilesFilter;
