#include "tests/wine/visual/LargeFrames.h"

#include <cstdio>
#include <vector>

#include "tests/wine/visual/Exposure.h"
#include "visual/Patterns.h"
#include "visual/VisualState.h"

namespace {

struct Surface {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ keptBitmap;
};

// A surface of the screen's colour format, as the window's own would be.
Surface CreateSurface(int width, int height) {
  HDC screenDc = GetDC(nullptr);
  Surface surface;
  surface.dc = CreateCompatibleDC(screenDc);
  surface.bitmap = CreateCompatibleBitmap(screenDc, width, height);
  surface.keptBitmap = SelectObject(surface.dc, surface.bitmap);
  ReleaseDC(nullptr, screenDc);
  return surface;
}

void DestroySurface(const Surface& surface) {
  SelectObject(surface.dc, surface.keptBitmap);
  DeleteObject(surface.bitmap);
  DeleteDC(surface.dc);
}

void ReadPixels(const Surface& surface, int width, int height, std::vector<uint32_t>& pixels) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  pixels.resize(static_cast<size_t>(width) * height);
  GetDIBits(surface.dc, surface.bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
}

// The frame as the patterns define it: every ring a whole circle, every grid
// line from edge to edge, whether or not it reaches the surface.
void DrawWholeFigures(HDC dc, VisualMode mode, int width, int height, double shift) {
  HBRUSH blackBrush = CreateSolidBrush(Black);
  HGDIOBJ keptBrush = SelectObject(dc, blackBrush);
  HPEN whitePen = CreatePen(PS_SOLID, 1, White);
  HGDIOBJ keptPen = SelectObject(dc, whitePen);
  PatBlt(dc, 0, 0, width, height, PATCOPY);
  const int centreX = CentreOf(width), centreY = CentreOf(height);
  int distance = 0;
  if (mode == VisualMode::Circles) {
    for (int ring = 1; ring <= RingCount; ring++) {
      MoveToEx(dc, RingStartX(centreX, distance, shift), centreY, nullptr);
      AngleArc(dc, centreX, centreY, RingRadius(distance, shift), 0.0f, 360.0f);
      distance = NextFigureDistance(distance, RingSpacing(width));
    }
  } else {
    for (int step = 1; step <= GridStepCount; step++) {
      const GridStepLines lines = GridLinesAt(centreX, centreY, distance, shift);
      MoveToEx(dc, lines.leftX, 0, nullptr);
      LineTo(dc, lines.leftX, height);
      MoveToEx(dc, lines.rightX, 0, nullptr);
      LineTo(dc, lines.rightX, height);
      MoveToEx(dc, 0, lines.upperY, nullptr);
      LineTo(dc, width, lines.upperY);
      MoveToEx(dc, 0, lines.lowerY, nullptr);
      LineTo(dc, width, lines.lowerY);
      distance = NextFigureDistance(distance, GridSpacing(width));
    }
  }
  SelectObject(dc, keptPen);
  DeleteObject(whitePen);
  SelectObject(dc, keptBrush);
  DeleteObject(blackBrush);
}

// The surfaces of one screen size, made once: a new surface of this size
// costs more than the frames drawn on it.
struct LargeScreen {
  int width;
  int height;
  Surface frame;  // the tick's off-screen surface
  Surface shown;  // stands in for the window
  Surface whole;
  std::vector<uint32_t> presented;
  std::vector<uint32_t> expected;
};

// Runs ticks of one pattern; after each, what the tick presented must equal
// the whole-figure frame of the shift that it drew.
void CompareTicks(LargeScreen& screen, VisualMode mode, uint32_t frequency, int ticks) {
  const bool rings = mode == VisualMode::Circles;
  const char* name = rings ? "circles" : "grid";
  const int width = screen.width, height = screen.height;
  VisualState.memoryDc = screen.frame.dc;
  VisualState.windowDc = screen.shown.dc;
  VisualState.clientRect = {0, 0, width, height};
  SetUpFigures(rings ? RingCount : GridStepCount, rings ? RingSpacing(width) : GridSpacing(width));
  StoreField(ExposureState.visualMode, mode);
  StoreField(ExposureState.frequency, frequency);
  StoreField(ExposureState.frameCounter, 0);
  OpenTickGate(VisualState.tickGate);
  for (int tick = 0; tick < ticks; tick++) {
    const double shift = VisualState.shift;
    VisualTick(0, 0, 0, 0, 0);
    DrawWholeFigures(screen.whole.dc, mode, width, height, shift);
    ReadPixels(screen.shown, width, height, screen.presented);
    ReadPixels(screen.whole, width, height, screen.expected);
    long differing = 0, white = 0;
    for (size_t i = 0; i < screen.expected.size(); i++) {
      differing += screen.presented[i] != screen.expected[i];
      white += (screen.expected[i] & 0xFFFFFF) == 0xFFFFFF;
    }
    std::printf("%s %dx%d f=%u shift %8.4f: %ld white pixels, %ld differ\n", name, width, height,
                frequency, shift, white, differing);
    Check(differing == 0, "%s %dx%d f=%u shift %.4f: %ld pixels differ from the whole figures",
          name, width, height, frequency, shift, differing);
    Check(white > width, "%s %dx%d shift %.4f: hardly anything drawn", name, width, height, shift);
  }
}

}  // namespace

void CheckLargeFrames() {
  const int sizes[][2] = {{3840, 2160}, {2560, 1440}};
  for (const auto& size : sizes) {
    LargeScreen screen = {size[0], size[1], CreateSurface(size[0], size[1]),
                          CreateSurface(size[0], size[1]), CreateSurface(size[0], size[1]), {}, {}};
    // Advances of a fraction of a pixel, through a reset of the shift.
    CompareTicks(screen, VisualMode::Circles, 780, 9);
    CompareTicks(screen, VisualMode::Circles, 2345, 5);
    CompareTicks(screen, VisualMode::Grid, 780, 6);
    CompareTicks(screen, VisualMode::Grid, 3210, 6);
    DestroySurface(screen.whole);
    DestroySurface(screen.shown);
    DestroySurface(screen.frame);
  }
}
