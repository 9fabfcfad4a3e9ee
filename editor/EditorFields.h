// The editor's fields: the chosen segment's values below the table and the
// session's own (titles, fades, music), each with its label. A value is
// taken as it is typed or chosen, checked by the session reader's code; a
// wrong one stays in its field, out of the session, and is shown in words
// on the problem line of its group.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "editor/EditorLayout.h"

// In the order of the Tab key, after the table and its buttons.
void CreateSegmentFields(HINSTANCE instance, HWND parent);
void CreateSessionFields(HINSTANCE instance, HWND parent);

// Every field, label, problem line and Browse where the layout puts them.
void PlaceFields(const EditorLayout& layout);

// The labels and the lists' items in the current language.
void NameFields();

// The row's values in the segment's fields and its voices under them; its
// wrong values are dropped.
void ChooseRow(size_t row);
void FillSessionFields();

// An edit's text changed, or a list's choice (EN_CHANGE, CBN_SELCHANGE):
// the value is taken into the document, or kept out of it as wrong. What
// the change was, so that the window can follow it: none (the fields were
// being filled), a value, or the music file, which is to be checked again.
enum class FieldChange { None, Value, MusicFile };
bool IsField(int id);
FieldChange TakeFieldChange(int id);

// The session's music (found when the document was read back) is opened to
// see that it plays, as the player does at load.
void CheckMusic();

// Both problem lines as they now stand.
void ShowProblems();

// What stands in the way of saving or playing: a wrong value with its
// field, the session as it reads back, or its music; "" for nothing. id is
// the field to give the keyboard, or 0.
std::string FirstProblem(int& id);
