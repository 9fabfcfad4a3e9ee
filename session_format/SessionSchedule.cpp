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

namespace {

// The sum of floor(a x i / m) for i = 0 .. n - 1, by the usual reduction
// (swap the roles of a and m until the line lies below one step); all
// terms stay far inside 64 bits for a segment's blocks and frequencies.
uint64_t FloorSum(uint64_t n, uint64_t m, uint64_t a) {
  uint64_t sum = 0, b = 0;
  while (true) {
    if (a >= m) {
      sum += n * (n - 1) / 2 * (a / m);
      a %= m;
    }
    if (b >= m) {
      sum += n * (b / m);
      b %= m;
    }
    const uint64_t top = a * n + b;
    if (top < m) return sum;
    n = top / m;
    b = top % m;
    const uint64_t swapped = m;
    m = a;
    a = swapped;
  }
}

}  // namespace

uint64_t SegmentFrequencySum(const SessionSegment& segment, uint64_t blocks) {
  const uint64_t flat = uint64_t{segment.firstFrequency} * blocks;
  if (segment.blocks <= 1 || segment.lastFrequency == segment.firstFrequency) return flat;
  // A falling slide truncates toward zero: the steps below the first are
  // the rising slide's floors, taken away.
  const uint64_t steps = segment.blocks - 1;
  if (segment.lastFrequency > segment.firstFrequency)
    return flat + FloorSum(blocks, steps, segment.lastFrequency - segment.firstFrequency);
  return flat - FloorSum(blocks, steps, segment.firstFrequency - segment.lastFrequency);
}

ScheduledBlock ScheduleBlock(const Session& session, uint64_t block) {
  size_t index = 0;
  while (index + 1 < session.segments.size() && block >= session.segments[index].blocks)
    block -= session.segments[index++].blocks;
  const SessionSegment& segment = session.segments[index];
  return {segment.mode, SegmentFrequency(segment, static_cast<uint32_t>(block)), index,
          static_cast<uint32_t>(block)};
}
