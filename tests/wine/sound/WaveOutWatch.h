// The outages of a real device made to order for the real audio worker, through
// the program's import slots: a refused opening or block, a driver that hangs
// inside a call. Calls are counted 1-based over the process.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <vector>

#include "sound/Synthesis.h"

// Installs the wrappers; false when the program does not import them all.
bool WatchWaveOut();

void RefuseOpens(std::vector<int> calls);  // with MMSYSERR_NODRIVER
void RefuseWrite(int call);                // with MMSYSERR_ERROR

// Holds that waveOutWrite on its thread until ReleaseHeldWrite; the wait is
// false when no thread is held within limitMs.
void HoldWrite(int call);
bool WaitUntilWriteHeld(DWORD limitMs);
void ReleaseHeldWrite();

// The notifications of the devices opened from now on (their CALLBACK_EVENT)
// come late: from fromMs after each opening, for forMs, every one is held
// back and handed on at the end of that time, while the device plays on, as
// a busy machine held them back. NoticesHeld counts those held.
void DelayNotices(DWORD fromMs, DWORD forMs);
int NoticesHeld();

struct WaveOutCount {
  int opened;              // devices opened
  uint32_t resumedBlock;   // samplePosition / FramesPerBlock at the last opening
  int writesAfterRelease;  // by the thread that was held, after its release
};
WaveOutCount CountWaveOut();

// Every block that thread `threadId` queues, as queued.
void RecordBlocksOf(DWORD threadId);
const std::vector<std::vector<StereoFrame>>& RecordedBlocks();

// The headers of the last device opened, in the order prepared; null before.
const WAVEHDR* PreparedHeader(int block);
