// The driver's commands for the session player, found by its window class.
#pragma once

#include <windows.h>

// Waits until the player's window is up with its texts set.
int WaitForPlayer(DWORD timeoutMs);
// The session list's count, selection and items, the title, the labels, the
// Open caption, the pattern, the description, the progress, the Start
// caption, the focused control's id and the window's rectangle, in UTF-8.
int PrintPlayerState();
// BM_CLICK on the player's button with this control id.
int ClickPlayerButton(int id);
// Chooses the visual pattern of this index.
int ChoosePlayerPattern(int index);
// The volume slider moved to level, as a drag leaves it.
int SetPlayerVolume(int level);
// Waits for a message box of the player, prints its text and closes it.
int AnswerPlayerMessage(DWORD timeoutMs);
// Samples the screen's pixel at (x, y) every periodMs for durationMs and
// prints "t red green blue" lines, t on the shell's clock in milliseconds.
int SampleScreen(DWORD durationMs, DWORD periodMs, int x, int y);
// What Wine gives a program started in this locale: its ANSI code page and
// the user's interface language (a LANGID, hexadecimal).
int PrintLocale();
