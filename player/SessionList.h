// The sessions the player offers: the library built into the program, and
// the files the user has given it. Only sessions that were read and checked
// enter the list.
#pragma once

#include <windows.h>

#include <deque>
#include <string>

#include "sound/SessionFile.h"

struct ListedSession {
  std::string fileName;  // UTF-8; listed when the session has no title
  Session session;
};

// Never shrinks, and a deque keeps every element where it is, so the session
// an exposure plays stays valid while files are added.
extern std::deque<ListedSession> ListedSessions;

// The sessions embedded as resources when the program was built.
void LoadLibrarySessions(HINSTANCE instance);

// Reads and checks the file. A good one joins the list and true is returned;
// for a bad one a message in the current language names the file, the line
// and what is wrong.
bool LoadSessionFile(const wchar_t* path, HWND owner);
