// Watches, refuses and holds the wave-out calls of the real audio worker in
// sound-play, through the program's import slots: the outages that a real
// device gives (a refused block, a device that cannot be opened, a driver
// that hangs inside a call) made to order.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <vector>

#include "sound/Synthesis.h"

// Installs the wrappers; false when the program imports none of them.
bool WatchWaveOut();

// Refuses the given calls (1-based, counted over the process) without
// passing them on: waveOutOpen with MMSYSERR_NODRIVER, waveOutWrite with
// MMSYSERR_ERROR.
void RefuseOpens(std::vector<int> calls);
void RefuseWrite(int call);

// Holds the given waveOutWrite call on its thread until ReleaseHeldWrite,
// then passes it on; returns once some thread is held, false when none is
// within limitMs.
void HoldWrite(int call);
bool WaitUntilWriteHeld(DWORD limitMs);
void ReleaseHeldWrite();

struct WaveOutCount {
  int openCalls;           // every waveOutOpen, refused ones included
  int opened;              // the ones that opened a device
  uint32_t resumedBlock;   // samplePosition / FramesPerBlock at the last opening
  int writesAfterRelease;  // by the thread that was held, after its release
};
WaveOutCount CountWaveOut();

// Records every block that thread `threadId` queues, as queued.
void RecordBlocksOf(DWORD threadId);
const std::vector<std::vector<StereoFrame>>& RecordedBlocks();

// The headers of the last device opened, in the order prepared; null before.
const WAVEHDR* PreparedHeader(int block);
