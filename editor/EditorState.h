// What the editor's files share: its window, controls and the session it
// edits. One editor at a time, on the player's thread only.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "session_format/document/SessionDocument.h"

// How the editor names what it edits in its title: a file by its name, a
// copy of a library session by the session's title, or a new session.
enum class EditedName { File, LibraryCopy, New };

// Control ids; the test driver finds the controls by them.
enum EditorControl : int {
  TableId = 100,
  AddId = 101,
  InsertId = 102,
  DuplicateId = 103,
  RemoveId = 104,
  UpId = 105,
  DownId = 106,
  DurationId = 110,
  ModeId = 111,
  FromId = 112,
  ToId = 113,
  VolumeId = 114,
  NoiseColourId = 115,
  NoiseLevelId = 116,
  LightId = 117,
  BrightnessId = 118,
  ColourId = 119,
  SegmentProblemId = 120,
  EnglishTitleId = 130,
  RussianTitleId = 131,
  FadeInId = 132,
  FadeOutId = 133,
  MusicFileId = 134,
  BrowseId = 135,
  MusicLevelId = 136,
  SessionProblemId = 140,
  PictureId = 150,
  PictureLineId = 151,
  PlayId = 160,
  PlayFromId = 161,
  SaveId = 162,
  SaveAsId = 163,
};

struct EditorRecord {
  HWND owner;   // the player's window, which the editor tells what it wants
  HWND window;  // nullptr while the editor is not up
  HWND table;
  HWND picture;
  HWND lastFocus;  // the control that had the keyboard when the window was left
  SessionDocument document;
  std::string name;
  EditedName nameKind;
  Session session;  // the document as it reads back, when readBack
  bool readBack;
  SessionError readBackError;
  SessionError musicError;  // problem None while the music plays, or there is none
  size_t row;               // the chosen segment
  bool filling;             // the fields are being filled: their changes are no edits
  // The fields whose text the reader refuses, by control id, with the problem.
  std::map<int, SessionError> wrong;
  HACCEL windowKeys;
  HACCEL tableKeys;
};

extern EditorRecord Editor;

// What the title and the questions call the edited session.
std::string EditedSessionName();

HWND Control(int id);
std::string ControlText(int id);
void SetControlText(int id, const std::string& utf8);
