#include "editor/voices/VoiceControls.h"

#include <commctrl.h>

#include "editor/voices/VoiceFields.h"
#include "editor/voices/VoiceRecord.h"
#include "editor/voices/VoiceStrings.h"
#include "language/RussianSessionProblems.h"
#include "platform/FileNames.h"
#include "platform/ListColumns.h"
#include "platform/ProgramWindow.h"
#include "session_format/SessionLines.h"

VoiceRecord Voices;

HWND VoiceWindow(int id) { return GetDlgItem(Voices.window, id); }

namespace {

// The list's columns in the order of a voice line's values, each at least
// this wide at 96 DPI; the last shows a noise's colour where the kind has
// no shape.
const TextPair* const Headers[] = {&KindColumn, &CarrierColumn, &BeatColumn, &LevelColumn,
                                   &ShapeColumn};
const VoiceField Columns[] = {VoiceField::Kind, VoiceField::Carrier, VoiceField::Beat,
                              VoiceField::Level, VoiceField::Shape};
const int Widths[] = {80, 90, 110, 70, 90};
const int ColumnCount = sizeof Widths / sizeof Widths[0];

const ChildPlace ListPlace = {10, 262, 580, 94};

struct Button {
  int id;
  const TextPair* caption;
  ChildPlace place;
};
// Beside the list, at its right.
const Button Buttons[] = {{AddVoiceId, &AddCaption, {596, 262, 94, 22}},
                          {RemoveVoiceId, &RemoveCaption, {596, 286, 94, 22}},
                          {UpVoiceId, &UpCaption, {596, 310, 94, 22}},
                          {DownVoiceId, &DownCaption, {596, 334, 94, 22}}};

ACCEL ListKeys[] = {{FVIRTKEY, VK_INSERT, AddVoiceId},
                    {FVIRTKEY, VK_DELETE, RemoveVoiceId},
                    {FVIRTKEY | FALT, VK_UP, UpVoiceId},
                    {FVIRTKEY | FALT, VK_DOWN, DownVoiceId}};

std::wstring Cell(const Voice& voice, int column) {
  VoiceField field = Columns[column];
  if (field == VoiceField::Shape && !VoiceTakes(voice.kind, field)) field = VoiceField::Colour;
  return WideFromUtf8(VoiceFieldText(voice, field));
}

void ShowVoiceRow(const SessionDocument& document, size_t voice) {
  const Voice& shown = SegmentAt(document, Voices.row).voices[voice];
  for (int column = 0; column < ColumnCount; column++)
    SetReportCell(Voices.list, voice, column, Cell(shown, column));
}

void ChooseVoice(const SessionDocument& document, size_t voice) {
  Voices.chosen = voice;
  FillVoiceFields(voice < Voices.count ? &SegmentAt(document, Voices.row).voices[voice] : nullptr);
}

// Every row again, `voice` chosen (with the keyboard's focus mark) and
// taken up by the fields.
void FillVoiceList(const SessionDocument& document, size_t voice) {
  const bool any = Voices.row < SegmentCount(document);
  Voices.count = any ? SegmentAt(document, Voices.row).voices.size() : 0;
  FillReportRows(Voices.list, Voices.count, [&document](size_t i) { ShowVoiceRow(document, i); });
  EnableWindow(Voices.list, any);
  for (const Button& button : Buttons) EnableWindow(VoiceWindow(button.id), any);
  ChooseVoice(document, voice);
  if (voice < Voices.count) SelectReportRow(Voices.list, voice);
}

// A new voice's kind takes the keyboard, as a new segment's duration does.
bool AddVoiceHere(SessionDocument& document) {
  size_t voice = 0;
  SessionError error;
  if (!AddVoice(document, Voices.row, voice, error)) {
    Voices.wrong[VoiceListId] = error;
    return false;
  }
  FillVoiceList(document, voice);
  SetFocus(VoiceWindow(VoiceKindId));
  return true;
}

bool EditVoices(SessionDocument& document, int id) {
  Voices.wrong.erase(VoiceListId);
  if (Voices.row >= SegmentCount(document)) return false;
  if (id == AddVoiceId) return AddVoiceHere(document);
  if (Voices.chosen >= Voices.count) return false;
  if (id == RemoveVoiceId)
    FillVoiceList(document, RemoveVoice(document, Voices.row, Voices.chosen));
  if (id == UpVoiceId || id == DownVoiceId)
    FillVoiceList(document, MoveVoice(document, Voices.row, Voices.chosen, id == UpVoiceId));
  return true;
}

}  // namespace

std::vector<VoicePlace> VoicePlaces() {
  std::vector<VoicePlace> places = {{VoiceListId, true, false, ListPlace}};
  for (const Button& button : Buttons) places.push_back({button.id, false, true, button.place});
  AddVoiceFieldPlaces(places);
  return places;
}

void CreateVoiceControls(HINSTANCE instance, HWND parent) {
  Voices.window = parent;
  Voices.list = CreateReportList(instance, parent, ListPlace, VoiceListId, Widths, ColumnCount);
  for (const Button& button : Buttons)
    CreateChildW(instance, parent, L"BUTTON", L"", WS_TABSTOP, 0, button.place, button.id);
  CreateVoiceFields(instance, parent);
}

void NameVoiceControls() {
  for (int i = 0; i < ColumnCount; i++)
    NameColumn(Voices.list, i, InCurrentLanguage(*Headers[i]));
  if (Voices.font) FitColumnsToHeaders(Voices.list, Widths, ColumnCount, Voices.dpi, Voices.font);
  for (const Button& button : Buttons) {
    const std::wstring caption = WideFromUtf8(InCurrentLanguage(*button.caption));
    SetWindowTextW(VoiceWindow(button.id), caption.c_str());
  }
  NameVoiceFields();
}

void FitVoiceColumns(HFONT font, int dpi) {
  Voices.font = font;
  Voices.dpi = dpi;
  FitColumnsToHeaders(Voices.list, Widths, ColumnCount, dpi, font);
}

void ShowVoices(const SessionDocument& document, size_t row) {
  Voices.row = row;
  Voices.wrong.clear();
  FillVoiceList(document, 0);
}

bool IsVoiceControl(int id) { return id >= VoiceListId && id <= VoiceShapeId; }

bool TakeVoiceCommand(SessionDocument& document, int id, int code) {
  if (IsVoiceField(id)) {
    if ((code != EN_CHANGE && code != CBN_SELCHANGE) || !TakeVoiceField(document, id)) return false;
    ShowVoiceRow(document, Voices.chosen);
    return true;
  }
  return id != VoiceListId && code <= 1 && EditVoices(document, id);
}

void HandleVoiceNotice(const SessionDocument& document, const NMHDR* notice) {
  const int voice = NewlyChosenRow(notice, VoiceListId);
  if (voice >= 0 && static_cast<size_t>(voice) != Voices.chosen)
    ChooseVoice(document, static_cast<size_t>(voice));
}

bool TranslateVoiceKeys(HWND window, MSG* message) {
  if (!Voices.keys)
    Voices.keys = CreateAcceleratorTableW(ListKeys, sizeof ListKeys / sizeof ListKeys[0]);
  return GetFocus() == Voices.list && TranslateAcceleratorW(window, Voices.keys, message);
}

std::string VoiceProblem(int& id) {
  const auto wrong = Voices.wrong.find(VoiceListId);
  if (wrong == Voices.wrong.end()) return FirstWrongVoiceField(id);
  id = VoiceListId;
  return std::string(InCurrentLanguage(VoicesWord)) + ": " +
         SessionProblemInCurrentLanguage(wrong->second);
}
