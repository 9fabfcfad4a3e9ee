#include "editor/EditorTable.h"

#include <commctrl.h>

#include <string>

#include "language/Strings.h"
#include "platform/FileNames.h"
#include "platform/ListColumns.h"
#include "platform/ProgramWindow.h"
#include "editor/EditorFields.h"
#include "editor/EditorLayout.h"
#include "editor/EditorState.h"
#include "editor/EditorStrings.h"

namespace {

// In the order of a segment's values, each at least this wide at 96 DPI,
// wider where its header needs it: within the table, beside its scroll
// bar, in either language.
const TextPair* const Headers[] = {&DurationColumn, &SoundColumn,      &FromColumn,
                                   &ToColumn,       &VolumeColumn,     &NoiseColumn,
                                   &LightColumn,    &BrightnessColumn, &ColourColumn};
const int Widths[] = {62, 90, 52, 52, 60, 62, 70, 60, 62};
const int ColumnCount = sizeof Widths / sizeof Widths[0];

std::wstring PanelName(const TextPair& name) {
  return WideFromCodePage1251(InCurrentLanguage(name));
}

std::wstring NoiseCell(const SessionSegment& s) {
  if (s.noise == NoiseColour::None) return L"";
  return WideFromUtf8(InCurrentLanguage(NoiseNames[static_cast<int>(s.noise)])) + L" " +
         std::to_wstring(s.noiseLevel);
}

std::wstring LightCell(const SessionSegment& s) {
  if (s.light == ChosenPattern) return WideFromUtf8(InCurrentLanguage(ChosenPatternName));
  return PanelName(VisualModeNames[s.light]);
}

std::wstring Cell(const SessionSegment& s, int column) {
  switch (column) {
    case 1:
      return PanelName(SoundModeNames[static_cast<int>(s.mode)]);
    case 5:
      return NoiseCell(s);
    case 6:
      return LightCell(s);
  }
  const SegmentField fields[] = {SegmentField::Duration, SegmentField::Mode,   SegmentField::From,
                                 SegmentField::To,       SegmentField::Volume, SegmentField::Noise,
                                 SegmentField::Light,    SegmentField::Brightness,
                                 SegmentField::Colour};
  return WideFromUtf8(SegmentFieldText(s, fields[column]));
}

}  // namespace

void PlaceTable(const EditorLayout& layout) {
  const ChildPlace place =
      PlaceInEditor(layout, EditorBand::Table, GrowsWide | GrowsTall, {10, 10, 680, 150});
  MoveWindow(Editor.table, place.x, place.y, place.width, place.height, TRUE);
}

void FitColumns() {
  FitColumnsToHeaders(Editor.table, Widths, ColumnCount, Editor.dpi, Editor.font);
}

HWND CreateTable(HINSTANCE instance, HWND parent) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  return CreateReportList(instance, parent, {10, 10, 680, 150}, TableId, Widths, ColumnCount);
}

void NameColumns() {
  for (int i = 0; i < ColumnCount; i++)
    NameColumn(Editor.table, i, InCurrentLanguage(*Headers[i]));
  FitColumns();
}

void FillTable() { FillReportRows(Editor.table, SegmentCount(Editor.document), ShowRow); }

void ShowRow(size_t row) {
  const SessionSegment& segment = SegmentAt(Editor.document, row);
  for (int column = 0; column < ColumnCount; column++)
    SetReportCell(Editor.table, row, column, Cell(segment, column));
}

void SelectRow(size_t row) { SelectReportRow(Editor.table, row); }

void HandleTableNotice(const NMHDR* notice) {
  const int row = NewlyChosenRow(notice, TableId);
  if (row >= 0) ChooseRow(static_cast<size_t>(row));
}
