#include "session_format/sbg/SbgSession.h"

#include <algorithm>

#include "exposure/Modes.h"
#include "session_format/SessionFields.h"
#include "session_format/SessionLines.h"
#include "session_format/SessionReader.h"
#include "session_format/TextFields.h"
#include "session_format/sbg/SbgCycle.h"
#include "session_format/sbg/SbgTimeline.h"

namespace {

// Hundredths of a hertz, the light's limits.
const int32_t LeastLight = static_cast<int32_t>(MinimumFrequency);
const int32_t MostLight = static_cast<int32_t>(MaximumFrequency);

VoiceSlide Slide(int32_t first, int32_t last) { return VoiceSlide{first, last}; }

// SBaGen's level of a noise as ours at the same loudness.
int32_t NoiseLevel(NoiseColour colour, int32_t level) {
  const NoiseLoudness loudness = SbgNoiseLoudness(colour);
  return static_cast<int32_t>(RoundedDivision(int64_t{level} * loudness.theirs, loudness.ours));
}

// An empty slot before a voice keeps the voices after it in their places:
// a silent tone, which no voice of the import carries a phase from.
Voice SilentSlot(uint64_t line) {
  return Voice{VoiceKind::Tone,   {0, 0}, {0, 0}, false, {0, 0}, VoiceShape::Sine,
               NoiseColour::None, line};
}

const VoiceShape Shapes[] = {VoiceShape::Sine, VoiceShape::Square, VoiceShape::Triangle,
                             VoiceShape::Saw};

// One slot's voice from its values at a segment's first and last frames,
// which SBaGen gives the same type.
Voice VoiceOf(const SbgVoice& a, const SbgVoice& b, uint64_t line) {
  Voice v = SilentSlot(line);
  switch (a.type) {
    case SbgVoiceType::Binaural:
      // SBaGen's C+B puts C + B/2 in the left ear, ours C - B/2.
      v.kind = a.wave == SbgWave::Sine ? VoiceKind::Binaural : VoiceKind::Tone;
      v.shape = Shapes[static_cast<int>(a.wave)];
      v.carrier = Slide(a.carrier, b.carrier);
      if (v.kind == VoiceKind::Binaural) v.beat = Slide(-a.beat, -b.beat);
      v.level = Slide(a.amplitude, b.amplitude);
      break;
    case SbgVoiceType::Isochronic:
      v.kind = VoiceKind::Isochronic;
      v.shape = VoiceShape::Smooth;
      v.carrier = Slide(a.carrier, b.carrier);
      v.beat = Slide(a.beat, b.beat);
      v.level = Slide(a.amplitude, b.amplitude);
      break;
    case SbgVoiceType::Pink:
    case SbgVoiceType::White:
    case SbgVoiceType::Brown:
      v.kind = VoiceKind::Noise;
      v.colour = a.type == SbgVoiceType::Pink    ? NoiseColour::Pink
                 : a.type == SbgVoiceType::White ? NoiseColour::White
                                                 : NoiseColour::Brown;
      v.level = Slide(NoiseLevel(v.colour, a.amplitude), NoiseLevel(v.colour, b.amplitude));
      break;
    case SbgVoiceType::Spin:
      v.kind = VoiceKind::Spin;
      v.colour = a.noise;
      v.carrier = Slide(a.width, b.width);
      v.beat = Slide(a.beat, b.beat);
      v.level = Slide(NoiseLevel(v.colour, a.amplitude), NoiseLevel(v.colour, b.amplitude));
      break;
    case SbgVoiceType::Mix:
      v.kind = VoiceKind::Music;
      v.level = Slide(a.amplitude, b.amplitude);
      break;
    case SbgVoiceType::Off:
    case SbgVoiceType::Bell:
      break;
  }
  return v;
}

// The beat that the light follows: a heard voice's beat or pulse rate,
// within the light's limits and of one sign at both ends. A spin's turns
// move the noise about rather than beat.
bool LightOf(const SbgVoice& a, const SbgVoice& b, uint32_t& first, uint32_t& last) {
  const bool beats = a.type == SbgVoiceType::Binaural || a.type == SbgVoiceType::Isochronic;
  if (!beats || (a.amplitude == 0 && b.amplitude == 0)) return false;
  const int32_t sign = a.beat < 0 ? -1 : 1;
  const int32_t from = a.beat * sign, to = b.beat * sign;
  if (from < LeastLight || from > MostLight || to < LeastLight || to > MostLight) return false;
  first = static_cast<uint32_t>(from);
  last = static_cast<uint32_t>(to);
  return true;
}

// A segment of blocks [from, to) of the session, its voices at its ends.
struct Piece {
  uint64_t from, to;
  SbgVoice first[SbgSlots];
  SbgVoice last[SbgSlots];
  uint64_t line;
};

// The stretch cut where bells are struck inside it, each cut's voices
// where the stretch's slide has them then.
void CutStretch(const SbgStretch& s, uint64_t from, const std::vector<SbgBell>& bells,
                std::vector<Piece>& pieces) {
  const uint64_t to = from + s.blocks;
  std::vector<uint64_t> cuts{from};
  for (const SbgBell& bell : bells)
    if (bell.block > from && bell.block < to && bell.block != cuts.back())
      cuts.push_back(bell.block);
  cuts.push_back(to);
  const int64_t start = static_cast<int64_t>(s.startMs);
  const int64_t end = start + static_cast<int64_t>(s.lengthMs);
  SbgPiece whole{start, end, {}, {}, s.line};
  std::copy(s.first, s.first + SbgSlots, whole.first);
  std::copy(s.last, s.last + SbgSlots, whole.last);
  // A cut inside the stretch lies at its block's time.
  auto at = [&](uint64_t block) {
    return std::min(end, std::max(start, static_cast<int64_t>(block * SbgBlockMs)));
  };
  for (size_t c = 0; c + 1 < cuts.size(); c++) {
    const bool first = c == 0, last = c + 2 == cuts.size();
    Piece piece{cuts[c], cuts[c + 1], {}, {}, s.line};
    for (size_t slot = 0; slot < SbgSlots; slot++) {
      piece.first[slot] = first ? s.first[slot] : SbgVoiceAt(whole, slot, at(cuts[c]));
      piece.last[slot] = last ? s.last[slot] : SbgVoiceAt(whole, slot, at(cuts[c + 1]));
    }
    pieces.push_back(piece);
  }
}

// A bell in its slot where that is free, else in the first free one.
bool AddBell(const SbgBell& bell, std::vector<Voice>& voices, SessionError& error) {
  const Voice rung{VoiceKind::Bell,
                   Slide(bell.carrier, bell.carrier),
                   {0, 0},
                   false,
                   Slide(bell.amplitude, bell.amplitude),
                   VoiceShape::Sine,
                   NoiseColour::None,
                   bell.line};
  auto free = [&](size_t slot) {
    return slot >= voices.size() ||
           (voices[slot].kind == VoiceKind::Tone && voices[slot].shape == VoiceShape::Sine &&
            voices[slot].level.first == 0 && voices[slot].level.last == 0 &&
            voices[slot].carrier.first == 0 && voices[slot].carrier.last == 0);
  };
  size_t slot = bell.slot;
  for (size_t s = 0; !free(slot) && s < MaximumVoices; s++) slot = s;
  if (!free(slot) || slot >= MaximumVoices)
    return Problem(error, SessionProblem::SbgTooManyVoices, "", "", MaximumVoices + 1,
                   MaximumVoices);
  while (voices.size() <= slot) voices.push_back(SilentSlot(bell.line));
  voices[slot] = rung;
  return true;
}

bool SegmentOf(const Piece& piece, const std::vector<SbgBell>& bells, SessionSegment& segment,
               bool& lit, SessionError& error) {
  segment = PlainSegment(SoundMode::None, static_cast<uint32_t>(piece.to - piece.from),
                         SbgDarkFrequency, SbgDarkFrequency);
  segment.line = piece.line;
  size_t used = SbgSlots;
  while (used > 0 && piece.first[used - 1].type == SbgVoiceType::Off) used--;
  for (size_t slot = 0; slot < used; slot++)
    segment.voices.push_back(VoiceOf(piece.first[slot], piece.last[slot], piece.line));
  lit = false;
  for (size_t slot = 0; slot < used && !lit; slot++)
    lit =
        LightOf(piece.first[slot], piece.last[slot], segment.firstFrequency, segment.lastFrequency);
  segment.light = lit ? ChosenPattern : 0;
  for (const SbgBell& bell : bells)
    if (bell.block == piece.from && !AddBell(bell, segment.voices, error)) return false;
  return true;
}

// A segment without light holds the frequency the light had before it (at
// the session's start, the one it will have first).
void HoldDarkFrequencies(std::vector<SessionSegment>& segments, const std::vector<bool>& lit) {
  uint32_t held = SbgDarkFrequency;
  for (size_t i = 0; i < segments.size(); i++)
    if (lit[i]) {
      held = segments[i].firstFrequency;
      break;
    }
  for (size_t i = 0; i < segments.size(); i++) {
    if (lit[i]) {
      held = segments[i].lastFrequency;
      continue;
    }
    segments[i].firstFrequency = segments[i].lastFrequency = held;
  }
}

bool Steady(const VoiceSlide& slide) { return slide.first == slide.last; }

bool SameSteadyVoice(const Voice& a, const Voice& b) {
  return a.kind == b.kind && Steady(a.carrier) && Steady(a.beat) && Steady(a.level) &&
         a.carrier.first == b.carrier.first && a.carrier.last == b.carrier.last &&
         a.beat.first == b.beat.first && a.beat.last == b.beat.last &&
         a.level.first == b.level.first && a.level.last == b.level.last &&
         a.shape == b.shape && a.colour == b.colour && a.kind != VoiceKind::Bell;
}

// A segment that goes on exactly as the one before it, nothing sliding and
// no bell struck at its start, is one segment with it.
bool GoesOn(const SessionSegment& a, const SessionSegment& b) {
  if (a.firstFrequency != a.lastFrequency || b.firstFrequency != a.firstFrequency ||
      b.lastFrequency != a.lastFrequency || a.light != b.light ||
      a.voices.size() != b.voices.size())
    return false;
  for (size_t v = 0; v < a.voices.size(); v++)
    if (!SameSteadyVoice(a.voices[v], b.voices[v])) return false;
  return true;
}

void JoinSteadySegments(std::vector<SessionSegment>& segments) {
  std::vector<SessionSegment> joined;
  for (const SessionSegment& segment : segments)
    if (!joined.empty() && GoesOn(joined.back(), segment))
      joined.back().blocks += segment.blocks;
    else
      joined.push_back(segment);
  segments.swap(joined);
}

bool SegmentsOf(const SbgTimeline& timeline, Session& session, SessionError& error,
                uint64_t& line) {
  std::vector<Piece> pieces;
  for (const SbgStretch& stretch : timeline.stretches)
    if (stretch.blocks > 0)
      CutStretch(stretch, SbgBlockAt(stretch.startMs), timeline.bells, pieces);
  std::vector<bool> lit;
  for (const Piece& piece : pieces) {
    SessionSegment segment;
    bool shows = false;
    line = piece.line;
    if (!SegmentOf(piece, timeline.bells, segment, shows, error)) return false;
    session.segments.push_back(segment);
    lit.push_back(shows);
  }
  HoldDarkFrequencies(session.segments, lit);
  JoinSteadySegments(session.segments);
  return true;
}

bool EndsWith(const std::string& text, const std::string& end) {
  if (text.size() < end.size()) return false;
  for (size_t i = 0; i < end.size(); i++) {
    char c = text[text.size() - end.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != end[i]) return false;
  }
  return true;
}

// The -m file as the session's music: at 100 under everything, as SBaGen
// mixes it where no tone-set says mix/, else only where one does.
bool TakeMusic(const SbgFile& file, Session& session, SessionError& error) {
  if (file.mixFile.empty()) return true;
  if (!EndsWith(file.mixFile, ".wav")) {
    const size_t dot = file.mixFile.rfind('.');
    const size_t folder = file.mixFile.find_last_of("/\\");
    const bool extension =
        dot != std::string::npos && (folder == std::string::npos || dot > folder);
    const std::string wav = (extension ? file.mixFile.substr(0, dot) : file.mixFile) + ".wav";
    return Problem(error, SessionProblem::SbgMixNotWave, Printable(wav), Printable(file.mixFile));
  }
  if (!CheckWritableText("music", file.mixFile, error)) return false;
  bool mixed = false;
  for (const SbgToneSet& set : file.toneSets)
    for (const SbgVoice& voice : set.voices) mixed |= voice.type == SbgVoiceType::Mix;
  session.musicFile = file.mixFile;
  session.musicLevel = mixed ? 0 : FullLevel;
  session.musicLine = file.mixLine;
  return true;
}

std::string Hundredths(uint32_t value) { return FrequencyText(value); }

// What the import says of each tone-set it scaled that the file plays.
std::vector<std::string> ScaledNotes(const SbgFile& file) {
  std::vector<std::string> notes;
  for (size_t i = 0; i < file.toneSets.size(); i++) {
    const SbgToneSet& set = file.toneSets[i];
    bool played = false;
    for (const SbgTimeLine& line : file.timeLines) played |= line.toneSet == i;
    if (played && set.scaledFrom != 0)
      notes.push_back("tone-set " + Printable(set.name) + " (line " + std::to_string(set.line) +
                      "): its levels add up to " + Hundredths(set.scaledFrom) +
                      "; scaled to 100, as SBaGen+ does");
  }
  return notes;
}

}  // namespace

NoiseLoudness SbgNoiseLoudness(NoiseColour colour) {
  // SBaGen's RMS at 100, and ours measured over 40 minutes by noise-colours.
  if (colour == NoiseColour::White) return {18906, 18920};
  if (colour == NoiseColour::Brown) return {2439, 5706};
  return {4940, 6068};
}

bool ImportSbg(const std::string& text, const std::string& name, uint64_t askedBlocks,
               SbgSession& imported, SessionError& error) {
  imported = SbgSession{Session{{}, 0, 0, "", "", "", 0, 0, ""}, {}, {}};
  SbgFile file;
  SbgTimeline timeline;
  if (!ReadSbg(text, name, file, error)) return false;
  if (!TakeMusic(file, imported.session, error)) return Refuse(name, file.mixLine, error);
  if (!PlanSbgTimeline(file, name, askedBlocks * SbgBlockMs, timeline, error)) return false;
  uint64_t line = 0;
  if (!SegmentsOf(timeline, imported.session, error, line)) return Refuse(name, line, error);
  imported.notes = file.notes;
  imported.scaled = ScaledNotes(file);
  return true;
}

bool IsSbgFileName(const std::string& path) { return EndsWith(path, ".sbg"); }
