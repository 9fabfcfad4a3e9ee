// The session player's one window, Unicode throughout: the session list, the
// description of the chosen session, the pattern list, Start/Stop, Pause,
// the progress, the language button and the safety warning.
#pragma once

#include <windows.h>

#include "exposure/Modes.h"
#include "player/PlayerSettings.h"

constexpr int PlayerLanguageButtonId = 9;  // as on the panel
constexpr int PlayerStartButtonId = 10;
constexpr int SessionListId = 20;
constexpr int OpenButtonId = 21;
constexpr int PatternListId = 22;
// The lines send no commands: their ids only let them be found.
constexpr int DescriptionLineId = 23;
constexpr int ProgressLineId = 24;
constexpr int PauseButtonId = 25;
constexpr int VolumeSliderId = 26;
constexpr int VolumeReadoutId = 27;
constexpr int NewButtonId = 28;
constexpr int EditButtonId = 29;
constexpr int DisplayLineId = 30;

// The window and its controls, without texts: ApplyPlayerLanguage sets them.
// False when there is no window, which would leave the program running
// unseen.
bool CreatePlayerWindow(HINSTANCE instance);

// The settings read at start: the volume, the pattern, the folder of the
// file dialogs and the editor's place; each is written again when it
// changes.
void UsePlayerSettings(const PlayerSettings& settings);

// The session files of the last runs, after the library; one that is gone
// or no longer reads is left out quietly.
void ListRecentFiles();

// The player's window, which owns the full-screen window and the editor.
HWND PlayerWindow();

// Every text in the current language, the session list's titles among them;
// the list keeps its selection and the pattern list its choice.
void ApplyPlayerLanguage();

// Adds the session files of the command line (a file dropped on the program
// arrives there) and selects the last good one, else the library's first.
void LoadCommandLineSessions();

// Pause pressed, or P in the full-screen window: the session pauses, or
// resumes where it stopped.
void TogglePause();

// The pattern chosen in the player, shown by the segments that name none.
VisualMode PatternChosen();

// Start or Stop on the button, and Pause offered while a session plays.
void ShowPlaying(bool running);

// The player's loop: the editor's keys first, then the player's own as in a
// dialog box. Returns the exit code that PostQuitMessage gave.
int RunPlayerMessageLoop();

LRESULT CALLBACK PlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
