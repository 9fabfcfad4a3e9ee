// The panel's colours: the marble tile and black labels, or, while the
// system's high contrast is on, the system's window and text colours.
#pragma once

#include <windows.h>

// The class's background brush: the tile made from bitmap `tileResource`,
// or the system's window colour under high contrast.
HBRUSH PanelBackgroundBrush(HINSTANCE instance, int tileResource);

// Brings the background and the labels up to the system's current setting
// and colours, and repaints the panel with its controls.
void FollowSystemColours(HWND panel);

// Gives the labels the system's text colour under high contrast; leaves the
// device context's own colour otherwise.
void SetLabelColour(HDC dc);
