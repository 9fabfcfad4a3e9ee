#include "sound/SessionSound.h"

#include <algorithm>

#include "session_format/SessionFields.h"
#include "session_format/SessionSchedule.h"
#include "sound/voices/VoiceSynthesis.h"

namespace {

const int32_t Lowest = -32768, Highest = 32767;
static_assert(FramesPerVoiceBlock == FramesPerBlock, "voices turn block by block");

bool HasVoice(const SessionSegment& segment, VoiceKind kind) {
  for (const Voice& voice : segment.voices)
    if (voice.kind == kind) return true;
  return false;
}

bool UsesNoise(const Session& session) {
  for (const SessionSegment& segment : session.segments)
    if (segment.noise != NoiseColour::None || HasVoice(segment, VoiceKind::Noise)) return true;
  return false;
}

// A segment that plays its mode as it is, with nothing under it: its
// samples would come out of the mix unchanged.
bool PlainBlock(const SessionSegment& segment, bool music) {
  return segment.volume == FullLevel && segment.noise == NoiseColour::None && !music &&
         segment.voices.empty();
}

// The noise and music voices of frame k of the segment, added per ear.
void AddLevelVoices(const SessionSegment& segment, uint64_t frame, const NoiseFrame& noise,
                    const StereoFrame& music, int32_t& left, int32_t& right) {
  for (const Voice& voice : segment.voices) {
    if (voice.kind == VoiceKind::Noise) {
      const int32_t n = LevelledVoiceSample(noise.colours[static_cast<int>(voice.colour)],
                                            VoiceLevelAt(voice, frame, segment));
      left += n;
      right += n;
    }
    if (voice.kind == VoiceKind::Music) {
      const double level = VoiceLevelAt(voice, frame, segment);
      left += LevelledVoiceSample(music.left, level);
      right += LevelledVoiceSample(music.right, level);
    }
  }
}

// The block's music, or false (and the music silent from now on) when it
// cannot be read.
bool ReadBlockMusic(SessionSound& sound, uint64_t firstFrame, StereoFrame* music) {
  if (!sound.musicOpen || sound.musicFailed) return false;
  sound.musicFailed = !ReadMusicFrames(sound.music, firstFrame, FramesPerBlock, music);
  return !sound.musicFailed;
}

uint32_t MixBlock(SessionSound& sound, const ScheduledBlock& block, uint64_t firstFrame,
                  StereoFrame* frames) {
  const SessionSegment& segment = sound.session->segments[block.segment];
  StereoFrame music[FramesPerBlock];
  const bool musicPlays = ReadBlockMusic(sound, firstFrame, music);
  // A music voice plays the music instead of the music line's level.
  const bool musicVoice = HasVoice(segment, VoiceKind::Music);
  const uint32_t musicLevel = musicPlays && !musicVoice ? sound.session->musicLevel : 0;
  if (sound.noiseUsed) AdvanceSessionNoise(sound.noise, firstFrame);
  const bool voices = !segment.voices.empty();
  int32_t tones[2 * FramesPerBlock];
  if (voices) {
    std::fill(tones, tones + 2 * FramesPerBlock, 0);
    AddVoiceTones(segment, sound.voicePhases[block.segment], block.segmentBlock, tones);
  }
  const uint64_t segmentFrame = uint64_t{block.segmentBlock} * FramesPerBlock;
  uint32_t clamped = 0;
  for (uint32_t i = 0; i < FramesPerBlock; i++) {
    const NoiseFrame n = sound.noiseUsed ? NextNoiseFrame(sound.noise) : NoiseFrame{{0, 0, 0, 0}};
    const int16_t noise = n.colours[static_cast<int>(segment.noise)];
    const StereoFrame m = musicPlays ? music[i] : StereoFrame{0, 0};
    int32_t voiceLeft = voices ? tones[2 * i] : 0, voiceRight = voices ? tones[2 * i + 1] : 0;
    if (voices) AddLevelVoices(segment, segmentFrame + i, n, m, voiceLeft, voiceRight);
    bool left = false, right = false;
    frames[i].left = MixedSample(frames[i].left, segment.volume, voiceLeft, noise,
                                 segment.noiseLevel, m.left, musicLevel, left);
    frames[i].right = MixedSample(frames[i].right, segment.volume, voiceRight, noise,
                                  segment.noiseLevel, m.right, musicLevel, right);
    clamped += left + right;
  }
  return clamped;
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
  StartSessionNoise(sound.noise);
  sound.voicePhases = SessionVoicePhases(session);
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

bool CheckSessionMusic(Session& session, const std::string& sessionFile, const std::string& name,
                       SessionError& error) {
  if (session.musicFile.empty()) return true;
  session.musicPath = MusicPath(sessionFile, session.musicFile);
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
  const uint32_t clamped =
      PlainBlock(segment, music) ? 0 : MixBlock(sound, scheduled, firstFrame, frames);
  ApplySessionFades(session, firstFrame, frames);
  if (listenerLevel != FullLevel)
    for (uint32_t i = 0; i < FramesPerBlock; i++)
      frames[i] = StereoFrame{LevelledSample(frames[i].left, listenerLevel),
                              LevelledSample(frames[i].right, listenerLevel)};
  return clamped;
}
