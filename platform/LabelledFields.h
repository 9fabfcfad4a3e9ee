// The editors' fields: an edit box or a drop-down list with its label just
// above it, and the text a control holds, in UTF-8.
#pragma once

#include <windows.h>

#include <string>

#include "platform/ProgramWindow.h"

// Where a field's label goes: across the field's width, just above it.
ChildPlace LabelPlaceAbove(const ChildPlace& field);

// The label (no text yet) and then the field, so that Tab reaches fields in
// the order they are made; a list's place holds its dropped-down height.
void CreateLabelledField(HINSTANCE instance, HWND parent, ChildPlace field, int id, int labelId,
                         bool list);

std::string WindowTextUtf8(HWND control);
