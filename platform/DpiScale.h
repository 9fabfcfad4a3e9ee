// Lengths laid out for 96 DPI, at the DPI of the window they go into,
// window-free: the programs' layouts are written at 96 DPI (100 %), and a
// window on a display scaled to 150 % (144 DPI) has them 1.5 times as long.
#pragma once

constexpr int DefaultDpi = 96;

// Where a child goes in its parent's client area.
struct ChildPlace {
  int x, y, width, height;
};

// length * dpi / 96, rounded to the nearest pixel, halves away from zero,
// as Windows' MulDiv(length, dpi, 96) rounds.
int ScaledForDpi(int length, int dpi);

ChildPlace ScaledPlace(ChildPlace place, int dpi);

// A font height given at one DPI (a LOGFONT's lfHeight, negative for the
// height of the characters) at another.
int FontHeightAtDpi(int height, int fromDpi, int toDpi);
