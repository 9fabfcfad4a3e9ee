// The sessions the player offers: the library built into the program, and
// the files the user has given it. Only sessions that were read and checked
// enter the list.
#pragma once

#include <windows.h>

#include <deque>
#include <memory>
#include <string>

#include "session_format/document/SessionDocument.h"
#include "session_format/SessionFile.h"

struct ListedSession {
  std::string fileName;  // UTF-8; listed when the session has no title
  std::string path;      // the file's whole path, UTF-8; empty for the library's
  std::string text;      // a library session's text, for the editor's copy of it
  // Saved again since it was read, and read again after: no longer listed.
  bool superseded;
  // Shared with the exposure that plays it, which may outlive its place here.
  std::shared_ptr<const Session> session;
  // Of an .sbg file: its tone-sets played whose levels, adding up to more
  // than 100, the import scaled down; the player says so.
  size_t scaledToneSets;
};

// Never shrinks, and a deque keeps every element where it is, so that the
// list's items can name their sessions by their places.
extern std::deque<ListedSession> ListedSessions;

// The sessions embedded as resources when the program was built.
void LoadLibrarySessions(HINSTANCE instance);

// Reads and checks the file: our own session file, or an .sbg file (known by
// its name) imported. A good one joins the list and true is returned; for a
// bad one, when told, a message in the current language names the file, the
// line and what is wrong.
bool LoadSessionFile(const wchar_t* path, HWND owner, bool tellProblems);

// The file of this whole path has been saved: the sessions read from it
// before are superseded.
void SupersedeListed(const std::wstring& path);

// The place in ListedSessions of the listed session read from this file
// (named by any path), or ListedSessions.size() when none is listed.
size_t ListedIndexOfFile(const wchar_t* path);

// The listed session's text for the editor: a library session's own, a
// file's read again, so that the lines as they stand now are kept, an .sbg
// file's converted, for a copy without a file. False,
// after a message, when the file can no longer be read or checked.
bool OpenListedDocument(const ListedSession& listed, SessionDocument& document, HWND owner);

