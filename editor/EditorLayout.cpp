#include "editor/EditorLayout.h"

#include <algorithm>

namespace {

// How far down a band is moved by the growth of the bands above it.
int BandShift(const EditorLayout& layout, EditorBand band) {
  int shift = 0;
  if (band > EditorBand::Table) shift += layout.tableTaller;
  if (band > EditorBand::Picture) shift += layout.pictureTaller;
  return shift;
}

int BandGrowth(const EditorLayout& layout, EditorBand band) {
  if (band == EditorBand::Table) return layout.tableTaller;
  if (band == EditorBand::Picture) return layout.pictureTaller;
  return 0;
}

}  // namespace

int EditorMinimumWidth(int dpi) { return ScaledForDpi(EditorClientWidth, dpi); }

int EditorMinimumHeight(int dpi) { return ScaledForDpi(EditorClientHeight, dpi); }

EditorLayout LayOutEditor(int clientWidth, int clientHeight, int dpi) {
  const int taller = std::max(0, clientHeight - EditorMinimumHeight(dpi));
  return {dpi, std::max(0, clientWidth - EditorMinimumWidth(dpi)), taller / 2, taller - taller / 2};
}

ChildPlace PlaceInEditor(const EditorLayout& layout, EditorBand band, int stretch, ChildPlace at) {
  ChildPlace place = ScaledPlace(at, layout.dpi);
  place.y += BandShift(layout, band);
  if (stretch & MovesRight) place.x += layout.wider;
  if (stretch & GrowsWide) place.width += layout.wider;
  if (stretch & GrowsTall) place.height += BandGrowth(layout, band);
  return place;
}
