#include "editor/EditorFields.h"

#include "editor/EditorLayout.h"
#include "editor/EditorState.h"
#include "editor/EditorStrings.h"
#include "editor/voices/VoiceControls.h"
#include "language/Language.h"
#include "language/RussianSessionProblems.h"
#include "language/SessionTexts.h"
#include "platform/FileNames.h"
#include "platform/LabelledFields.h"
#include "platform/ProgramWindow.h"
#include "sound/SessionSound.h"

namespace {

// A label's id: its field's, far above every control's.
const int LabelOffset = 1000;

struct Field {
  int id;
  const TextPair* label;
  ChildPlace place;  // of the field; its label stands above it
  bool list;
  bool ofSegment;
  SegmentField segmentField;
  SessionField sessionField;
};

// A list's place holds its dropped-down height.
const Field SegmentFields[] = {
    {DurationId, &DurationColumn, {10, 186, 86, 22}, false, true, SegmentField::Duration, {}},
    {ModeId, &SoundColumn, {100, 186, 190, 200}, true, true, SegmentField::Mode, {}},
    {FromId, &FromColumn, {300, 186, 80, 22}, false, true, SegmentField::From, {}},
    {ToId, &ToColumn, {390, 186, 80, 22}, false, true, SegmentField::To, {}},
    {VolumeId, &VolumeColumn, {480, 186, 90, 22}, false, true, SegmentField::Volume, {}},
    {NoiseColourId, &NoiseColumn, {10, 234, 120, 200}, true, true, SegmentField::Noise, {}},
    {NoiseLevelId, &NoiseLevelLabel, {140, 234, 80, 22}, false, true, SegmentField::Noise, {}},
    {LightId, &LightColumn, {230, 234, 190, 200}, true, true, SegmentField::Light, {}},
    {BrightnessId, &BrightnessColumn, {430, 234, 90, 22}, false, true, SegmentField::Brightness, {}},
    {ColourId, &ColourColumn, {530, 234, 90, 22}, false, true, SegmentField::Colour, {}},
};

const Field SessionFields[] = {
    {EnglishTitleId, &EnglishTitleLabel, {10, 454, 300, 22}, false, false, {}, SessionField::EnglishTitle},
    {RussianTitleId, &RussianTitleLabel, {320, 454, 300, 22}, false, false, {}, SessionField::RussianTitle},
    {FadeInId, &FadeInLabel, {10, 502, 80, 22}, false, false, {}, SessionField::FadeIn},
    {FadeOutId, &FadeOutLabel, {100, 502, 80, 22}, false, false, {}, SessionField::FadeOut},
    {MusicFileId, &MusicLabel, {190, 502, 320, 22}, false, false, {}, SessionField::MusicFile},
    {MusicLevelId, &MusicLevelLabel, {640, 502, 90, 22}, false, false, {}, SessionField::MusicLevel},
};

// The lines and the button beside the fields: the problem lines as wide as
// the window lets them be.
struct Extra {
  int id;
  EditorBand band;
  int stretch;
  ChildPlace place;
};
// The segment's problem line is under its voices, whose values it names too.
const Extra SegmentExtras[] = {{SegmentProblemId, EditorBand::Voices, GrowsWide, {10, 404, 680, 28}}};
const Extra SessionExtras[] = {{BrowseId, EditorBand::Session, Stays, {520, 501, 100, 24}},
                               {SessionProblemId, EditorBand::Session, GrowsWide, {10, 530, 820, 28}}};

template <size_t N>
void PlaceFields(const EditorLayout& layout, EditorBand band, const Field (&fields)[N]) {
  for (const Field& field : fields) {
    MoveChild(Control(field.id + LabelOffset),
              PlaceInEditor(layout, band, Stays, LabelPlaceAbove(field.place)));
    MoveChild(Control(field.id), PlaceInEditor(layout, band, Stays, field.place));
  }
}

template <size_t N>
void PlaceExtras(const EditorLayout& layout, const Extra (&extras)[N]) {
  for (const Extra& extra : extras) {
    MoveChild(Control(extra.id), PlaceInEditor(layout, extra.band, extra.stretch, extra.place));
  }
}

template <size_t N>
void CreateExtras(HINSTANCE instance, HWND parent, const Extra (&extras)[N]) {
  for (const Extra& extra : extras) {
    const bool button = extra.id == BrowseId;
    CreateChildW(instance, parent, button ? L"BUTTON" : L"STATIC", L"",
                 button ? WS_TABSTOP : SS_NOPREFIX, 0, extra.place, extra.id);
  }
}

template <size_t N>
const Field* Find(const Field (&fields)[N], int id) {
  for (const Field& field : fields)
    if (field.id == id) return &field;
  return nullptr;
}

const Field* FieldOf(int id) {
  const Field* field = Find(SegmentFields, id);
  return field ? field : Find(SessionFields, id);
}

std::string Label(const Field& field) { return InCurrentLanguage(*field.label); }

void CreateField(HINSTANCE instance, HWND parent, const Field& field) {
  CreateLabelledField(instance, parent, field.place, field.id, field.id + LabelOffset, field.list);
}

int ListChoice(int id) { return static_cast<int>(SendMessageW(Control(id), CB_GETCURSEL, 0, 0)); }

void Choose(int id, int item) { SendMessageW(Control(id), CB_SETCURSEL, static_cast<WPARAM>(item), 0); }

void FillList(int id, const TextPair* first, const TextPair* names, int count) {
  const int chosen = ListChoice(id);
  SendMessageW(Control(id), CB_RESETCONTENT, 0, 0);
  for (int i = first ? -1 : 0; i < count; i++) {
    const std::wstring name = WideFromUtf8(InCurrentLanguage(i < 0 ? *first : names[i]));
    SendMessageW(Control(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  Choose(id, chosen);
}

// The text a field stands for, as a segment line writes it: the lists by
// their positions, the noise as its colour and level together.
std::string FieldText(int id) {
  const int choice = ListChoice(id == NoiseLevelId ? NoiseColourId : id);
  if (id == ModeId) return std::to_string(choice);
  if (id == LightId) return choice <= 0 ? "" : std::to_string(choice - 1);
  if (id != NoiseColourId && id != NoiseLevelId) return ControlText(id);
  if (choice <= 0) return "";
  return NoiseWord(static_cast<NoiseColour>(choice)) + (" " + ControlText(NoiseLevelId));
}

bool TakeField(const Field& field, SessionError& error) {
  if (!field.ofSegment)
    return SetSessionField(Editor.document, field.sessionField, FieldText(field.id), error);
  return SegmentCount(Editor.document) == 0 ||
         SetSegmentField(Editor.document, Editor.row, field.segmentField, FieldText(field.id), error);
}

template <size_t N>
std::string FirstWrong(const Field (&fields)[N], int& id) {
  for (const Field& field : fields) {
    const auto wrong = Editor.wrong.find(field.id);
    if (wrong == Editor.wrong.end()) continue;
    id = field.id;
    return Label(field) + ": " + SessionProblemInCurrentLanguage(wrong->second);
  }
  return "";
}

// The session as a whole: as it reads back, then its music.
std::string WholeSessionProblem(int& id) {
  if (!Editor.readBack) return LineProblem(Editor.readBackError);
  if (Editor.musicError.problem == SessionProblem::None) return "";
  id = MusicFileId;
  return Label(*FieldOf(MusicFileId)) + ": " + SessionProblemInCurrentLanguage(Editor.musicError);
}

}  // namespace

void CreateSegmentFields(HINSTANCE instance, HWND parent) {
  for (const Field& field : SegmentFields) CreateField(instance, parent, field);
  CreateExtras(instance, parent, SegmentExtras);
}

// Browse follows the music's field, in Tab's order too.
void CreateSessionFields(HINSTANCE instance, HWND parent) {
  for (const Field& field : SessionFields) {
    CreateField(instance, parent, field);
    if (field.id == MusicFileId) CreateExtras(instance, parent, SessionExtras);
  }
}

void PlaceFields(const EditorLayout& layout) {
  PlaceFields(layout, EditorBand::Segment, SegmentFields);
  PlaceExtras(layout, SegmentExtras);
  PlaceFields(layout, EditorBand::Session, SessionFields);
  PlaceExtras(layout, SessionExtras);
}

void NameFields() {
  for (const Field& field : SegmentFields) SetControlText(field.id + LabelOffset, Label(field));
  for (const Field& field : SessionFields) SetControlText(field.id + LabelOffset, Label(field));
  FillModeListW(Control(ModeId), SoundModeNames, ListChoice(ModeId));
  FillList(NoiseColourId, nullptr, NoiseNames, 4);
  FillList(LightId, &ChosenPatternName, nullptr, 0);
  const int chosen = ListChoice(LightId);
  for (int mode = 0; mode < ModeCount; mode++) {
    const std::wstring name = WideFromCodePage1251(InCurrentLanguage(VisualModeNames[mode]));
    SendMessageW(Control(LightId), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  Choose(LightId, chosen);
  SetControlText(BrowseId, InCurrentLanguage(BrowseCaption));
}

void ChooseRow(size_t row) {
  Editor.row = row;
  for (const Field& field : SegmentFields) Editor.wrong.erase(field.id);
  const bool any = row < SegmentCount(Editor.document);
  for (const Field& field : SegmentFields) EnableWindow(Control(field.id), any);
  ShowVoices(Editor.document, row);
  if (!any) return ShowProblems();
  const SessionSegment& segment = SegmentAt(Editor.document, row);
  Editor.filling = true;
  for (const Field& field : SegmentFields)
    if (!field.list) SetControlText(field.id, SegmentFieldText(segment, field.segmentField));
  SetControlText(NoiseLevelId, std::to_string(segment.noiseLevel));
  Choose(ModeId, static_cast<int>(segment.mode));
  Choose(NoiseColourId, static_cast<int>(segment.noise));
  Choose(LightId, segment.light + 1);  // the chosen pattern first
  EnableWindow(Control(NoiseLevelId), segment.noise != NoiseColour::None);
  Editor.filling = false;
  ShowProblems();
}

void FillSessionFields() {
  Editor.filling = true;
  for (const Field& field : SessionFields)
    SetControlText(field.id, SessionFieldText(Editor.document, field.sessionField));
  Editor.filling = false;
  for (const Field& field : SessionFields) Editor.wrong.erase(field.id);
}

bool IsField(int id) { return FieldOf(id) != nullptr; }

FieldChange TakeFieldChange(int id) {
  if (Editor.filling || !IsField(id)) return FieldChange::None;
  SessionError error;
  const bool right = TakeField(*FieldOf(id), error);
  // The noise's colour and level are one value, whose problem is the level's.
  const int key = id == NoiseColourId ? NoiseLevelId : id;
  if (right) Editor.wrong.erase(key);
  if (!right) Editor.wrong[key] = error;
  if (id == NoiseColourId) EnableWindow(Control(NoiseLevelId), ListChoice(NoiseColourId) > 0);
  return right && id == MusicFileId ? FieldChange::MusicFile : FieldChange::Value;
}

void CheckMusic() {
  Editor.musicError = SessionError{0, SessionProblem::None, "", "", 0, 0, "", ""};
  if (Editor.document.musicFile.empty() || !Editor.readBack) return;
  CheckSessionMusic(Editor.session, Editor.name, Editor.musicError);
}

void ShowProblems() {
  int ignored = 0;
  const std::string segment = FirstWrong(SegmentFields, ignored);
  SetControlText(SegmentProblemId, segment.empty() ? VoiceProblem(ignored) : segment);
  std::string session = FirstWrong(SessionFields, ignored);
  SetControlText(SessionProblemId, session.empty() ? WholeSessionProblem(ignored) : session);
}

std::string FirstProblem(int& id) {
  id = 0;
  std::string problem = FirstWrong(SegmentFields, id);
  if (problem.empty()) problem = VoiceProblem(id);
  if (problem.empty()) problem = FirstWrong(SessionFields, id);
  return problem.empty() ? WholeSessionProblem(id) : problem;
}
