#include "session_format/sbg/SbgCycle.h"

#include <algorithm>

namespace {

// Where each line's period and the transition after it lie on the unrolled
// circle; line k's next is line k + 1, the last line's the first a day on.
struct Layout {
  std::vector<int64_t> periodFrom, periodTo, changeFrom, changeTo;
};

int32_t Between(int32_t a, int32_t b, int64_t done, int64_t whole) {
  if (whole == 0) return a;
  return static_cast<int32_t>(a + RoundedDivision((int64_t{b} - a) * done, whole));
}

// Each period runs from its line to the next; a line that slides (->) has
// none, its transition being the whole way to the next line. Then each
// other transition grows from the next line's time by half the fade into
// either neighbouring period, as far as what is left of it, in file order
// with the wrap-around last.
Layout LayOut(const SbgFile& file, SbgCycle& cycle) {
  const std::vector<SbgTimeLine>& lines = file.timeLines;
  const size_t n = lines.size();
  std::vector<int64_t> at(n + 1);
  at[0] = lines[0].time;
  for (size_t k = 1; k < n; k++)
    at[k] = at[k - 1] + (lines[k].time + SbgDayMs - lines[k - 1].time) % SbgDayMs;
  at[n] = at[0] + SbgDayMs;
  cycle.firstLineAt = at[0];
  cycle.lastLineAt = at[n - 1];
  Layout l{std::vector<int64_t>(at.begin(), at.end() - 1), {}, {}, {}};
  for (size_t k = 0; k < n; k++) {
    l.periodTo.push_back(lines[k].slide ? at[k] : at[k + 1]);
    l.changeFrom.push_back(lines[k].slide ? at[k] : at[k + 1]);
    l.changeTo.push_back(at[k + 1]);
  }
  const int64_t half = file.fadeMs / 2;
  for (size_t k = 0; k < n; k++) {
    if (lines[k].slide) continue;
    const size_t next = (k + 1) % n;
    const int64_t before = std::min(half, l.periodTo[k] - l.periodFrom[k]);
    l.periodTo[k] -= before;
    l.changeFrom[k] -= before;
    const int64_t after = std::min(half, l.periodTo[next] - l.periodFrom[next]);
    l.periodFrom[next] += after;
    l.changeTo[k] += after;
  }
  return l;
}

// A bell rings rather than sounds: it is never carried or slid.
SbgVoice Heard(const SbgVoice& voice) {
  return voice.type == SbgVoiceType::Bell ? SbgOff() : voice;
}

bool ThroughSilence(const SbgVoice& a, const SbgVoice& b, char fadeOut, char fadeIn) {
  if (fadeOut == '>' || fadeIn == '<') return true;
  if (a.type != b.type || a.wave != b.wave || a.noise != b.noise) return true;
  const bool fade = fadeOut == '-' || fadeIn == '-';
  return fade && a.type == SbgVoiceType::Binaural && (a.carrier != b.carrier || a.beat != b.beat);
}

SbgVoice Silent(SbgVoice voice) {
  voice.amplitude = 0;
  return voice;
}

void AddPeriod(const SbgToneSet& set, int64_t from, int64_t to, uint64_t line, SbgCycle& cycle) {
  if (to <= from) return;
  SbgPiece piece{from, to, {}, {}, line};
  for (size_t slot = 0; slot < SbgSlots; slot++)
    piece.first[slot] = piece.last[slot] = Heard(set.voices[slot]);
  cycle.pieces.push_back(piece);
}

// The voices on either side of a transition, and which slots go through
// silence at its middle.
struct Change {
  SbgVoice from[SbgSlots], to[SbgSlots];
  bool silence[SbgSlots];
};

// A slide (->) forces both fades to =, and a slot off on one side takes
// the other side's voice at level 0, so that it fades in or out at its pitch.
Change ChangeBetween(const SbgTimeLine& line, const SbgTimeLine& next, const SbgFile& file) {
  Change c;
  const char fadeOut = line.slide ? '=' : line.fadeOut;
  const char fadeIn = line.slide ? '=' : next.fadeIn;
  for (size_t slot = 0; slot < SbgSlots; slot++) {
    SbgVoice a = file.toneSets[line.toneSet].voices[slot];
    SbgVoice b = file.toneSets[next.toneSet].voices[slot];
    const bool bell = a.type == SbgVoiceType::Bell || b.type == SbgVoiceType::Bell;
    if (line.slide && !bell && a.type == SbgVoiceType::Off) a = Silent(b);
    if (line.slide && !bell && b.type == SbgVoiceType::Off) b = Silent(a);
    c.from[slot] = Heard(a);
    c.to[slot] = Heard(b);
    c.silence[slot] = ThroughSilence(a, b, fadeOut, fadeIn) &&
                      (c.from[slot].type != SbgVoiceType::Off || c.to[slot].type != SbgVoiceType::Off);
  }
  return c;
}

void AddRings(const SbgToneSet& set, int64_t at, uint64_t line, SbgCycle& cycle) {
  for (size_t slot = 0; slot < SbgSlots; slot++)
    if (set.voices[slot].type == SbgVoiceType::Bell)
      cycle.rings.push_back(SbgRing{at, slot, set.voices[slot], line});
}

void AddTransition(const Change& c, int64_t from, int64_t to, uint64_t line, SbgCycle& cycle) {
  if (to <= from) return;
  const bool split = std::find(c.silence, c.silence + SbgSlots, true) != c.silence + SbgSlots;
  const int64_t middle = from + (to - from) / 2;
  SbgPiece whole{from, to, {}, {}, line};
  for (size_t slot = 0; slot < SbgSlots; slot++) {
    whole.first[slot] = c.from[slot];
    whole.last[slot] = c.to[slot];
  }
  if (!split) {
    cycle.pieces.push_back(whole);
    return;
  }
  SbgPiece out{from, middle, {}, {}, line}, in{middle, to, {}, {}, line};
  for (size_t slot = 0; slot < SbgSlots; slot++) {
    const bool silence = c.silence[slot];
    out.first[slot] = c.from[slot];
    out.last[slot] = silence ? Silent(c.from[slot]) : SbgVoiceAt(whole, slot, middle);
    in.first[slot] = silence ? Silent(c.to[slot]) : out.last[slot];
    in.last[slot] = c.to[slot];
  }
  // A transition of 1 ms has no first half.
  if (middle > from) cycle.pieces.push_back(out);
  cycle.pieces.push_back(in);
}

}  // namespace

int64_t RoundedDivision(int64_t numerator, int64_t denominator) {
  const int64_t half = denominator / 2;
  return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

SbgVoice SbgVoiceAt(const SbgPiece& piece, size_t slot, int64_t at) {
  const SbgVoice& a = piece.first[slot];
  const SbgVoice& b = piece.last[slot];
  const int64_t done = at - piece.from, whole = piece.to - piece.from;
  SbgVoice voice = a;
  voice.carrier = Between(a.carrier, b.carrier, done, whole);
  voice.beat = Between(a.beat, b.beat, done, whole);
  voice.width = Between(a.width, b.width, done, whole);
  voice.amplitude = Between(a.amplitude, b.amplitude, done, whole);
  return voice;
}

void BuildSbgCycle(const SbgFile& file, SbgCycle& cycle) {
  cycle = SbgCycle{{}, {}, 0, 0, 0};
  const std::vector<SbgTimeLine>& lines = file.timeLines;
  const Layout l = LayOut(file, cycle);
  cycle.start = l.periodFrom[0];
  for (size_t k = 0; k < lines.size(); k++) {
    const SbgTimeLine& next = lines[(k + 1) % lines.size()];
    AddPeriod(file.toneSets[lines[k].toneSet], l.periodFrom[k], l.periodTo[k], lines[k].line,
              cycle);
    const int64_t middle = l.changeFrom[k] + (l.changeTo[k] - l.changeFrom[k]) / 2;
    AddRings(file.toneSets[next.toneSet], middle, next.line, cycle);
    AddTransition(ChangeBetween(lines[k], next, file), l.changeFrom[k], l.changeTo[k], next.line,
                  cycle);
  }
}
