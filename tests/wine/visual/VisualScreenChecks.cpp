// Runs the visual worker for one mode against the real window and compares
// what the screen shows with the pattern arithmetic. One check per run:
//   visual_screen_checks smooth|discrete|circles|grid|none|teardown|leaks|periods|large
#include <windows.h>
#include <mmsystem.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "tests/wine/visual/Exposure.h"
#include "tests/wine/visual/LargeFrames.h"
#include "tests/wine/visual/TimerPeriods.h"
#include "visual/Patterns.h"
#include "visual/VisualState.h"
#include "visual/VisualThread.h"

namespace {

const uint32_t WhitePixel = 0xFFFFFF;
const uint32_t DisplayLagTicks = 100;

// Frame counter of the last tick drawn, once the worker has ended.
uint32_t LastTickDrawn() { return LoadField(ExposureState.frameCounter) - 1; }

// Every pixel of the screen holds one colour; returns how many do not.
long PixelsOtherThan(const ScreenPixels& screen, uint32_t colour) {
  long other = 0;
  for (uint32_t p : screen.pixels) other += p != colour;
  return other;
}

void CheckSmoothStrobe() {
  PrepareWindow(true);
  std::set<int> levelsSeen;
  // Frequencies whose steps differ, and lengths that stop at different phases.
  const uint32_t frequencies[] = {780, 3000, 100};
  const DWORD lengths[] = {230, 310, 470};
  for (int run = 0; run < 3; run++) {
    HANDLE thread = StartVisualExposure(VisualMode::SmoothStrobe, frequencies[run]);
    PumpFor(lengths[run]);
    StopVisualExposure(thread);
    const uint32_t drawn = LastTickDrawn();
    // The brightness follows 127 - cos(n * 2pi/q) * 127, truncated, q = 50000 / f.
    const uint32_t q = 50000 / frequencies[run];
    const int expected =
        static_cast<int>(127.0 - std::cos(drawn * (6.2831853 / q)) * 127.0);
    const ScreenPixels screen = GrabScreen();
    const long other = PixelsOtherThan(screen, Grey(expected));
    std::printf("smooth f=%u tick %u: grey %d expected, centre 0x%06X, %ld pixels differ\n",
                frequencies[run], drawn, expected, screen.At(512, 384), other);
    Check(other == 0, "smooth strobe f=%u tick %u: %ld pixels are not grey %d",
          frequencies[run], drawn, other, expected);
    Check(expected == SmoothStrobeGrey(drawn, SmoothStrobeStep(frequencies[run])),
          "grey formula and pattern function disagree at tick %u", drawn);
    levelsSeen.insert(expected);
  }
  Check(levelsSeen.size() >= 2, "the three exposures all ended on one grey level");
}

// Colour of the discrete strobe drawn at tick n (0-based), by replaying the
// phase accumulator from the start of the exposure.
uint32_t DiscreteColourAt(uint32_t tick, uint32_t frequency) {
  double value = 0.0;
  int8_t flag = 1;
  uint32_t colour = 0;
  for (uint32_t n = 0; n <= tick; n++) {
    value = AccumulateStrobePhase(value, DiscreteStrobeHalfPeriod(frequency));
    colour = flag ? WhitePixel : 0;
    ToggleStrobeAtHalfPeriod(value, flag);
  }
  return colour;
}

void CheckDiscreteStrobe() {
  PrepareWindow(true);
  const uint32_t frequency = 100;  // h = 250 ticks: 500 ms of each colour
  HANDLE thread = StartVisualExposure(VisualMode::DiscreteStrobe, frequency);
  int whiteChecked = 0, blackChecked = 0, firstColour = -1, mixed = 0;
  for (int sample = 0; sample < 80; sample++) {
    const uint32_t before = LoadField(ExposureState.frameCounter);
    const uint32_t seen = ScreenPixel(300, 200);
    const uint32_t after = LoadField(ExposureState.frameCounter);
    if (seen != 0 && seen != WhitePixel) mixed++;
    // Only a sample taken wholly within one colour's ticks is compared,
    // including the 200 ms that the display may lag behind the drawing.
    if (before >= DisplayLagTicks && DiscreteColourAt(before - DisplayLagTicks, frequency) ==
                                         DiscreteColourAt(after, frequency)) {
      const uint32_t expected = DiscreteColourAt(before - 1, frequency);
      Check(seen == expected, "discrete strobe ticks %u..%u: 0x%06X shown, 0x%06X expected",
            before, after, seen, expected);
      if (firstColour < 0) firstColour = static_cast<int>(seen);
      (expected ? whiteChecked : blackChecked)++;
    }
    PumpFor(20);
  }
  StopVisualExposure(thread);
  const uint32_t drawn = LastTickDrawn();
  const uint32_t expected = DiscreteColourAt(drawn, frequency);
  const ScreenPixels screen = GrabScreen();
  const long other = PixelsOtherThan(screen, expected);
  std::printf("discrete: %d white and %d black samples checked, last tick %u 0x%06X, %ld differ\n",
              whiteChecked, blackChecked, drawn, expected, other);
  Check(mixed == 0, "%d samples neither pure white nor pure black", mixed);
  Check(firstColour == static_cast<int>(WhitePixel), "the first colour checked was not white");
  Check(whiteChecked >= 3 && blackChecked >= 3, "too few samples within one colour");
  Check(other == 0, "last discrete frame: %ld pixels are not 0x%06X", other, expected);
}

// The shift that the last drawn tick used, replayed from 0.0.
double ShiftDrawn(uint32_t tick, double spacing, uint32_t frequency, bool rings) {
  double shift = 0.0;
  for (uint32_t n = 0; n < tick; n++) {
    shift = rings ? NextRingShift(shift, spacing, frequency) : NextGridShift(shift, spacing, frequency);
  }
  return shift;
}

// The white pixels of row `line` (or of that column), by position.
std::vector<int> WhiteAlong(const ScreenPixels& screen, int line, bool column) {
  std::vector<int> white;
  for (int i = 0; i < (column ? screen.height : screen.width); i++) {
    if ((column ? screen.At(line, i) : screen.At(i, line)) == WhitePixel) white.push_back(i);
  }
  return white;
}

std::set<int> Within(const std::set<int>& values, int from, int to) {
  std::set<int> kept;
  for (int v : values) {
    if (v >= from && v < to) kept.insert(v);
  }
  return kept;
}

void PrintDifference(const char* what, const std::set<int>& expected, const std::vector<int>& seen) {
  std::printf("%s expected:", what);
  for (int v : expected) std::printf(" %d", v);
  std::printf("\n%s seen:", what);
  for (int v : seen) std::printf(" %d", v);
  std::printf("\n");
}

long NonBlackNonWhite(const ScreenPixels& screen) {
  long other = 0;
  for (uint32_t p : screen.pixels) other += p != 0 && p != WhitePixel;
  return other;
}

// One exposure of rings stopped after ms milliseconds; returns the shift drawn.
double CheckCirclesOnce(DWORD ms) {
  const uint32_t frequency = 780;
  HANDLE thread = StartVisualExposure(VisualMode::Circles, frequency);
  PumpFor(ms);
  StopVisualExposure(thread);
  const ScreenPixels screen = GrabScreen();
  const uint32_t drawn = LastTickDrawn();
  const int centreX = screen.width / 2, centreY = screen.height / 2;
  const double spacing = screen.width / 80.0;
  const double shift = ShiftDrawn(drawn, spacing, frequency, true);
  Check(VisualState.shift == NextRingShift(shift, spacing, frequency),
        "the worker's shift %.4f is not one update past the replayed %.4f", VisualState.shift, shift);
  // Where each ring crosses the centre row right of the centre; a ring of
  // radius 0 is a point that the arc call may leave undrawn, so it is left out.
  std::set<int> expected;
  int base = 0;
  for (int ring = 1; ring <= 80; ring++) {
    const int radius = static_cast<int>(base + shift);
    if (radius > 0) expected.insert(centreX + radius);
    base = static_cast<int>(base + spacing);
  }
  const std::vector<int> row = WhiteAlong(screen, centreY, false);
  std::set<int> right;
  for (int x : row) {
    if (x > centreX) right.insert(x);
  }
  const std::set<int> inside = Within(expected, centreX + 1, screen.width);
  std::printf("circles: tick %u shift %.4f, %zu crossings expected right of centre, %zu white\n",
              drawn, shift, inside.size(), right.size());
  if (right != inside) PrintDifference("circles right", inside, std::vector<int>(right.begin(), right.end()));
  Check(right == inside, "ring crossings of the centre row are not at the expected radii");
  // The left half mirrors the right, within the rasteriser's one pixel.
  int unmatched = 0;
  for (int x : row) {
    if (x >= centreX) continue;
    const int mirrored = 2 * centreX - x;
    if (!inside.count(mirrored) && !inside.count(mirrored - 1) && !inside.count(mirrored + 1))
      unmatched++;
  }
  Check(unmatched == 0, "%d white pixels left of centre match no ring", unmatched);
  Check(NonBlackNonWhite(screen) == 0, "the rings frame holds colours other than black and white");
  Check(screen.At(centreX + 6, centreY + 6) == 0, "the gap between the first rings is not black");
  return shift;
}

void CheckCircles() {
  PrepareWindow(true);
  // Stopped at different moments of the 8-tick drift cycle.
  const double first = CheckCirclesOnce(450);
  const double second = CheckCirclesOnce(530);
  const double third = CheckCirclesOnce(370);
  Check(first != 0.0 || second != 0.0 || third != 0.0, "no exposure stopped with rings shifted");
}

void CheckGrid() {
  PrepareWindow(true);
  const uint32_t frequency = 780;
  HANDLE thread = StartVisualExposure(VisualMode::Grid, frequency);
  PumpFor(380);
  StopVisualExposure(thread);
  const ScreenPixels screen = GrabScreen();
  const uint32_t drawn = LastTickDrawn();
  const int centreX = screen.width / 2, centreY = screen.height / 2;
  const double spacing = screen.width / 44.0 / 2.0;
  const double shift = ShiftDrawn(drawn, spacing, frequency, false);
  Check(VisualState.shift == NextGridShift(shift, spacing, frequency),
        "the worker's shift %.4f is not one update past the replayed %.4f", VisualState.shift, shift);
  std::set<int> columns, rows;
  int d = 0;
  for (int step = 1; step <= 44; step++) {
    columns.insert(static_cast<int>((centreX - d) - shift));
    columns.insert(static_cast<int>((centreX + d) + shift));
    rows.insert(static_cast<int>((centreY - d) - shift));
    rows.insert(static_cast<int>((centreY + d) + shift));
    d = static_cast<int>(d + spacing);
  }
  const std::set<int> visibleColumns = Within(columns, 0, screen.width);
  const std::set<int> visibleRows = Within(rows, 0, screen.height);
  // A row and a column that no horizontal or vertical line covers.
  int probeY = centreY + 3, probeX = centreX + 3;
  while (rows.count(probeY)) probeY++;
  while (columns.count(probeX)) probeX++;
  const std::vector<int> seenColumns = WhiteAlong(screen, probeY, false);
  const std::vector<int> seenRows = WhiteAlong(screen, probeX, true);
  std::printf("grid: tick %u shift %.4f, %zu columns and %zu rows expected, %zu and %zu white\n",
              drawn, shift, visibleColumns.size(), visibleRows.size(), seenColumns.size(),
              seenRows.size());
  const bool columnsMatch = std::set<int>(seenColumns.begin(), seenColumns.end()) == visibleColumns;
  const bool rowsMatch = std::set<int>(seenRows.begin(), seenRows.end()) == visibleRows;
  if (!columnsMatch) PrintDifference("grid columns", visibleColumns, seenColumns);
  if (!rowsMatch) PrintDifference("grid rows", visibleRows, seenRows);
  Check(columnsMatch, "grid lines are not at the expected columns");
  Check(rowsMatch, "grid lines are not at the expected rows");
  Check(NonBlackNonWhite(screen) == 0, "the grid frame holds colours other than black and white");
}

void CheckNone() {
  PrepareWindow(false);
  const ScreenPixels before = GrabScreen();
  HANDLE thread = StartVisualExposure(VisualMode::None, 780);
  PumpFor(450);
  const uint32_t early = LoadField(ExposureState.frameCounter);
  PumpFor(2100);  // ticks at 1000 and 2000 ms
  const uint32_t late = LoadField(ExposureState.frameCounter);
  StopVisualExposure(thread);
  const ScreenPixels after = GrabScreen();
  long changed = 0;
  for (size_t i = 0; i < before.pixels.size(); i++) changed += before.pixels[i] != after.pixels[i];
  std::printf("none: frameCounter %u at 0.45 s, %u at 2.55 s, %ld pixels changed\n", early, late,
              changed);
  Check(early == 0, "the first tick of None came before its 1000 ms");
  Check(late == 2, "None advanced frameCounter to %u in 2.55 s, expected 2", late);
  Check(!IsWindowVisible(ExposureState.StimulationWindow), "the window was shown for None");
  Check(changed == 0, "%ld pixels of the screen changed under None", changed);
}

void CheckTeardown() {
  PrepareWindow(true);
  const VisualMode modes[] = {VisualMode::None, VisualMode::SmoothStrobe, VisualMode::DiscreteStrobe,
                              VisualMode::Circles, VisualMode::Grid};
  // Stopped at different moments of the worker's poll period.
  DWORD length = 250;
  for (VisualMode mode : modes) {
    StoreField(ExposureState.frameCounter, 0u);
    HANDLE thread = StartVisualExposure(mode, 5000);
    const DWORD started = GetTickCount();
    while (mode != VisualMode::None && LoadField(ExposureState.frameCounter) == 0 &&
           GetTickCount() - started < 5000)
      PumpFor(5);
    PumpFor(length);
    length += 45;
    const HDC memoryDc = VisualState.memoryDc;
    const HBITMAP frameBitmap = VisualState.frameBitmap;
    Check(GetObjectType(memoryDc) == OBJ_MEMDC, "mode %d: no memory DC while running",
          static_cast<int>(mode));
    Check(GetObjectType(frameBitmap) == OBJ_BITMAP, "mode %d: no frame bitmap while running",
          static_cast<int>(mode));
    const double took = StopVisualExposure(thread);
    const uint32_t ended = LoadField(ExposureState.frameCounter);
    PumpFor(120);
    const uint32_t later = LoadField(ExposureState.frameCounter);
    std::printf("teardown mode %d: ended %.1f ms after running fell, frameCounter %u then %u\n",
                static_cast<int>(mode), took, ended, later);
    // It polls every 100 ms; the rest is slack for a loaded machine, still
    // short of a worker that polls once a second or waits for its tick.
    Check(took <= 500.0, "mode %d: the worker took %.1f ms to end", static_cast<int>(mode), took);
    Check(later == ended, "mode %d: ticks went on after the worker ended", static_cast<int>(mode));
    Check(GetObjectType(memoryDc) == 0, "mode %d: memory DC still valid", static_cast<int>(mode));
    Check(GetObjectType(frameBitmap) == 0, "mode %d: frame bitmap still valid",
          static_cast<int>(mode));
    Check(mode == VisualMode::None || ended > 0, "mode %d drew nothing", static_cast<int>(mode));
  }
  // An exposure already over when the worker starts: it arms and cancels at
  // once, releases its surfaces and never ticks.
  StoreField(ExposureState.visualMode, VisualMode::Grid);
  StoreField(ExposureState.running, 0);
  HANDLE thread = StartVisualThread(0, nullptr);
  const DWORD waited = WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  PumpFor(100);
  Check(waited == WAIT_OBJECT_0, "a worker started after the stop did not end");
  Check(LoadField(ExposureState.frameCounter) == 0, "a worker started after the stop ticked");
  Check(GetObjectType(VisualState.memoryDc) == 0, "a worker started after the stop kept its DC");
}

void CheckLeaks() {
  PrepareWindow(true);
  const long base = CountGdiObjects();
  // The counter itself must see objects come and go.
  HBRUSH probes[10];
  for (HBRUSH& b : probes) b = CreateSolidBrush(0x123456);
  const long withProbes = CountGdiObjects();
  for (HBRUSH b : probes) DeleteObject(b);
  std::printf("leaks: %ld GDI objects, %ld with 10 brushes, GetGuiResources %lu\n", base,
              withProbes, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  Check(base > 0 && withProbes == base + 10, "the GDI object count does not follow 10 brushes");
  const VisualMode modes[] = {VisualMode::SmoothStrobe, VisualMode::DiscreteStrobe,
                              VisualMode::Circles, VisualMode::Grid, VisualMode::None};
  const long before = CountGdiObjects();
  for (int exposure = 0; exposure < 50; exposure++) {
    HANDLE thread = StartVisualExposure(modes[exposure % 5], 780 + exposure * 50);
    PumpFor(40);
    StopVisualExposure(thread);
  }
  const long after = CountGdiObjects();
  std::printf("leaks: %ld GDI objects before 50 exposures, %ld after\n", before, after);
  Check(after == before, "50 exposures left %ld GDI objects behind", after - before);
}

// The patterns on fine ticks (2, 10 and 20 ms) hold the finest timer
// resolution for their exposure, and every request granted is given back
// once: over many exposures stopped at different moments, one worker
// started after the stop, and requests that the service refuses.
void CheckTimerPeriods() {
  PrepareWindow(true);
  TIMECAPS caps = {};
  timeGetDevCaps(&caps, sizeof caps);
  Check(WatchTimerPeriods(), "the program imports no timeBeginPeriod or timeEndPeriod");
  const VisualMode modes[] = {VisualMode::SmoothStrobe, VisualMode::None, VisualMode::DiscreteStrobe,
                              VisualMode::Circles, VisualMode::Grid};
  int fine = 0;
  for (int exposure = 0; exposure < 25; exposure++) {
    const VisualMode mode = modes[exposure % 5];
    const int held = mode == VisualMode::None ? 0 : 1;
    HANDLE thread = StartVisualExposure(mode, 5000);
    // The request comes as the worker arms its tick, at the pace of a loaded
    // machine; from then on it is held, whenever the stop comes.
    const DWORD started = GetTickCount();
    while (held && CountTimerPeriods(caps.wPeriodMin).outstanding == 0 && GetTickCount() - started < 5000)
      PumpFor(5);
    PumpFor(30 + exposure * 7);
    const int during = CountTimerPeriods(caps.wPeriodMin).outstanding;
    Check(during == held, "exposure %d in mode %d holds %d requests, expected %d", exposure,
          static_cast<int>(mode), during, held);
    StopVisualExposure(thread);
    fine += held;
    const int after = CountTimerPeriods(caps.wPeriodMin).outstanding;
    Check(after == 0, "exposure %d left %d requests outstanding", exposure, after);
  }
  // A worker that finds the exposure already over.
  StoreField(ExposureState.visualMode, VisualMode::Grid);
  StoreField(ExposureState.running, 0);
  HANDLE late = StartVisualThread(0, nullptr);
  WaitForSingleObject(late, 5000);
  CloseHandle(late);
  fine++;
  // A request refused: nothing to give back, and the pattern still runs.
  RefuseTimerPeriods(true);
  HANDLE refused = StartVisualExposure(VisualMode::DiscreteStrobe, 5000);
  PumpFor(150);
  Check(LoadField(ExposureState.frameCounter) > 0, "no tick after a refused request");
  StopVisualExposure(refused);
  RefuseTimerPeriods(false);
  const TimerPeriodCount count = CountTimerPeriods(caps.wPeriodMin);
  std::printf("periods: finest %u ms; asked %d, granted %d, given back %d, other periods %d\n",
              caps.wPeriodMin, count.asked, count.granted, count.ended, count.otherPeriod);
  Check(count.granted == fine, "%d requests granted, expected %d", count.granted, fine);
  Check(count.asked == fine + 1, "%d requests asked, expected %d", count.asked, fine + 1);
  Check(count.ended == count.granted, "%d granted but %d given back", count.granted, count.ended);
  Check(count.otherPeriod == 0, "%d calls named a period other than %u", count.otherPeriod,
        caps.wPeriodMin);
}

}  // namespace

int main(int argc, char** argv) {
  const char* check = argc > 1 ? argv[1] : "";
  if (!std::strcmp(check, "smooth")) CheckSmoothStrobe();
  else if (!std::strcmp(check, "discrete")) CheckDiscreteStrobe();
  else if (!std::strcmp(check, "circles")) CheckCircles();
  else if (!std::strcmp(check, "grid")) CheckGrid();
  else if (!std::strcmp(check, "none")) CheckNone();
  else if (!std::strcmp(check, "teardown")) CheckTeardown();
  else if (!std::strcmp(check, "leaks")) CheckLeaks();
  else if (!std::strcmp(check, "periods")) CheckTimerPeriods();
  else if (!std::strcmp(check, "large")) CheckLargeFrames();
  else Check(false, "unknown check '%s'", check);
  std::printf("%s: %s\n", check, Failures() ? "FAILED" : "passed");
  return Failures() ? 1 : 0;
}
