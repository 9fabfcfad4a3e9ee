// The editor's picture of a session, a child window: the frequency over
// time with a fill that dims with the fades, the levels of the tones, the
// voices, the noise and the music under it, and a band of the light, as
// the library's pictures show them. Drawn with GDI off the screen and
// copied whole, so it does not flicker; its ground, lines and words in the
// system's colours.
#pragma once

#include <windows.h>

#include "platform/ProgramWindow.h"
#include "session_format/SessionFile.h"

// Sent to the parent as the mouse moves over the picture: wParam is the
// block under the cursor plus one, 0 once the cursor has left the picture.
constexpr UINT PicturePointedMessage = WM_APP + 20;

HWND CreatePictureWindow(HINSTANCE instance, HWND parent, ChildPlace place, int id);

// Draws this session from now on (a copy is kept), or only the scales for
// nullptr.
void ShowInPicture(HWND picture, const Session* session);

LRESULT CALLBACK PictureWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
