// The session player's one window, Unicode throughout: the session list, the
// description of the chosen session, the pattern list, Start/Stop, Pause,
// the progress, the language button and the safety warning.
#pragma once

#include <windows.h>

#include <string>

#include "player/PlayerStrings.h"
#include "session_format/SessionFile.h"

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

// The window and its controls, without texts: ApplyPlayerLanguage sets them.
// False when there is no window, which would leave the program running
// unseen.
bool CreatePlayerWindow(HINSTANCE instance);

// Every text in the current language, the session list's titles among them;
// the list keeps its selection and the pattern list its choice.
void ApplyPlayerLanguage();

// Adds the session files of the command line (a file dropped on the program
// arrives there) and selects the last good one, else the library's first.
void LoadCommandLineSessions();

// Pause pressed, or P in the full-screen window: the session pauses, or
// resumes where it stopped.
void TogglePause();

// Pause is offered while a session plays, and says Resume while it is paused.
void ShowPauseState();

// The session chosen in the list, or nullptr.
const Session* ChosenSession();

// What the next Start plays: the editor's session when it asked to play one,
// else the session chosen in the list. Each asks once.
const Session* TakeSessionToStart();

// Plays the editor's session at once, stopping any that plays: a copy of
// it, kept for as long as the program runs, since an exposure's workers
// read their session without a lock and may outlive it.
void PlayEditedSession(const Session& session);

// The editor has saved this file (a whole path): the list shows it as it is
// now, chosen, in place of what it showed of it before.
void ListSavedSession(const std::wstring& path);

// A file dialog's choice of files: those of `pattern` (named by `files`),
// or all.
std::wstring FileFilter(const Utf8Pair& files, const char* pattern);

LRESULT CALLBACK PlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
