// The chosen voice's fields under the list, each with its label above it:
// its kind, carrier, beat or rate, level, and shape or colour, as a voice
// line writes them. The kind and the shape or colour are lists of the words
// the reader takes for the voice's kind; a field the kind has no value for
// is empty and cannot be used.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "editor/voices/VoiceIds.h"
#include "session_format/document/SessionDocument.h"

void CreateVoiceFields(HINSTANCE instance, HWND parent);
void AddVoiceFieldPlaces(std::vector<VoicePlace>& places);
void NameVoiceFields();

// The voice's values in the fields; for none, every field empty. The wrong
// values of the fields are dropped. `kept` (a field's id, or 0) is left as
// it is: the kind's list while its choice is being made.
void FillVoiceFields(const Voice* voice, int kept = 0);

bool IsVoiceField(int id);
// The field's text or choice taken into the chosen voice, or kept out of it
// as wrong; true where it was taken.
bool TakeVoiceField(SessionDocument& document, int id);

// The first wrong value of the fields, with its label; "" for none.
std::string FirstWrongVoiceField(int& id);
