// Report lists: list-views of one row per item in columns. Their columns
// are wide enough for their headers: the header's text in the window's font
// between the header's own margins, and never less than the column's width
// at 96 DPI scaled, so that no header is cut to "Volum..." in a language or
// at a scaling whose words are longer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/ProgramWindow.h"

// A list-view that shows one row per item in columns, chosen a whole row at
// a time, with grid lines; its columns of the given widths at 96 DPI, with
// no text until NameColumn gives them theirs.
HWND CreateReportList(HINSTANCE instance, HWND parent, ChildPlace place, int id,
                      const int* widthsAt96, int count);

// A column's header text, UTF-8.
void NameColumn(HWND list, int column, const std::string& header);

// The list's rows anew, `count` of them, each row's cells set by showRow;
// the list is drawn once, when all are there.
void FillReportRows(HWND list, size_t count, const std::function<void(size_t)>& showRow);

void SetReportCell(HWND list, size_t row, int column, const std::wstring& text);

// The row chosen, with the keyboard's focus mark, and scrolled into view.
void SelectReportRow(HWND list, size_t row);

// The row that a notice from the list with this id says has just been
// chosen, or -1 for any other notice.
int NewlyChosenRow(const NMHDR* notice, int listId);

// widthsAt96: the least width of each of the first `count` columns at 96
// DPI. The headers' texts are the ones the list holds now.
void FitColumnsToHeaders(HWND list, const int* widthsAt96, int count, int dpi, HFONT font);
