// The driver's look at a window's layout from outside: where its controls
// are and whether each one's text fits it.
#pragma once

#include <windows.h>

// For the player's window ("player") or the editor's ("editor"): its client
// size, each child's place in it by control id (child.ID=x,y,w,h), and each
// child whose text, measured in the child's own font, does not fit its
// client area (cut.ID=text), with their count (cut=N).
int PrintLayout(const char* which);
// The editor's window given this outer size.
int ResizeEditor(int width, int height);
