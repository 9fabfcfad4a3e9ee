#include "visual/SessionLight.h"

VisualMode SegmentPattern(const SessionSegment& segment, VisualMode chosen) {
  return segment.light == ChosenPattern ? chosen : static_cast<VisualMode>(segment.light);
}

bool SessionShowsLight(const Session& session, VisualMode chosen) {
  for (const SessionSegment& segment : session.segments)
    if (SegmentPattern(segment, chosen) != VisualMode::None) return true;
  return false;
}

bool ExposureShowsLight(const Session* session, VisualMode chosen) {
  return session == nullptr ? chosen != VisualMode::None : SessionShowsLight(*session, chosen);
}

VisualMode FirstPattern(const Session* session, VisualMode chosen) {
  return session == nullptr ? chosen : SegmentPattern(session->segments.front(), chosen);
}
