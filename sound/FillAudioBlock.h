// One block of the exposure's sound, synthesised and queued on the device.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "exposure/ExposureState.h"
#include "sound/SessionSound.h"
#include "sound/Synthesis.h"

// What one audio worker plays and how far it has come: its own, whatever
// exposure follows. Without a session it plays the record's sound mode and
// frequency from samplePosition, as the panel sets them.
struct WorkerStream {
  uint32_t exposure;
  SessionSound sound;  // sound.session is nullptr for one frequency and mode
  uint64_t nextBlock;  // of the session: the next block to queue
};

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
  // The stream of the worker that opened the device.
  WorkerStream* stream;
};

// The process-wide generator: seeded once, never reseeded, so each noise
// exposure continues the sequence where the previous one stopped.
extern uint32_t NoiseSeed;

// At the worker's start: the session's sound with its music opened; a music
// file that cannot be opened is left silent, and musicFailed tells the program.
void StartWorkerStream(WorkerStream& stream, uint32_t exposure, const Session* session);

// Whether a block is still to be queued: always for one frequency, while
// the session has blocks left.
bool BlocksLeft(const WorkerStream& stream);

// Synthesises the stream's next block, moves the stream on and queues the
// block, whether or not the device takes it. False when the device refused it.
bool FillAudioBlock(WaveOutOpening& opening, int block);
