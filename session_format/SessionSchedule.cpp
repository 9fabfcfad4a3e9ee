#include "session_format/SessionSchedule.h"

uint64_t SessionBlocks(const Session& session) {
  uint64_t blocks = 0;
  for (const SessionSegment& segment : session.segments) blocks += segment.blocks;
  return blocks;
}

uint32_t SegmentFrequency(const SessionSegment& segment, uint32_t block) {
  if (segment.blocks <= 1) return segment.firstFrequency;
  const int64_t first = segment.firstFrequency;
  const int64_t change = static_cast<int64_t>(segment.lastFrequency) - first;
  const int64_t steps = static_cast<int64_t>(segment.blocks) - 1;
  // Integer division in C++ truncates toward zero, also for a falling slide.
  return static_cast<uint32_t>(first + change * static_cast<int64_t>(block) / steps);
}

ScheduledBlock ScheduleBlock(const Session& session, uint64_t block) {
  size_t index = 0;
  while (index + 1 < session.segments.size() && block >= session.segments[index].blocks)
    block -= session.segments[index++].blocks;
  const SessionSegment& segment = session.segments[index];
  return {segment.mode, SegmentFrequency(segment, static_cast<uint32_t>(block)), index};
}
