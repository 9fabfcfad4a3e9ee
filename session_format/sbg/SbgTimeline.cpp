#include "session_format/sbg/SbgTimeline.h"

#include <algorithm>

#include "session_format/SessionFields.h"
#include "session_format/TextFields.h"
#include "session_format/sbg/SbgCycle.h"

namespace {

int64_t Modulo(int64_t value, int64_t divisor) { return (value % divisor + divisor) % divisor; }

// The first line's time, or -T's, on the cycle's turn.
int64_t StartOnCycle(const SbgFile& file, const SbgCycle& cycle) {
  const int64_t time = file.startAtClock ? int64_t{file.startTime} : cycle.firstLineAt;
  return cycle.start + Modulo(time - cycle.start, SbgDayMs);
}

// -E ends the session at the last time line (-E wins over -L, as in
// SBaGen), -L after its length, and without either it lasts an hour, as
// SBaGen writes such a file. A length asked for (render-sound's --minutes)
// that is longer than that stands in for it where -E does not end the
// session; one that is shorter is only the part rendered of the whole, so
// that it is the first blocks of what plays, slides and all.
bool SessionLength(const SbgFile& file, const SbgCycle& cycle, uint64_t asked, uint64_t& length,
                   uint64_t& line, SessionError& error) {
  line = file.lengthLine;
  if (file.endAtLastLine) {
    line = file.endLine;
    const int64_t from = file.startAtClock ? int64_t{file.startTime} : cycle.firstLineAt;
    length = static_cast<uint64_t>(Modulo(cycle.lastLineAt - from, SbgDayMs));
    if (length == 0) return Problem(error, SessionProblem::SbgEmpty, "-E");
  } else if (file.lengthLine != 0) {
    length = file.lengthMs;
    if (length == 0) return Problem(error, SessionProblem::SbgEmpty, "-L");
  } else {
    length = SbgDefaultLengthMs;
  }
  if (!file.endAtLastLine && asked > length) length = asked;
  if (length > MaximumRenderBlocks * SbgBlockMs)
    return Problem(error, SessionProblem::SessionTooLong);
  return true;
}

// The pieces from start to end, turn after turn of the circle, cut where
// the session starts and ends.
void AddStretches(const SbgCycle& cycle, int64_t start, int64_t end, SbgTimeline& timeline) {
  size_t i = 0;
  int64_t turn = 0;
  for (int64_t at = start; at < end;) {
    const SbgPiece& piece = cycle.pieces[i];
    if (piece.to + turn > at) {
      const int64_t until = std::min(piece.to + turn, end);
      SbgStretch stretch{static_cast<uint64_t>(at - start), static_cast<uint64_t>(until - at), 0,
                         {}, {}, piece.line};
      stretch.blocks = static_cast<uint32_t>(SbgBlockAt(static_cast<uint64_t>(until - start)) -
                                             SbgBlockAt(stretch.startMs));
      for (size_t slot = 0; slot < SbgSlots; slot++) {
        stretch.first[slot] = SbgVoiceAt(piece, slot, at - turn);
        stretch.last[slot] = SbgVoiceAt(piece, slot, until - turn);
      }
      timeline.stretches.push_back(stretch);
      at = until;
    }
    if (++i == cycle.pieces.size()) {
      i = 0;
      turn += SbgDayMs;
    }
  }
}

void AddBells(const SbgCycle& cycle, int64_t start, int64_t end, SbgTimeline& timeline) {
  for (const SbgRing& ring : cycle.rings)
    for (int64_t at = cycle.start + Modulo(ring.at - cycle.start, SbgDayMs); at < end;
         at += SbgDayMs) {
      if (at < start) continue;
      const uint64_t ms = static_cast<uint64_t>(at - start);
      timeline.bells.push_back(SbgBell{ms, SbgBlockAt(ms), ring.slot, ring.bell.carrier,
                                       ring.bell.amplitude, ring.line});
    }
  std::stable_sort(timeline.bells.begin(), timeline.bells.end(),
                   [](const SbgBell& a, const SbgBell& b) { return a.atMs < b.atMs; });
}

}  // namespace

uint64_t SbgBlockAt(uint64_t ms) { return (ms + SbgBlockMs / 2) / SbgBlockMs; }

bool PlanSbgTimeline(const SbgFile& file, const std::string& name, SbgTimeline& timeline,
                     SessionError& error) {
  return PlanSbgTimeline(file, name, 0, timeline, error);
}

bool PlanSbgTimeline(const SbgFile& file, const std::string& name, uint64_t askedMs,
                     SbgTimeline& timeline, SessionError& error) {
  timeline = SbgTimeline{{}, {}, 0, 0};
  error = SessionError{0, SessionProblem::None, "", "", 0, 0, "", ""};
  SbgCycle cycle;
  BuildSbgCycle(file, cycle);
  uint64_t line = 0;
  if (!SessionLength(file, cycle, askedMs, timeline.lengthMs, line, error))
    return Refuse(name, line, error);
  timeline.blocks = SbgBlockAt(timeline.lengthMs);
  const int64_t start = StartOnCycle(file, cycle);
  const int64_t end = start + static_cast<int64_t>(timeline.lengthMs);
  AddStretches(cycle, start, end, timeline);
  AddBells(cycle, start, end, timeline);
  return true;
}
