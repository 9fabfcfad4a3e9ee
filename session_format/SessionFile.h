// Session files: a sequence of segments, each a number of blocks in one sound
// mode at one frequency or sliding from one frequency to another, played one
// after the other as a single exposure, with an optional fade at either end,
// a title in each language and music under the whole session.
//
//   # comment
//   title en TEXT | title ru TEXT           e.g.  title en Relax
//   fade-in DURATION                        e.g.  fade-in 20s
//   fade-out DURATION                       e.g.  fade-out 1.5m
//   music FILE LEVEL                        e.g.  music rain at night.wav 40
//   DURATION MODE FREQUENCY [FREQUENCY] [WORDS]
//                                           e.g.  20m 1 12 4 volume 20 noise brown 35
//     KIND VALUES                           e.g.    binaural 200..150 f 15
//
// with the words, in any order, each at most once: volume LEVEL,
// noise white|pink|brown LEVEL, light PATTERN, brightness LEVEL, colour COLOUR;
// and under a segment up to 16 voice lines, each belonging to the nearest
// segment line above it.
// Here: a session as the programs hold it once read, and what can be wrong
// with one; the reader is SessionReader.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "exposure/Modes.h"

enum class NoiseColour : int32_t { None = 0, White = 1, Pink = 2, Brown = 3 };

// A segment's light pattern when the file does not name one: the pattern
// chosen in the program that plays it.
constexpr int32_t ChosenPattern = -1;
constexpr uint32_t FullLevel = 100;  // per cent
constexpr uint32_t WhiteColour = 0xFFFFFF;

// A voice: a sound of its own under a segment, one line each under the
// segment's line, added to the segment's sound mode, noise and music. Spin
// is noise delayed between the ears, back and forth; a bell rings once, at
// its segment's first frame, and dies away on its own.
enum class VoiceKind : int32_t { Binaural, Monaural, Isochronic, Tone, Noise, Music, Spin, Bell };
// An isochronic voice's gate, a tone's wave.
enum class VoiceShape : int32_t { Sine, Square, Triangle, Saw, Smooth };
// Hundredths (of a hertz, or of a per cent), moving linearly frame by frame
// from the segment's first frame to its last; equal unless it slides.
struct VoiceSlide {
  int32_t first;
  int32_t last;
};
struct Voice {
  VoiceKind kind;
  // 0..2000000; a spin's width in hundredths of a microsecond,
  // -2000000..2000000; 0 for noise and music.
  VoiceSlide carrier;
  // -10000..10000 (a spin's turns a second), or an isochronic rate
  // 10..10000; 0 where none.
  VoiceSlide beat;
  bool beatFollowsFrequency;  // the word f: the segment's frequency of the block
  VoiceSlide level;           // 0..10000
  VoiceShape shape;           // Sine unless written
  NoiseColour colour;         // a noise or spin voice's; None for the others
  uint64_t line;              // the line it was written on, from 1
};
constexpr size_t MaximumVoices = 16;
constexpr int32_t MaximumCarrier = 2000000;
constexpr int32_t MaximumBeat = 10000;
constexpr int32_t MinimumRate = 10;
constexpr int32_t MaximumRate = 10000;
constexpr int32_t MaximumVoiceLevel = 10000;
constexpr int32_t MaximumSpinWidth = 2000000;

struct SessionSegment {
  SoundMode mode;
  uint32_t blocks;
  uint32_t firstFrequency;  // hundredths of a hertz
  uint32_t lastFrequency;   // equal to the first unless the segment slides
  uint32_t volume;          // of the sound mode, per cent
  NoiseColour noise;        // the background noise, None for none
  uint32_t noiseLevel;      // per cent; 0 without noise
  int32_t light;            // a VisualMode's value, or ChosenPattern
  uint32_t brightness;      // per cent
  uint32_t colour;          // COLORREF, 0x00BBGGRR
  uint64_t line;            // the line it was written on, from 1

  // Its voices, in the order of their lines.
  std::vector<Voice> voices;
};

struct Session {
  std::vector<SessionSegment> segments;
  uint32_t fadeInBlocks;  // 0 for none
  uint32_t fadeOutBlocks;
  std::string englishTitle;  // UTF-8; empty for none
  std::string russianTitle;
  std::string musicFile;  // as written, UTF-8; empty for no music
  uint32_t musicLevel;    // per cent
  uint64_t musicLine;
  // The music file to open: musicFile found by the program that loaded the
  // session (MusicPath in sound/MusicFile.h); empty until then.
  std::string musicPath;
};

// What is wrong with a session, as a kind and its values, so that each
// program can word it in its own language.
enum class SessionProblem {
  None,
  FieldCount,       // count: the fields before the words
  DurationForm,     // field
  DurationZero,     // field
  DurationTooLong,  // field
  ModeForm,         // field
  ModeRange,        // field
  FrequencyForm,    // field
  FrequencyRange,   // field
  SessionTooLong,
  SecondDirective,  // word: the directive; count: the line of the first
  DirectiveValues,  // word: the directive; count: the values given
  FadesTooLong,     // count: the fades' blocks; limit: the session's
  NoSegment,
  TitleLanguage,     // field: what stands for the language, empty if nothing
  TitleEmpty,        // word: the language
  UnknownWord,       // field
  WordTwice,         // word
  WordValueMissing,  // word
  LevelForm,         // word, field
  LevelRange,        // word, field
  NoiseColourForm,   // field
  PatternForm,       // field
  PatternRange,      // field
  ColourForm,        // field
  // Voices (word: the kind, or the value: carrier, beat, rate or level):
  VoiceBeforeSegment,  // word: the kind
  VoiceKindUnknown,    // field: the first field of the line
  VoiceFieldCount,     // word: the kind; count: the values given
  VoiceValueForm,      // word: the value; field
  VoiceSlideForm,      // word: the value; field
  VoiceValueRange,     // word: the value; field: the number out of range
  VoiceShapeForm,      // word: the kind; field
  VoiceTooMany,        // count: the voices under the segment with this one
  MusicVoiceAlone,     // a music voice in a session without a music line
  BellSlides,          // word: the value that slides; field
  // A title or music file that cannot be written as a line (word: title or
  // music; field): a # in it would start a comment, a line break end it.
  TextNotWritable,
  // The music file, found when the session is loaded (field: its path):
  MusicMissing,     // no such file
  MusicUnreadable,  // it cannot be opened or read
  MusicNotWave,     // not a WAV file, or its header is cut short or damaged
  MusicEncoding,    // count: the format's tag, not 1 (PCM)
  MusicBits,        // count: bits per sample, not 16
  MusicRate,        // count: frames per second, not 44100
  MusicChannels,    // count: channels, not 1 or 2
  MusicEmpty,       // no frames
  // ... and while it plays: a read failed (render-sound stops).
  MusicReadFailed,
  // SBaGen's .sbg files (session_format/sbg/):
  SbgOptionLate,         // field: the option; count: the first line that is not one
  SbgOptionUnknown,      // field: the option
  SbgOptionValue,        // word: the option; field: its value, empty if missing
  SbgOptionRefused,      // word: the option; field: as written
  SbgStartConflict,      // count: the line of -T
  SbgVoiceForm,          // field: the voice
  SbgVoiceNotSupported,  // word: its kind, such as bspin or waveNN; field: the voice
  SbgWaveformPrefix,     // field: the voice
  SbgVoiceValue,         // word: carrier, beat, pulse, spin, width or level; field: the voice
  SbgTooManyVoices,      // count: the voices; limit: 16
  SbgBlockOpen,          // word: the block's name
  SbgBlockLine,          // field: the line
  SbgBlockEmpty,         // word: the block's name
  SbgBlockUnclosed,      // word: the block's name
  SbgBlockCallsItself,   // word: the block's name
  SbgBlocksTooDeep,      // word: the block's name; count: the most blocks within blocks
  SbgTimeForm,           // field: the time
  SbgRelativeFirst,      // field: the time
  SbgNowAndClock,        // field: the time; count: the line of the other kind of time
  SbgFadeForm,           // field: the fades
  SbgUnknownName,        // field: the name; empty where there is none
  SbgTrailing,           // field: what follows the name
  SbgLongerThanDay,
  SbgTooManyTimeLines,   // count: the most
  SbgNoTimeLine,
  SbgMixWithoutFile,     // word: the tone-set's name
  SbgEmpty,              // word: -E or -L, which ends the session where it starts
  SbgMixNotWave,         // field: the -m file, not a WAV file; word: the WAV to make of it
};

struct SessionError {
  uint64_t line;  // from 1, blank and comment lines counted; 0 for none
  SessionProblem problem;
  std::string word;   // the directive or word concerned
  std::string field;  // the field as written, made printable
  uint64_t count;     // a number the problem names
  uint64_t limit;
  std::string what;     // what is wrong, one line in English
  std::string message;  // "NAME line 3: WHAT", or "NAME: WHAT" without a line
};
