// The driver's look at a window's layout from outside: where its controls
// are and whether each one's text fits it.
#pragma once

#include <windows.h>

// For the player's window ("player") or the editor's ("editor"): its client
// size, each child's place in it by control id (child.ID=x,y,w,h), each
// child whose text, measured in the message font at the window's DPI, does
// not fit its client area (cut.ID=text) and each list's column header that
// its column cuts (cut.ID.COLUMN=text), with their count (cut=N).
int PrintLayout(const char* which);
// The editor's window given this outer size.
int ResizeEditor(int width, int height);
