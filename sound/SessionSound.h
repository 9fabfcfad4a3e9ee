// The sound of a session as every program plays it, block by block: the
// schedule's sound mode at the segment's volume, the background noise and
// the music mixed under it, then the fades and the listener's level. One
// procedure for render-sound and the audio worker, so that they agree bit
// for bit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sound/MusicFile.h"
#include "session_format/SessionFile.h"
#include "sound/SessionNoise.h"
#include "sound/Synthesis.h"
#include "sound/voices/VoiceBells.h"
#include "sound/voices/VoicePhases.h"

// What a session's sound keeps from block to block. A worker keeps its own,
// so that one that outlives its exposure never reads a later one's music.
struct SessionSound {
  const Session* session;
  bool noiseUsed;  // some segment or voice has noise (or spins it): the generator runs then
  SessionNoise noise;
  // Each segment's voices' phases at its first frame, found when the sound
  // starts.
  std::vector<std::vector<VoicePhases>> voicePhases;
  // Its bells, each ringing on from its segment's first frame.
  std::vector<BellStrike> bells;
  bool musicOpen;
  // A read failed: the music is silent from then on (render-sound stops).
  bool musicFailed;
  MusicFile music;
};

// out = sat16((s x V) / 100 + voices + (n x Pn) / 100 + (m x Pm) / 100) in
// 32-bit integers, / truncating toward zero, sat16 clamping to
// -32768..32767. clamped is set when the sum lay outside.
int16_t MixedSample(int16_t sample, uint32_t volume, int32_t voices, int16_t noise,
                    uint32_t noiseLevel, int16_t music, uint32_t musicLevel, bool& clamped);

// trunc(out x level / 100): the listener's level, after the fades.
int16_t LevelledSample(int16_t sample, uint32_t level);

// At the session's first frame, with its music opened from musicPath. False
// when the music cannot be played, with the problem on the music directive's
// line of the session called name; the sound then plays without it.
bool StartSessionSound(SessionSound& sound, const Session& session, const std::string& name,
                       SessionError& error);

void EndSessionSound(SessionSound& sound);

// For a program that loads a session from sessionFile and plays it later:
// where its music is, found beside the file ("-": from the current folder),
// set as the session's musicPath; nothing to set without music.
void FindSessionMusic(Session& session, const std::string& sessionFile);

// Opens the session's music (musicPath) once to check that it plays, and
// changes nothing. False with the problem, as StartSessionSound.
bool CheckSessionMusic(const Session& session, const std::string& name, SessionError& error);

// Block `block` of the session into frames: the schedule's mode and
// frequency synthesised at frame counter `position` with the process-wide
// generator `seed`, mixed at the segment's levels (the noise and the music
// at the block's own frames of the session, whatever blocks came before),
// the fades, then listenerLevel (per cent). Returns the samples clamped by
// the mix. A music read that fails sets musicFailed and leaves the music
// silent.
uint32_t SynthesizeSessionBlock(SessionSound& sound, uint64_t block, uint32_t position,
                                uint32_t& seed, uint32_t listenerLevel, StereoFrame* frames);

// Lays the session's fades over a finished block of FramesPerBlock frames
// whose first frame is frame firstFrame of the session (11025 x its block
// index). Both channels alike; blocks outside the fades are left untouched.
void ApplySessionFades(const Session& session, uint64_t firstFrame, StereoFrame* block);
