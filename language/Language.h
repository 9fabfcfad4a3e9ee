// The interface language: texts stored in windows, the mode lists and the
// toggle, for the panel and the session player.
#pragma once

#include <windows.h>

#include "language/Strings.h"

// Title, both mode lists (item 1 selected), the Start caption, repaint.
void ApplyLanguage();

// Flips the language; the program's window then takes it up (the panel's
// ApplyLanguage, the player's own).
void ToggleLanguage();

// A mode list holds the five names of the current language in mode order,
// and item `selected` is chosen. The panel's list is an ANSI window and
// takes the Windows-1251 names as they are; a Unicode list takes them
// converted from that code page.
void FillModeListA(HWND list, const TextPair* names, int selected);
void FillModeListW(HWND list, const TextPair* names, int selected);
