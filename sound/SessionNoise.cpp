#include "sound/SessionNoise.h"

#include "sound/Synthesis.h"

namespace {

// The divisors that put pink and brown near full scale: their largest
// values over 69 hours from seed 1 stay below 32767 (measured 32236 and
// 32339), so the clamp below is never reached in a session.
const int32_t PinkDivisor = 208;
const int32_t BrownDivisor = 75;
// The brown integrator forgets 1/1024 of itself each frame: a corner at
// 6.9 Hz, below which the noise stops rising, so that it cannot wander off.
const int32_t BrownLeak = 1024;
const int32_t Largest = 32767;

int16_t Clamped(int32_t value) {
  return static_cast<int16_t>(value > Largest ? Largest : value < -Largest ? -Largest : value);
}

// The row whose value frame j renews: the trailing zero bits of j + 1, so
// row 0 every second frame, row 1 every fourth, ...; none past the last row.
int RenewedRow(uint64_t frame) {
  uint64_t count = frame + 1;
  int row = 0;
  while ((count & 1) == 0 && row < PinkRows) {
    count >>= 1;
    row++;
  }
  return row;
}

struct UnclampedNoise {
  int32_t white, pink, brown;
};

NoiseFrame Colours(const UnclampedNoise& n) {
  return {{0, static_cast<int16_t>(n.white), Clamped(n.pink), Clamped(n.brown / BrownDivisor)}};
}

// One frame of the generator: its white, its pink and the brown integrator.
UnclampedNoise NextUnclamped(SessionNoise& noise) {
  const int32_t white = 2 * static_cast<int32_t>(NextRandom(noise.seed)) - Largest;
  const int row = RenewedRow(noise.frame);
  if (row < PinkRows) {
    noise.rowSum += white - noise.rows[row];
    noise.rows[row] = white;
  }
  // The held rows fall by 3 dB an octave but lose the top octaves; the
  // frame's own draw and a small step up of what changed since the frame
  // before (9 x now - before = 8 x now + the change) restore them.
  const int32_t pinkSum = 2 * noise.rowSum + white;
  const int32_t pink = (9 * pinkSum - noise.lastPinkSum) / PinkDivisor;
  noise.lastPinkSum = pinkSum;
  noise.brown = noise.brown - noise.brown / BrownLeak + white;
  const UnclampedNoise n{white, pink, noise.brown};
  if (noise.keepsRecent) noise.recent[noise.frame % RecentNoiseFrames] = Colours(n);
  noise.frame++;
  return n;
}

}  // namespace

void StartSessionNoise(SessionNoise& noise) {
  noise = SessionNoise{0, 1, {}, 0, 0, 0, noise.keepsRecent, {}};
}

NoiseFrame NextNoiseFrame(SessionNoise& noise) { return Colours(NextUnclamped(noise)); }

int16_t NextNoiseSample(SessionNoise& noise, NoiseColour colour) {
  const UnclampedNoise n = NextUnclamped(noise);
  if (colour == NoiseColour::White) return static_cast<int16_t>(n.white);
  if (colour == NoiseColour::Pink) return Clamped(n.pink);
  if (colour == NoiseColour::Brown) return Clamped(n.brown / BrownDivisor);
  return 0;
}

void AdvanceSessionNoise(SessionNoise& noise, uint64_t frame) {
  if (frame < noise.frame) StartSessionNoise(noise);
  while (noise.frame < frame) NextNoiseSample(noise, NoiseColour::None);
}
