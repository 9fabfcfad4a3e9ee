// display-rate: how the two strobes are seen on displays of common refresh
// rates, printed as a Markdown table. Takes no arguments.
#include <cstdio>

#include "visual/display_rate/DisplaySampling.h"

namespace {

const uint32_t RefreshRates[] = {60, 75, 120, 144};
const uint32_t Settings[] = {100, 500, 780, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 5000};
// Ten minutes of an exposure: long enough that the rates are exact to the
// hundredth of a hertz that they are printed with.
const uint32_t WindowSeconds = 600;

void PrintHeader() {
  std::printf("| strobe | setting | drawn |");
  for (uint32_t refresh : RefreshRates) std::printf(" %u Hz display |", refresh);
  std::printf("\n|---|---|---|");
  for (size_t column = 0; column < sizeof RefreshRates / sizeof RefreshRates[0]; column++)
    std::printf("---|");
  std::printf("\n");
}

void PrintRow(VisualMode strobe, const char* name, uint32_t frequency) {
  std::printf("| %s | %u.%02u | %.2f |", name, frequency / 100, frequency % 100,
              SeeStrobe(strobe, frequency, RefreshRates[0], WindowSeconds).drawnHz);
  for (uint32_t refresh : RefreshRates) {
    const SeenStrobe seen = SeeStrobe(strobe, frequency, refresh, WindowSeconds);
    std::printf(" %.2f (%d-%d) |", seen.shownHz, seen.shortestPhase, seen.longestPhase);
  }
  std::printf("\n");
}

}  // namespace

int main() {
  PrintHeader();
  for (uint32_t frequency : Settings) PrintRow(VisualMode::SmoothStrobe, "smooth", frequency);
  for (uint32_t frequency : Settings) PrintRow(VisualMode::DiscreteStrobe, "discrete", frequency);
  return 0;
}
