// The voices' controls: their ids, a range of their own among the editor's
// (the test driver finds them by these), and where each goes.
#pragma once

#include "platform/DpiScale.h"

// A field's label has its field's id plus VoiceLabelOffset.
enum VoiceControl : int {
  VoiceListId = 170,
  AddVoiceId = 171,
  RemoveVoiceId = 172,
  UpVoiceId = 173,
  DownVoiceId = 174,
  VoiceKindId = 175,
  VoiceCarrierId = 176,
  VoiceBeatId = 177,
  VoiceLevelId = 178,
  VoiceShapeId = 179,
};
constexpr int VoiceLabelOffset = 1000;

// Where a control goes at 96 DPI in the smallest editor, in the voices'
// band, and whether it takes the window's extra width or keeps to its
// right edge.
struct VoicePlace {
  int id;
  bool growsWide;
  bool movesRight;
  ChildPlace at;
};
