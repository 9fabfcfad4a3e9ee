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
// line from edge to edge, whether or not it reaches the surface; the strobe
// is its ground alone.
void DrawWholeFigures(HDC dc, VisualMode mode, int width, int height, double shift,
                      COLORREF ground = Black) {
  HBRUSH blackBrush = CreateSolidBrush(ground);
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
  } else if (mode == VisualMode::Grid) {
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

// Pixels shown that differ from those expected (in COLORREF order on the screen).
long Differing(const std::vector<uint32_t>& shown, const std::vector<uint32_t>& expected) {
  long differing = 0;
  for (size_t i = 0; i < expected.size(); i++) differing += shown[i] != (expected[i] & 0xFFFFFF);
  return differing;
}

struct TickCounts {
  int compared, drawn, white;  // white: compared ticks whose frame is mostly white
};

// Runs ticks of one pattern from the start of an exposure, and compares each
// but those in [skipFrom, skipTo): what the window shows after a tick, drawn
// by it or left by an earlier one, must equal the whole frame of that tick.
TickCounts CompareTicks(LargeScreen& screen, VisualMode mode, uint32_t frequency, int ticks,
                        int skipFrom = 0, int skipTo = 0) {
  const bool rings = mode == VisualMode::Circles;
  const int width = screen.width, height = screen.height;
  VisualState.memoryDc = screen.frame.dc;
  VisualState.windowDc = screen.shown.dc;
  VisualState.clientRect = {0, 0, width, height};
  VisualState.strobeValue = 0.0;
  VisualState.strobeFlag = 1;
  SetUpFigures(rings ? RingCount : GridStepCount, rings ? RingSpacing(width) : GridSpacing(width));
  StoreField(ExposureState.visualMode, mode);
  StoreField(ExposureState.frequency, frequency);
  StoreField(ExposureState.frameCounter, 0);
  OpenTickGate(VisualState.tickGate);
  ForgetFramesDrawn();
  TickCounts counts = {0, 0, 0};
  for (int tick = 0; tick < ticks; tick++) {
    const double shift = VisualState.shift;
    const bool strobe = mode == VisualMode::DiscreteStrobe, lit = strobe && VisualState.strobeFlag;
    const uint32_t drawnBefore = VisualState.framesDrawn;
    VisualTick(0, 0, 0, 0, 0);
    if (tick >= skipFrom && tick < skipTo) continue;
    const bool drew = VisualState.framesDrawn != drawnBefore;
    DrawWholeFigures(screen.whole.dc, mode, width, height, shift, lit ? White : Black);
    ReadPixels(screen.shown, width, height, screen.presented);
    ReadPixels(screen.whole, width, height, screen.expected);
    const long differing = Differing(screen.presented, screen.expected);
    long white = 0;
    for (uint32_t p : screen.expected) white += (p & 0xFFFFFF) == 0xFFFFFF;
    counts = {counts.compared + 1, counts.drawn + drew, counts.white + (white > width * height / 2)};
    std::printf("mode %d %dx%d f=%u tick %3d shift %8.4f %s: %ld white pixels, %ld differ\n",
                static_cast<int>(mode), width, height, frequency, tick, shift,
                drew ? "drawn" : "left ", white, differing);
    Check(differing == 0, "mode %d %dx%d f=%u tick %d: %ld pixels differ from the whole frame",
          static_cast<int>(mode), width, height, frequency, tick, differing);
    Check(strobe || white > width, "%dx%d shift %.4f: hardly anything drawn", width, height, shift);
  }
  return counts;
}

// The tick at which a line pattern's shift first falls back to 0.
int FirstResetTick(VisualMode mode, int width, uint32_t frequency) {
  const bool rings = mode == VisualMode::Circles;
  const double spacing = rings ? RingSpacing(width) : GridSpacing(width);
  double shift = 0.0;
  int tick = 0;
  do {
    shift = rings ? NextRingShift(shift, spacing, frequency)
                  : NextGridShift(shift, spacing, frequency);
    tick++;
  } while (shift != 0.0);
  return tick;
}

// At 0.50 Hz the lines move a fraction of a pixel per tick: a dozen ticks
// over the first whole-pixel steps, and a dozen through the first reset.
void CompareSlowTicks(LargeScreen& screen, VisualMode mode) {
  const int around = 6, first = 12, reset = FirstResetTick(mode, screen.width, 50);
  const TickCounts c = CompareTicks(screen, mode, 50, reset + around, first, reset - around);
  Check(c.drawn > 1 && c.drawn < c.compared, "%dx%d mode %d at 0.50 Hz: %d of %d ticks drew",
        screen.width, screen.height, static_cast<int>(mode), c.drawn, c.compared);
}

enum class PictureLoss { HiddenAndShown, Erased, DisplayChanged };

// The real window loses its picture in one of three ways.
void LosePicture(PictureLoss loss) {
  HWND window = ExposureState.StimulationWindow;
  if (loss == PictureLoss::HiddenAndShown) {
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOWNORMAL);
  }
  if (loss == PictureLoss::Erased) InvalidateRect(window, nullptr, TRUE);
  if (loss == PictureLoss::DisplayChanged) SendMessageA(window, WM_DISPLAYCHANGE, 32, 0);
  UpdateWindow(window);
}

// Pixels of the screen that differ from the whole rings at a shift.
long ScreenDiffersFromRings(double shift) {
  const ScreenPixels screen = GrabScreen();
  Surface whole = CreateSurface(screen.width, screen.height);
  DrawWholeFigures(whole.dc, VisualMode::Circles, screen.width, screen.height, shift);
  std::vector<uint32_t> expected;
  ReadPixels(whole, screen.width, screen.height, expected);
  DestroySurface(whole);
  return Differing(screen.pixels, expected);
}

// A tick with an unchanged frame leaves the real window alone, until the
// window may have lost its picture: then the next tick draws it again. The
// rings at 0.10 Hz move a fortieth of a pixel per tick, so no frame here
// changes, and the few ticks stay within the quarter-second refresh.
void CheckRedrawAfterLostPicture() {
  PrepareWindow(true);
  AcquireSurfaces();
  SetUpFigures(RingCount, RingSpacing(FrameWidth()));
  StoreField(ExposureState.visualMode, VisualMode::Circles);
  StoreField(ExposureState.frequency, 10);
  OpenTickGate(VisualState.tickGate);
  ForgetFramesDrawn();
  VisualTick(0, 0, 0, 0, 0);
  VisualTick(0, 0, 0, 0, 0);
  Check(VisualState.framesDrawn == 1, "%u of two ticks of an unchanged frame drew, expected 1",
        VisualState.framesDrawn);
  const PictureLoss losses[] = {PictureLoss::HiddenAndShown, PictureLoss::Erased,
                                PictureLoss::DisplayChanged};
  for (PictureLoss loss : losses) {
    LosePicture(loss);
    PumpFor(100);
    const long lost = ScreenDiffersFromRings(VisualState.shift);
    const uint32_t drawnBefore = VisualState.framesDrawn;
    const double shift = VisualState.shift;
    VisualTick(0, 0, 0, 0, 0);
    const bool drew = VisualState.framesDrawn == drawnBefore + 1;
    const long differing = ScreenDiffersFromRings(shift);
    std::printf("picture lost (%d): %ld pixels differed before the tick, tick %s, %ld after\n",
                static_cast<int>(loss), lost, drew ? "drew" : "left it", differing);
    Check(drew, "the tick after a loss of the picture (%d) did not draw", static_cast<int>(loss));
    Check(differing == 0, "after a loss of the picture (%d) and a tick, %ld pixels differ",
          static_cast<int>(loss), differing);
  }
  ReleaseSurfaces();
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
    CompareSlowTicks(screen, VisualMode::Circles);
    CompareSlowTicks(screen, VisualMode::Grid);
    // The discrete strobe at 7.80 Hz over its first flip (tick 32), drawn once.
    const TickCounts strobe = CompareTicks(screen, VisualMode::DiscreteStrobe, 780, 40, 0, 28);
    Check(strobe.white > 0 && strobe.white < strobe.compared && strobe.drawn == 1,
          "discrete strobe: %d white of %d ticks, %d drew; one flip, drawn once, expected",
          strobe.white, strobe.compared, strobe.drawn);
    DestroySurface(screen.whole);
    DestroySurface(screen.shown);
    DestroySurface(screen.frame);
  }
  CheckRedrawAfterLostPicture();
}
