#include "sound/FillAudioBlock.h"

StereoFrame SampleBuffer[2 * FramesPerBlock];
HWAVEOUT waveDevice;
WAVEHDR blockHeaders[2];
uint32_t NoiseSeed = 1;

bool FillAudioBlock(int block) {
  SynthesizeBlock(LoadField(ExposureState.soundMode), ExposureState.frequency,
                  ExposureState.samplePosition, NoiseSeed, SampleBuffer + FramesPerBlock * block);
  const MMRESULT written = waveOutWrite(waveDevice, &blockHeaders[block], sizeof(WAVEHDR));
  ExposureState.samplePosition += FramesPerBlock;
  return written == MMSYSERR_NOERROR;
}
