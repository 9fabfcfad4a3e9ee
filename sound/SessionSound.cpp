#include "sound/SessionSound.h"

#include <algorithm>

#include "session_format/SessionFields.h"
#include "session_format/SessionSchedule.h"
#include "session_format/SessionTime.h"
#include "sound/voices/VoiceSpin.h"
#include "sound/voices/VoiceSynthesis.h"

namespace {

const int32_t Lowest = -32768, Highest = 32767;
static_assert(FramesPerVoiceBlock == FramesPerBlock, "voices turn block by block");

bool HasVoice(const SessionSegment& segment, VoiceKind kind) {
  for (const Voice& voice : segment.voices)
    if (voice.kind == kind) return true;
  return false;
}

bool UsesVoice(const Session& session, VoiceKind kind) {
  for (const SessionSegment& segment : session.segments)
    if (HasVoice(segment, kind)) return true;
  return false;
}

bool UsesNoise(const Session& session) {
  for (const SessionSegment& segment : session.segments)
    if (segment.noise != NoiseColour::None) return true;
  return UsesVoice(session, VoiceKind::Noise) || UsesVoice(session, VoiceKind::Spin);
}

// A block whose voices add something: the segment's own, or a bell struck
// before it that still rings.
bool VoicesSound(const SessionSound& sound, const SessionSegment& segment, uint64_t firstFrame) {
  return !segment.voices.empty() || BellsRing(sound.bells, firstFrame);
}

// A segment that plays its mode as it is, with nothing under it: its
// samples would come out of the mix unchanged.
bool PlainBlock(const SessionSound& sound, const SessionSegment& segment, uint64_t firstFrame,
                bool music) {
  return segment.volume == FullLevel && segment.noise == NoiseColour::None && !music &&
         !VoicesSound(sound, segment, firstFrame);
}

// The block's music, or false (and the music silent from now on) when it
// cannot be read.
bool ReadBlockMusic(SessionSound& sound, uint64_t firstFrame, StereoFrame* music) {
  if (!sound.musicOpen || sound.musicFailed) return false;
  sound.musicFailed = !ReadMusicFrames(sound.music, firstFrame, FramesPerBlock, music);
  return !sound.musicFailed;
}

// Each channel's voices of the block: their tones, then their noise (from
// the block's noise in every colour, SpinReach frames before it readable
// for a spin) and music frame by frame, the spins, and the bells that ring.
void SumVoices(const SessionSound& sound, const ScheduledBlock& block, uint64_t firstFrame,
               const NoiseFrame* noise, const StereoFrame* music, int32_t* sums) {
  const SessionSegment& segment = sound.session->segments[block.segment];
  const std::vector<VoicePhases>& phases = sound.voicePhases[block.segment];
  std::fill(sums, sums + 2 * FramesPerBlock, 0);
  AddVoiceTones(segment, phases, block.segmentBlock, sums);
  AddBells(sound.bells, firstFrame, sums);
  const uint64_t first = uint64_t{block.segmentBlock} * FramesPerBlock;
  static_assert(sizeof(NoiseFrame) == 4 * sizeof(int16_t), "a spin steps through the colours");
  for (size_t v = 0; v < segment.voices.size(); v++) {
    const Voice& voice = segment.voices[v];
    if (voice.kind == VoiceKind::Spin && noise)
      AddSpin(segment, voice, phases[v], block.segmentBlock,
              &noise[0].colours[static_cast<int>(voice.colour)], 4, sums);
    const bool noiseVoice = voice.kind == VoiceKind::Noise;
    if (!noiseVoice && voice.kind != VoiceKind::Music) continue;
    for (uint32_t i = 0; i < FramesPerBlock; i++) {
      const double level = VoiceLevelAt(voice, first + i, segment);
      const int16_t n = noise ? noise[i].colours[static_cast<int>(voice.colour)] : 0;
      const StereoFrame m = music ? music[i] : StereoFrame{0, 0};
      sums[2 * i] += LevelledVoiceSample(noiseVoice ? n : m.left, level);
      sums[2 * i + 1] += LevelledVoiceSample(noiseVoice ? n : m.right, level);
    }
  }
}

// The block's frames mixed with the segment's levels: its noise from the
// generator, or from the block's noise made already; the music; the voices'
// sums (none without voices).
uint32_t MixFrames(SessionSound& sound, const SessionSegment& segment, const NoiseFrame* noise,
                   const StereoFrame* music, uint32_t musicLevel, const int32_t* voices,
                   StereoFrame* frames) {
  const int colour = static_cast<int>(segment.noise);
  uint32_t clamped = 0;
  for (uint32_t i = 0; i < FramesPerBlock; i++) {
    const int16_t n = noise            ? noise[i].colours[colour]
                      : sound.noiseUsed ? NextNoiseSample(sound.noise, segment.noise)
                                        : 0;
    const StereoFrame m = music ? music[i] : StereoFrame{0, 0};
    bool left = false, right = false;
    frames[i].left = MixedSample(frames[i].left, segment.volume, voices ? voices[2 * i] : 0, n,
                                 segment.noiseLevel, m.left, musicLevel, left);
    frames[i].right = MixedSample(frames[i].right, segment.volume, voices ? voices[2 * i + 1] : 0,
                                  n, segment.noiseLevel, m.right, musicLevel, right);
    clamped += left + right;
  }
  return clamped;
}

uint32_t MixBlock(SessionSound& sound, const ScheduledBlock& block, uint64_t firstFrame,
                  StereoFrame* frames) {
  const SessionSegment& segment = sound.session->segments[block.segment];
  StereoFrame music[FramesPerBlock];
  const StereoFrame* musicPlays = ReadBlockMusic(sound, firstFrame, music) ? music : nullptr;
  // A music voice plays the music instead of the music line's level.
  const bool musicVoice = HasVoice(segment, VoiceKind::Music);
  const uint32_t musicLevel = musicPlays && !musicVoice ? sound.session->musicLevel : 0;
  if (sound.noiseUsed) AdvanceSessionNoise(sound.noise, firstFrame);
  if (!VoicesSound(sound, segment, firstFrame))
    return MixFrames(sound, segment, nullptr, musicPlays, musicLevel, nullptr, frames);
  // The voices take the noise in every colour: the block's is made first,
  // after the frames before it that a spin hears.
  NoiseFrame noise[SpinReach + FramesPerBlock];
  NoiseFrame* const blockNoise = sound.noiseUsed ? noise + SpinReach : nullptr;
  if (sound.noise.keepsRecent)
    for (uint32_t i = 0; i < SpinReach; i++)
      noise[i] =
          sound.noise.recent[(firstFrame + RecentNoiseFrames - SpinReach + i) % RecentNoiseFrames];
  if (blockNoise)
    for (uint32_t i = 0; i < FramesPerBlock; i++) blockNoise[i] = NextNoiseFrame(sound.noise);
  int32_t voices[2 * FramesPerBlock];
  SumVoices(sound, block, firstFrame, blockNoise, musicPlays, voices);
  return MixFrames(sound, segment, blockNoise, musicPlays, musicLevel, voices, frames);
}

}  // namespace

int16_t MixedSample(int16_t sample, uint32_t volume, int32_t voices, int16_t noise,
                    uint32_t noiseLevel, int16_t music, uint32_t musicLevel, bool& clamped) {
  const int32_t sum = sample * static_cast<int32_t>(volume) / 100 + voices +
                      noise * static_cast<int32_t>(noiseLevel) / 100 +
                      music * static_cast<int32_t>(musicLevel) / 100;
  clamped = sum < Lowest || sum > Highest;
  return static_cast<int16_t>(sum < Lowest ? Lowest : sum > Highest ? Highest : sum);
}

int16_t LevelledSample(int16_t sample, uint32_t level) {
  return static_cast<int16_t>(sample * static_cast<int32_t>(level) / 100);
}

bool StartSessionSound(SessionSound& sound, const Session& session, const std::string& name,
                       SessionError& error) {
  sound.session = &session;
  sound.noiseUsed = UsesNoise(session);
  sound.noise.keepsRecent = UsesVoice(session, VoiceKind::Spin);
  StartSessionNoise(sound.noise);
  sound.voicePhases = SessionVoicePhases(session);
  sound.bells = SessionBells(session);
  sound.musicFailed = false;
  sound.musicOpen = false;
  sound.music = MusicFile{{-1, 0}, 0, 0, 0};
  if (session.musicFile.empty()) return true;
  sound.musicOpen = OpenMusicFile(session.musicPath, sound.music, error);
  return sound.musicOpen || Refuse(name, session.musicLine, error);
}

void EndSessionSound(SessionSound& sound) {
  if (sound.musicOpen) CloseMusicFile(sound.music);
  sound.musicOpen = false;
}

void FindSessionMusic(Session& session, const std::string& sessionFile) {
  if (!session.musicFile.empty()) session.musicPath = MusicPath(sessionFile, session.musicFile);
}

bool CheckSessionMusic(const Session& session, const std::string& name, SessionError& error) {
  if (session.musicFile.empty()) return true;
  SessionSound sound{};
  const bool plays = StartSessionSound(sound, session, name, error);
  EndSessionSound(sound);
  return plays;
}

uint32_t SynthesizeSessionBlock(SessionSound& sound, uint64_t block, uint32_t position,
                                uint32_t& seed, uint32_t listenerLevel, StereoFrame* frames) {
  const Session& session = *sound.session;
  const ScheduledBlock scheduled = ScheduleBlock(session, block);
  const std::atomic<uint32_t> frequency{scheduled.frequency};
  SynthesizeBlock(scheduled.mode, frequency, position, seed, frames);
  const SessionSegment& segment = session.segments[scheduled.segment];
  const uint64_t firstFrame = block * FramesPerBlock;
  const bool music = sound.musicOpen && !sound.musicFailed;
  const uint32_t clamped = PlainBlock(sound, segment, firstFrame, music)
                               ? 0
                               : MixBlock(sound, scheduled, firstFrame, frames);
  ApplySessionFades(session, firstFrame, frames);
  if (listenerLevel != FullLevel)
    for (uint32_t i = 0; i < FramesPerBlock; i++)
      frames[i] = StereoFrame{LevelledSample(frames[i].left, listenerLevel),
                              LevelledSample(frames[i].right, listenerLevel)};
  return clamped;
}

void ApplySessionFades(const Session& session, uint64_t firstFrame, StereoFrame* block) {
  const uint64_t frames = SessionBlocks(session) * FramesPerBlock;
  const uint64_t fadeIn = uint64_t{session.fadeInBlocks} * FramesPerBlock;
  const uint64_t fadeOut = uint64_t{session.fadeOutBlocks} * FramesPerBlock;
  // Most blocks of a session lie between the fades.
  if (firstFrame >= fadeIn && firstFrame + FramesPerBlock <= frames - fadeOut) return;
  for (uint32_t i = 0; i < FramesPerBlock; i++) {
    const uint64_t j = firstFrame + i;
    block[i].left = FadedSample(block[i].left, j, frames, fadeIn, fadeOut);
    block[i].right = FadedSample(block[i].right, j, frames, fadeIn, fadeOut);
  }
}
