// Every text of the panel, in Windows-1251 bytes for the ANSI calls; the
// English set is plain ASCII. The session player shows those it shares with
// the panel converted from that code page to UTF-16.
#pragma once

#include "exposure/Modes.h"
#include "language/TextPair.h"

extern const TextPair PanelTitle;
extern const TextPair StartCaption;
extern const TextPair StopCaption;
extern const TextPair FrequencyLabel;
extern const TextPair FrequencyUnit;
extern const TextPair SoundLabel;
extern const TextPair VisualLabel;
extern const TextPair DurationLabel;
extern const TextPair DurationUnit;

// In mode order, so an item's index is the mode's value.
extern const TextPair SoundModeNames[ModeCount];
extern const TextPair VisualModeNames[ModeCount];

// The language button's caption and the web-address line never change.
extern const char LanguageButtonCaption[];
extern const char WebAddressLine[];
