// One block of the exposure's sound, synthesised and queued on the device.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "exposure/ExposureState.h"
#include "sound/SessionSound.h"
#include "sound/Synthesis.h"

// One opening of the wave-out device with the memory it holds: two blocks of
// FramesPerBlock frames, contiguous (block 0 then block 1), their headers and
// the device's notification event. Each opening has its own, because a
// device that could not be reset or closed may still read or write it.
struct WaveOutOpening {
  HWAVEOUT waveDevice;
  HANDLE deviceEvent;
  WAVEHDR blockHeaders[2];
  StereoFrame SampleBuffer[2 * FramesPerBlock];
  // Written to the device and not yet handed back: a session's last block
  // may leave the other header unwritten.
  bool queued[2];
  // The noise and music of the session of the worker that opened the
  // device: its own, never a later exposure's.
  SessionSound* sound;
};

// The process-wide generator: seeded once, never reseeded, so each noise
// exposure continues the sequence where the previous one stopped.
extern uint32_t NoiseSeed;

// Whether a block is still to be queued: always for one frequency, while
// the schedule of the worker's own session has blocks.
bool SessionBlocksLeft(const WaveOutOpening& opening);

// A worker's own session sound for the session it plays (nullptr for none),
// with the music opened; a music file that cannot be opened is left silent,
// and musicFailed tells the program.
void StartWorkerSound(SessionSound& sound, const Session* session);

// Synthesises the block (the session's next, if one plays), advances
// samplePosition and queues the block, whether or not the device takes it.
// False when the device refused it.
bool FillAudioBlock(WaveOutOpening& opening, int block);
