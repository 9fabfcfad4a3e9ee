#include "editor/voices/VoiceFields.h"

#include "editor/voices/VoiceRecord.h"
#include "editor/voices/VoiceStrings.h"
#include "language/RussianSessionProblems.h"
#include "platform/FileNames.h"
#include "platform/LabelledFields.h"
#include "session_format/SessionLines.h"

namespace {

struct Field {
  int id;
  const TextPair* label;
  ChildPlace place;  // of the field, its label above it; a list's holds its dropped-down height
  bool list;
  VoiceField field;  // Shape stands for Colour where the kind has a colour
};

const Field Fields[] = {
    {VoiceKindId, &KindColumn, {10, 378, 110, 200}, true, VoiceField::Kind},
    {VoiceCarrierId, &CarrierColumn, {130, 378, 90, 22}, false, VoiceField::Carrier},
    {VoiceBeatId, &BeatColumn, {230, 378, 130, 22}, false, VoiceField::Beat},
    {VoiceLevelId, &LevelColumn, {370, 378, 80, 22}, false, VoiceField::Level},
    {VoiceShapeId, &ShapeColumn, {460, 378, 120, 200}, true, VoiceField::Shape},
};

const Field* Find(int id) {
  for (const Field& field : Fields)
    if (field.id == id) return &field;
  return nullptr;
}

// The value the field holds for a voice of the kind.
VoiceField ValueOf(const Field& field, VoiceKind kind) {
  const bool colour = field.field == VoiceField::Shape && !VoiceTakes(kind, VoiceField::Shape);
  return colour ? VoiceField::Colour : field.field;
}

std::string ListText(HWND list) {
  const LRESULT chosen = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (chosen < 0) return "";
  std::wstring text(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, chosen, 0)) + 1, L'\0');
  SendMessageW(list, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(text.size() - 1);
  return Utf8FromWide(text);
}

// The words the reader takes, the voice's own chosen.
void FillList(HWND list, const std::vector<std::string>& words, const std::string& chosen) {
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  int at = -1;
  for (size_t i = 0; i < words.size(); i++) {
    const std::wstring word = WideFromUtf8(words[i]);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
    if (words[i] == chosen) at = static_cast<int>(i);
  }
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

void Fill(const Field& field, const Voice* voice) {
  HWND control = VoiceWindow(field.id);
  const VoiceField value = voice ? ValueOf(field, voice->kind) : field.field;
  const bool has = voice && VoiceTakes(voice->kind, value);
  const std::string text = has ? VoiceFieldText(*voice, value) : "";
  if (field.list)
    FillList(control, has ? VoiceFieldChoices(voice->kind, value) : std::vector<std::string>(),
             text);
  else
    SetWindowTextW(control, WideFromUtf8(text).c_str());
  EnableWindow(control, has);
}

}  // namespace

void CreateVoiceFields(HINSTANCE instance, HWND parent) {
  for (const Field& field : Fields)
    CreateLabelledField(instance, parent, field.place, field.id, field.id + VoiceLabelOffset,
                        field.list);
}

void AddVoiceFieldPlaces(std::vector<VoicePlace>& places) {
  for (const Field& field : Fields) {
    places.push_back({field.id + VoiceLabelOffset, false, false, LabelPlaceAbove(field.place)});
    places.push_back({field.id, false, false, field.place});
  }
}

void NameVoiceFields() {
  for (const Field& field : Fields)
    SetWindowTextW(VoiceWindow(field.id + VoiceLabelOffset),
                   WideFromUtf8(InCurrentLanguage(*field.label)).c_str());
}

void FillVoiceFields(const Voice* voice, int kept) {
  Voices.filling = true;
  for (const Field& field : Fields) {
    if (field.id == kept) continue;
    Voices.wrong.erase(field.id);
    Fill(field, voice);
  }
  Voices.filling = false;
}

bool IsVoiceField(int id) { return Find(id) != nullptr; }

bool TakeVoiceField(SessionDocument& document, int id) {
  if (Voices.filling || Voices.chosen >= Voices.count) return false;
  const Field& field = *Find(id);
  const VoiceKind kind = SegmentAt(document, Voices.row).voices[Voices.chosen].kind;
  HWND control = VoiceWindow(id);
  const std::string text = field.list ? ListText(control) : WindowTextUtf8(control);
  SessionError error;
  if (!SetVoiceField(document, Voices.row, Voices.chosen, ValueOf(field, kind), text, error)) {
    Voices.wrong[id] = error;
    return false;
  }
  Voices.wrong.erase(id);
  // Another kind has other values, and other words in its lists.
  const Voice& voice = SegmentAt(document, Voices.row).voices[Voices.chosen];
  if (voice.kind != kind) FillVoiceFields(&voice, id);
  return true;
}

std::string FirstWrongVoiceField(int& id) {
  for (const Field& field : Fields) {
    const auto wrong = Voices.wrong.find(field.id);
    if (wrong == Voices.wrong.end()) continue;
    id = field.id;
    return std::string(InCurrentLanguage(*field.label)) + ": " +
           SessionProblemInCurrentLanguage(wrong->second);
  }
  return "";
}
