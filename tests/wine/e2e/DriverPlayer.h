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
// Chooses the session of this index in the list.
int ChoosePlayerSession(int index);
// Chooses the visual pattern of this index.
int ChoosePlayerPattern(int index);
// The volume slider moved to level, as a drag leaves it.
int SetPlayerVolume(int level);
// Waits for a message box or dialog box of the player's thread, prints its
// title and text and presses the button `answer` (IDOK unless given; 0
// presses none, to leave a file dialog to the keyboard).
int AnswerPlayerMessage(DWORD timeoutMs, int answer);
// Waits until the session editor is up with its texts set.
int WaitForEditor(DWORD timeoutMs);
// The editor's title, its table's row count and chosen row, the control
// with the keyboard, each field's text by control id, the problem lines and
// the window's rectangle.
int PrintEditorState();
// Samples the screen's pixel at (x, y) every periodMs for durationMs and
// prints "t red green blue" lines, t on the shell's clock in milliseconds.
int SampleScreen(DWORD durationMs, DWORD periodMs, int x, int y);
// What Wine gives a program started in this locale: its ANSI code page and
// the user's interface language (a LANGID, hexadecimal).
int PrintLocale();
