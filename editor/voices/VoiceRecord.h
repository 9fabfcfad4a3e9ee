// What the voices' files share: the editor's window, the list, the segment
// shown and its chosen voice, and the values kept out as wrong. On the
// editor's thread only.
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>

#include "session_format/SessionFile.h"

struct VoiceRecord {
  HWND window;  // the editor's
  HWND list;
  size_t row;     // the segment whose voices are shown
  size_t count;   // its voices
  size_t chosen;  // the voice in the fields; count for none
  bool filling;   // the fields are being filled: their changes are no edits
  // The values the reader refuses, by control id, with the problem.
  std::map<int, SessionError> wrong;
  HFONT font;
  int dpi;
  HACCEL keys;
};

extern VoiceRecord Voices;

HWND VoiceWindow(int id);
