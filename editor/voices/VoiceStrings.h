// The texts of the editor's voices in both languages, in UTF-8 as the
// editor's own; the kinds, shapes and colours are the words a voice line
// writes, the same in both.
#pragma once

#include "language/TextPair.h"

// The list's columns, which label the voice's fields too.
extern const TextPair KindColumn;
extern const TextPair CarrierColumn;
extern const TextPair BeatColumn;
extern const TextPair LevelColumn;
extern const TextPair ShapeColumn;
// What the list holds, where a problem of the list is named.
extern const TextPair VoicesWord;

// The captions of the buttons beside the table of segments and beside the
// list of voices alike.
extern const TextPair AddCaption;
extern const TextPair RemoveCaption;
extern const TextPair UpCaption;
extern const TextPair DownCaption;
