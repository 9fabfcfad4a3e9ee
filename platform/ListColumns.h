// A list-view's columns wide enough for their headers: the header's text
// in the window's font between the header's own margins, and never less
// than the column's width at 96 DPI scaled, so that no header is cut to
// "Volum..." in a language or at a scaling whose words are longer.
#pragma once

#include <windows.h>

#include <string>

#include "platform/ProgramWindow.h"

// A list-view that shows one row per item in columns, chosen a whole row at
// a time, with grid lines; its columns of the given widths at 96 DPI, with
// no text until NameColumn gives them theirs.
HWND CreateReportList(HINSTANCE instance, HWND parent, ChildPlace place, int id,
                      const int* widthsAt96, int count);

// A column's header text, UTF-8.
void NameColumn(HWND list, int column, const std::string& header);

// widthsAt96: the least width of each of the first `count` columns at 96
// DPI. The headers' texts are the ones the list holds now.
void FitColumnsToHeaders(HWND list, const int* widthsAt96, int count, int dpi, HFONT font);
