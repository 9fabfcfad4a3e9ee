// A list-view's columns wide enough for their headers: the header's text
// in the window's font between the header's own margins, and never less
// than the column's width at 96 DPI scaled, so that no header is cut to
// "Volum..." in a language or at a scaling whose words are longer.
#pragma once

#include <windows.h>

// widthsAt96: the least width of each of the first `count` columns at 96
// DPI. The headers' texts are the ones the list holds now.
void FitColumnsToHeaders(HWND list, const int* widthsAt96, int count, int dpi, HFONT font);
