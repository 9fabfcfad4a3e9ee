#include "tests/wine/visual/LargeFrames.h"

#include <cstdio>
#include <vector>

#include "session_format/SessionReader.h"
#include "sound/SessionClock.h"
#include "session_format/SessionFile.h"
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
// line from edge to edge, whether or not it reaches the surface, in the pen's
// colour; the discrete strobe's fill of the colour of strobeFlag.
void DrawWholeFigures(HDC dc, VisualMode mode, int width, int height, double shift,
                      int8_t strobeFlag = 0, uint32_t pen = White) {
  HBRUSH blackBrush = CreateSolidBrush(StrobeColour(strobeFlag));
  HGDIOBJ keptBrush = SelectObject(dc, blackBrush);
  HPEN whitePen = CreatePen(PS_SOLID, 1, pen);
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

// Runs ticks of one pattern from the start of an exposure, and compares each
// but those in [skipFrom, skipTo): what the window shows after a tick, drawn
// by it or left by an earlier one, must equal the whole frame of the shift
// or colour that the tick drew with, the line patterns in the pen's colour.
// Returns how many compared ticks drew.
int CompareTicks(LargeScreen& screen, VisualMode mode, uint32_t frequency, int ticks,
                 int skipFrom = 0, int skipTo = 0, uint32_t pen = White) {
  const bool strobe = mode == VisualMode::DiscreteStrobe;
  const int width = screen.width, height = screen.height;
  VisualState.memoryDc = screen.frame.dc;
  VisualState.windowDc = screen.shown.dc;
  VisualState.clientRect = {0, 0, width, height};
  StoreField(ExposureState.visualMode, mode);
  StoreField(ExposureState.frequency, frequency);
  PreparePattern(mode);
  OpenTickGate(VisualState.tickGate);
  int comparedDrawn = 0;
  for (int tick = 0; tick < ticks; tick++) {
    const double shift = VisualState.shift;
    const int8_t flag = VisualState.strobeFlag;
    const uint32_t drawnBefore = VisualState.framesDrawn;
    VisualTick(0, 0, 0, 0, 0);
    if (tick >= skipFrom && tick < skipTo) continue;
    const bool drew = VisualState.framesDrawn != drawnBefore;
    comparedDrawn += drew;
    DrawWholeFigures(screen.whole.dc, mode, width, height, shift, strobe ? flag : 0, pen);
    ReadPixels(screen.shown, width, height, screen.presented);
    ReadPixels(screen.whole, width, height, screen.expected);
    long differing = 0, lit = 0;
    for (size_t i = 0; i < screen.expected.size(); i++) {
      differing += screen.presented[i] != screen.expected[i];
      lit += (screen.expected[i] & 0xFFFFFF) != 0;
    }
    std::printf("mode %d %dx%d f=%u pen 0x%06X tick %3d shift %8.4f %s: %ld lit, %ld differ\n",
                static_cast<int>(mode), width, height, frequency, pen, tick, shift,
                drew ? "drawn" : "left ", lit, differing);
    Check(differing == 0, "mode %d %dx%d f=%u tick %d: %ld pixels differ from the whole frame",
          static_cast<int>(mode), width, height, frequency, tick, differing);
    Check(strobe || lit > width, "%dx%d tick %d: hardly anything drawn", width, height, tick);
  }
  return comparedDrawn;
}

// Ticks that leave the screen alone: the line patterns at 0.50 Hz, a dozen
// ticks over the first whole-pixel steps and a dozen through the first reset;
// the discrete strobe at 7.80 Hz over its first flip (tick 32), drawn once.
void CompareUnchangedTicks(LargeScreen& screen) {
  const VisualMode modes[] = {VisualMode::Circles, VisualMode::Grid};
  for (VisualMode mode : modes) {
    const bool rings = mode == VisualMode::Circles;
    const double spacing = rings ? RingSpacing(screen.width) : GridSpacing(screen.width);
    int reset = 1;  // one past the tick that draws a shift of a whole spacing
    for (double shift = 0.0; shift < spacing; reset++)
      shift = rings ? NextRingShift(shift, spacing, 50) : NextGridShift(shift, spacing, 50);
    const int drawn = CompareTicks(screen, mode, 50, reset + 6, 12, reset - 6);
    Check(drawn > 1 && drawn < 24, "%dx%d mode %d at 0.50 Hz: %d of 24 compared ticks drew",
          screen.width, screen.height, static_cast<int>(mode), drawn);
  }
  const int drawn = CompareTicks(screen, VisualMode::DiscreteStrobe, 780, 40, 0, 28);
  Check(drawn == 1, "discrete strobe: %d of 12 ticks over the flip drew, expected 1", drawn);
}

// Pixels of the screen that differ from the whole rings at a shift.
long ScreenDiffersFromRings(double shift) {
  const ScreenPixels screen = GrabScreen();
  Surface whole = CreateSurface(screen.width, screen.height);
  DrawWholeFigures(whole.dc, VisualMode::Circles, screen.width, screen.height, shift);
  std::vector<uint32_t> expected;
  ReadPixels(whole, screen.width, screen.height, expected);
  DestroySurface(whole);
  long differing = 0;
  for (size_t i = 0; i < expected.size(); i++) {
    differing += screen.pixels[i] != (expected[i] & 0xFFFFFF);
  }
  return differing;
}

// A tick with an unchanged frame leaves the real window alone, until the
// window may have lost its picture (1: hidden and shown, 2: erased, 3: told
// the display changed; 0: the exposure's start); then the next tick draws it
// again. The rings at 0.10 Hz move a fortieth of a pixel per tick, so no
// frame here changes, and the few ticks stay within the quarter-second refresh.
void CheckRedrawAfterLostPicture() {
  PrepareWindow(true);
  HWND window = ExposureState.StimulationWindow;
  AcquireSurfaces();
  StoreField(ExposureState.visualMode, VisualMode::Circles);
  StoreField(ExposureState.frequency, 10);
  PreparePattern(VisualMode::Circles);
  OpenTickGate(VisualState.tickGate);
  for (int loss = 0; loss <= 3; loss++) {
    if (loss == 1) ShowWindow(window, SW_HIDE);
    if (loss == 1) ShowWindow(window, SW_SHOWNORMAL);
    if (loss == 2) InvalidateRect(window, nullptr, TRUE);
    if (loss == 3) SendMessageA(window, WM_DISPLAYCHANGE, 32, 0);
    UpdateWindow(window);
    PumpFor(100);
    const uint32_t drawnBefore = VisualState.framesDrawn;
    const double shift = VisualState.shift;
    VisualTick(0, 0, 0, 0, 0);
    VisualTick(0, 0, 0, 0, 0);
    const uint32_t drawn = VisualState.framesDrawn - drawnBefore;
    const long differing = ScreenDiffersFromRings(shift);
    std::printf("picture lost (%d): %u of two ticks drew, %ld pixels differ\n", loss, drawn,
                differing);
    Check(drawn == 1, "after loss %d, %u of two ticks of one frame drew, expected 1", loss, drawn);
    Check(differing == 0, "after loss %d and a tick, %ld pixels differ", loss, differing);
  }
  ReleaseSurfaces();
}

// The session's time, as the tick reads it: the sound heard there, standing still.
void SetSessionTime(uint32_t ms) {
  PublishSoundPosition(
      {LoadField(ExposureState.exposureNumber), SessionFrameAt(ms), timeGetTime(), false});
}

// Catches a segment's colour or brightness that is not the one drawn, and a
// change of pattern that draws the old pattern on or does not start the new
// one from its start. Rings in amber at 60 %: red 255 x 255 x 60 / 25500 =
// 153, green 255 x 191 x 60 / 25500 = 114; then the grid in #4080FF.
void CompareSessionTicks(LargeScreen& screen) {
  Session session;
  SessionError error{};
  const bool parsed = ParseSession("10m 1 7.8 light 3 brightness 60 colour amber\n"
                                   "10m 1 7.8 light 4 colour #4080FF\n",
                                   "large", session, error);
  Check(parsed, "the session does not parse: %s", error.message.c_str());
  if (!parsed) return;
  // Each screen size plays the session as an exposure of its own: the tick's
  // clock, which never goes back, starts anew.
  StoreField(ExposureState.exposureNumber, LoadField(ExposureState.exposureNumber) + 1);
  VisualState.exposure = LoadField(ExposureState.exposureNumber);
  VisualState.session = &session;
  VisualState.windowUp = true;
  SetSessionTime(60000);
  CompareTicks(screen, VisualMode::Circles, 780, 3, 0, 0, RGB(153, 114, 0));
  SetSessionTime(11 * 60000);
  const uint32_t drawnBefore = VisualState.framesDrawn;
  ReadPixels(screen.shown, screen.width, screen.height, screen.expected);
  VisualTick(0, 0, 0, 0, 0);
  ReadPixels(screen.shown, screen.width, screen.height, screen.presented);
  Check(screen.presented == screen.expected && VisualState.framesDrawn == drawnBefore,
        "a rings tick in the grid's segment drew");
  Check(LoadField(VisualState.patternWanted) == VisualMode::Grid,
        "a rings tick in the grid's segment did not ask for the grid");
  CompareTicks(screen, VisualMode::Grid, 780, 3, 0, 0, RGB(0x40, 0x80, 0xFF));
  VisualState.session = nullptr;
  VisualState.windowUp = false;
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
    CompareUnchangedTicks(screen);
    CompareSessionTicks(screen);
    DestroySurface(screen.whole);
    DestroySurface(screen.shown);
    DestroySurface(screen.frame);
  }
  CheckRedrawAfterLostPicture();
}
