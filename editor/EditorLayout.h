// Where the editor's controls go, window-free. Each control has a place at
// 96 DPI in the smallest window, an 840 x 732 client area, within one of
// the bands below, from the top down. A larger window gives its extra
// width to the controls that grow wide or move right with its edge, and its
// extra height to the table and the picture, half each; the fields between
// them keep their places, moved down by what the table has grown.
//
// A band's places are written where it lies in the smallest window, below
// the bands above it; the bands below the table move down by the table's
// growth, and those below the picture by the picture's too.
#pragma once

#include "platform/DpiScale.h"

// The segment's voices and their fields lie under its own fields.
enum class EditorBand { Table, Segment, Voices, Session, Picture, PictureLine };

// How a control takes the window's extra size.
enum EditorStretch : int {
  Stays = 0,
  MovesRight = 1,  // keeps its distance from the right edge
  GrowsWide = 2,   // keeps both its edges' distances from the sides
  GrowsTall = 4,   // takes its band's extra height
};

// The smallest client area at 96 DPI.
constexpr int EditorClientWidth = 840;
constexpr int EditorClientHeight = 732;

struct EditorLayout {
  int dpi;
  int wider;          // pixels of extra width
  int tableTaller;    // pixels the table has grown
  int pictureTaller;  // pixels the picture has grown
};

// The smallest client area at dpi.
int EditorMinimumWidth(int dpi);
int EditorMinimumHeight(int dpi);

// The layout of a client area of this size at dpi; one below the smallest
// is laid out as the smallest.
EditorLayout LayOutEditor(int clientWidth, int clientHeight, int dpi);

// Where the editor's window was, or is to be, shown: its outer rectangle's
// left and top in pixels, and its size at 96 DPI, so that it keeps its
// size on a display scaled otherwise; a size of 0 for the default.
struct EditorPlace {
  int left, top, width, height;
};

// Where a control of `band` whose place at 96 DPI is `at` goes.
ChildPlace PlaceInEditor(const EditorLayout& layout, EditorBand band, int stretch, ChildPlace at);
