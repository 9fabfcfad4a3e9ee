// A spin voice: the session's noise heard in both ears, each ear's copy
// delayed by its own number of frames, the two delays moving apart and
// back as a sine at the voice's beat, so that the noise seems to swing
// from one side to the other.
#pragma once

#include <cstddef>
#include <cstdint>

#include "session_format/SessionFile.h"
#include "sound/voices/VoicePhases.h"

// The delay both ears share when the spin stands in the middle, in frames;
// each ear's delay is this less or more the spin's offset, which never
// goes beyond it.
constexpr int32_t SpinCentre = 127;
// The frames before a block's first that a spin may hear.
constexpr uint32_t SpinReach = 2 * SpinCentre;

// Adds the spin's samples over block `block` of its segment into sums
// (left, right). noise: the voice's colour of the block's first frame,
// each next frame `stride` values on, SpinReach frames before it readable
// (0 before the session's first frame). start: its phases at the
// segment's first frame.
void AddSpin(const SessionSegment& segment, const Voice& voice, const VoicePhases& start,
             uint32_t block, const int16_t* noise, size_t stride, int32_t* sums);
