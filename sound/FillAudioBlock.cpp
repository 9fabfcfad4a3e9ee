#include "sound/FillAudioBlock.h"

#include "sound/SessionSchedule.h"

uint32_t NoiseSeed = 1;

namespace {

// Block sessionBlock of the session as render-sound makes it: the schedule's
// fixed mode and frequency, the frame counter at the block's own place in
// the session, the generator running on, and the fades laid over it.
void SynthesizeSessionBlock(const Session& session, StereoFrame* frames) {
  const uint32_t block = LoadField(ExposureState.sessionBlock);
  const ScheduledBlock scheduled = ScheduleBlock(session, block);
  const std::atomic<uint32_t> frequency{scheduled.frequency};
  const uint64_t firstFrame = uint64_t{block} * FramesPerBlock;
  const uint32_t position = static_cast<uint32_t>(firstFrame);
  StoreField(ExposureState.samplePosition, position);
  SynthesizeBlock(scheduled.mode, frequency, position, NoiseSeed, frames);
  ApplySessionFades(session, firstFrame, frames);
  StoreField(ExposureState.sessionBlock, block + 1);
}

}  // namespace

bool SessionBlocksLeft() {
  const Session* session = LoadField(ExposureState.session);
  return session == nullptr || LoadField(ExposureState.sessionBlock) < SessionBlocks(*session);
}

bool FillAudioBlock(WaveOutOpening& opening, int block) {
  StereoFrame* frames = opening.SampleBuffer + FramesPerBlock * block;
  const Session* session = LoadField(ExposureState.session);
  if (session != nullptr)
    SynthesizeSessionBlock(*session, frames);
  else
    SynthesizeBlock(LoadField(ExposureState.soundMode), ExposureState.frequency,
                    LoadField(ExposureState.samplePosition), NoiseSeed, frames);
  // Before the write: a worker held inside it past the end of its exposure
  // finds nothing of the exposure left to change when it comes back.
  StoreField(ExposureState.samplePosition, LoadField(ExposureState.samplePosition) + FramesPerBlock);
  return waveOutWrite(opening.waveDevice, &opening.blockHeaders[block], sizeof(WAVEHDR)) ==
         MMSYSERR_NOERROR;
}
