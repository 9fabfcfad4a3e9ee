// The chosen segment's voices in the editor: a list under the segment's
// fields, one row per voice line in the file's order, its values as a voice
// line writes them; Add, Remove, Move up and Move down beside it; and the
// chosen voice's values in fields under it. A value is taken as it is typed
// or chosen, read by the session reader's own code; a wrong one stays in its
// field, out of the session, and is named on the segment's problem line.
// The kinds, shapes and colours offered are those the reader knows, so a
// new kind needs nothing here. The editor places the controls and follows
// the document's changes; this room knows of its window only the handle.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "editor/voices/VoiceIds.h"
#include "session_format/document/SessionDocument.h"

// Every control's place and its label's, for the editor to lay out.
std::vector<VoicePlace> VoicePlaces();

// In the order of the Tab key: the list, its buttons, the fields.
void CreateVoiceControls(HINSTANCE instance, HWND parent);

// The labels, buttons and column headers in the current language; the
// columns as wide as their headers in the font at dpi.
void NameVoiceControls();
void FitVoiceColumns(HFONT font, int dpi);

// The voices of segment `row` (none where there is no such row), the first
// chosen; the wrong values of the voices shown before are dropped.
void ShowVoices(const SessionDocument& document, size_t row);

// A button's click (code 0) or key (code 1), a field's text or choice
// changed (EN_CHANGE, CBN_SELCHANGE): taken into the document, or kept out
// of it as wrong. True where the document changed.
bool IsVoiceControl(int id);
bool TakeVoiceCommand(SessionDocument& document, int id, int code);

// The list's WM_NOTIFY: a newly chosen voice is taken up by the fields.
void HandleVoiceNotice(const SessionDocument& document, const NMHDR* notice);

// While the list has the keyboard, Insert adds a voice, Delete removes the
// chosen one and Alt+Up or Alt+Down moves it; true for such a key.
bool TranslateVoiceKeys(HWND window, MSG* message);

// The first wrong value of the voices, with its field's label, and the id
// of the control to give the keyboard; "" for none.
std::string VoiceProblem(int& id);
