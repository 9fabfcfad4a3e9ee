#include "visual/SessionLight.h"

#include "exposure/ExposureState.h"

VisualMode SegmentPattern(const SessionSegment& segment, VisualMode chosen) {
  return segment.light == ChosenPattern ? chosen : static_cast<VisualMode>(segment.light);
}

bool SessionShowsLight(const Session& session, VisualMode chosen) {
  for (const SessionSegment& segment : session.segments)
    if (SegmentPattern(segment, chosen) != VisualMode::None) return true;
  return false;
}

bool ExposureShowsLight() {
  const VisualMode chosen = LoadField(ExposureState.visualMode);
  const Session* session = LoadField(ExposureState.session);
  return session == nullptr ? chosen != VisualMode::None : SessionShowsLight(*session, chosen);
}
