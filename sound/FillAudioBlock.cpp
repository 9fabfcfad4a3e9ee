#include "sound/FillAudioBlock.h"

#include "session_format/SessionSchedule.h"

uint32_t NoiseSeed = 1;

namespace {

// The stream's next block of the session as render-sound makes it, at the
// listener's level of the moment: the frame counter at the block's own place
// in the session, the generator running on. A music file that fails to read
// leaves the music silent; the session goes on, and the player says so.
void SynthesizeNextSessionBlock(WorkerStream& stream, StereoFrame* frames) {
  const uint64_t block = stream.nextBlock++;
  const uint32_t position = static_cast<uint32_t>(block * FramesPerBlock);
  SynthesizeSessionBlock(stream.sound, block, position, NoiseSeed,
                         LoadField(ExposureState.listenerLevel), frames);
  if (stream.sound.musicFailed) StoreField(ExposureState.musicFailed, 1);
}

// One block of the sound mode at the frequency of the moment; samplePosition
// moves on before the write, so that a worker held inside it past the end of
// its exposure finds nothing of the exposure left to change when it comes back.
void SynthesizeNextModeBlock(StereoFrame* frames) {
  const uint32_t position = LoadField(ExposureState.samplePosition);
  SynthesizeBlock(LoadField(ExposureState.soundMode), ExposureState.frequency, position, NoiseSeed,
                  frames);
  StoreField(ExposureState.samplePosition, position + FramesPerBlock);
}

}  // namespace

void StartWorkerStream(WorkerStream& stream, uint32_t exposure, const Session* session) {
  stream.exposure = exposure;
  stream.sound = SessionSound{};
  stream.nextBlock = 0;
  SessionError unused;
  if (session != nullptr && !StartSessionSound(stream.sound, *session, "", unused))
    StoreField(ExposureState.musicFailed, 1);
  if (session == nullptr) StoreField(ExposureState.samplePosition, 0);
}

bool BlocksLeft(const WorkerStream& stream) {
  const Session* session = stream.sound.session;
  return session == nullptr || stream.nextBlock < SessionBlocks(*session);
}

bool FillAudioBlock(WaveOutOpening& opening, int block) {
  StereoFrame* frames = opening.SampleBuffer + FramesPerBlock * block;
  if (opening.stream->sound.session != nullptr)
    SynthesizeNextSessionBlock(*opening.stream, frames);
  else
    SynthesizeNextModeBlock(frames);
  return waveOutWrite(opening.waveDevice, &opening.blockHeaders[block], sizeof(WAVEHDR)) ==
         MMSYSERR_NOERROR;
}
