// Which pattern a session's segment shows, and whether an exposure has its
// full-screen window up, window-free.
#pragma once

#include "exposure/Modes.h"
#include "session_format/SessionFile.h"

// The segment's own pattern, or without the word light the one chosen in
// the program that plays it.
VisualMode SegmentPattern(const SessionSegment& segment, VisualMode chosen);

// Whether any segment shows a pattern other than None. The window is then up
// for the whole session, and its segments without light are black.
bool SessionShowsLight(const Session& session, VisualMode chosen);

// Whether an exposure shows the full-screen window: the chosen pattern is
// not None, or the session it plays (nullptr for none) shows light.
bool ExposureShowsLight(const Session* session, VisualMode chosen);

// The pattern an exposure starts with: a session's first segment's, which
// need not be the one chosen.
VisualMode FirstPattern(const Session* session, VisualMode chosen);
