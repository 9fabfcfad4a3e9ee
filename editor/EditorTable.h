// The editor's table of segments: a list-view in report mode, one row per
// segment in the order of the file, one column per value.
#pragma once

#include <windows.h>

#include <cstddef>

#include "editor/EditorLayout.h"

HWND CreateTable(HINSTANCE instance, HWND parent);

// The table where the layout puts it.
void PlaceTable(const EditorLayout& layout);

// The columns as wide as their headers in the window's font at its DPI (a
// user's own widths are kept until the DPI, the font or the language
// changes).
void FitColumns();

// The column headers in the current language, the columns fitted to them.
void NameColumns();

// Every row again; ShowRow one row's cells.
void FillTable();
void ShowRow(size_t row);

// Chooses the row, with the keyboard's focus mark, and scrolls it into view.
void SelectRow(size_t row);

// The table's WM_NOTIFY: a newly chosen row is taken up by the fields.
void HandleTableNotice(const NMHDR* notice);
