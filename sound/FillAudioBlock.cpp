#include "sound/FillAudioBlock.h"

uint32_t NoiseSeed = 1;

bool FillAudioBlock(WaveOutOpening& opening, int block) {
  SynthesizeBlock(LoadField(ExposureState.soundMode), ExposureState.frequency,
                  ExposureState.samplePosition, NoiseSeed,
                  opening.SampleBuffer + FramesPerBlock * block);
  // Before the write: a worker held inside it past the end of its exposure
  // finds nothing of the exposure left to change when it comes back.
  ExposureState.samplePosition += FramesPerBlock;
  return waveOutWrite(opening.waveDevice, &opening.blockHeaders[block], sizeof(WAVEHDR)) ==
         MMSYSERR_NOERROR;
}
