// One block of the exposure's sound, synthesised and queued on the device.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "sound/Synthesis.h"

// Two blocks of FramesPerBlock frames, contiguous: block 0 then block 1.
extern StereoFrame SampleBuffer[2 * FramesPerBlock];
extern HWAVEOUT waveDevice;
extern WAVEHDR blockHeaders[2];
// The process-wide generator: seeded once, never reseeded, so each noise
// exposure continues the sequence where the previous one stopped.
extern uint32_t NoiseSeed;

// Whether a block is still to be queued: always for one frequency, while
// the schedule has blocks for a session.
bool SessionBlocksLeft();

// Synthesises the block (the session's next, if one plays), queues it and
// advances samplePosition, whether or not the device takes it. False when
// the device refused the block.
bool FillAudioBlock(int block);
