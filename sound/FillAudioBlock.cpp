#include "sound/FillAudioBlock.h"

#include "session_format/SessionSchedule.h"

uint32_t NoiseSeed = 1;

namespace {

// Block sessionBlock of the session as render-sound makes it, at the
// listener's level of the moment: the frame counter at the block's own place
// in the session, the generator running on. A music file that fails to read
// leaves the music silent; the session goes on, and the player says so.
void SynthesizeNextSessionBlock(SessionSound& sound, StereoFrame* frames) {
  const uint32_t block = LoadField(ExposureState.sessionBlock);
  const uint32_t position = static_cast<uint32_t>(uint64_t{block} * FramesPerBlock);
  StoreField(ExposureState.samplePosition, position);
  SynthesizeSessionBlock(sound, block, position, NoiseSeed, LoadField(ExposureState.listenerLevel),
                         frames);
  if (sound.musicFailed) StoreField(ExposureState.musicFailed, 1);
  StoreField(ExposureState.sessionBlock, block + 1);
}

}  // namespace

void StartWorkerSound(SessionSound& sound, const Session* session) {
  sound = SessionSound{};
  SessionError unused;
  if (session != nullptr && !StartSessionSound(sound, *session, "", unused))
    StoreField(ExposureState.musicFailed, 1);
}

bool SessionBlocksLeft(const WaveOutOpening& opening) {
  const Session* session = opening.sound->session;
  return session == nullptr || LoadField(ExposureState.sessionBlock) < SessionBlocks(*session);
}

bool FillAudioBlock(WaveOutOpening& opening, int block) {
  StereoFrame* frames = opening.SampleBuffer + FramesPerBlock * block;
  // The session of the worker's own exposure, which it plays only while
  // that exposure runs.
  if (opening.sound->session != nullptr)
    SynthesizeNextSessionBlock(*opening.sound, frames);
  else
    SynthesizeBlock(LoadField(ExposureState.soundMode), ExposureState.frequency,
                    LoadField(ExposureState.samplePosition), NoiseSeed, frames);
  // Before the write: a worker held inside it past the end of its exposure
  // finds nothing of the exposure left to change when it comes back.
  StoreField(ExposureState.samplePosition, LoadField(ExposureState.samplePosition) + FramesPerBlock);
  return waveOutWrite(opening.waveDevice, &opening.blockHeaders[block], sizeof(WAVEHDR)) ==
         MMSYSERR_NOERROR;
}
