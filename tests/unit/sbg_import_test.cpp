#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session_format/SessionLines.h"
#include "session_format/SessionReader.h"
#include "session_format/document/SessionDocument.h"
#include "session_format/sbg/SbgFile.h"
#include "session_format/sbg/SbgSession.h"
#include "session_format/sbg/SbgTimeline.h"

namespace {

// Hundredths as the shortest decimal: 2150 is 21.5, -500 is -5.
std::string Decimal(int32_t hundredths) {
  std::string text = std::to_string(hundredths < 0 ? -hundredths : hundredths);
  text.insert(0, text.size() < 3 ? 3 - text.size() : 0, '0');
  text.insert(text.size() - 2, ".");
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return (hundredths < 0 ? "-" : "") + text;
}

std::string Signed(int32_t hundredths) { return (hundredths < 0 ? "" : "+") + Decimal(hundredths); }

// A voice written back as a tone-set writes it; a plain tone shows its beat
// of 0.
std::string SbgVoiceText(const SbgVoice& v) {
  const char* waves[] = {"", "square:", "triangle:", "sawtooth:"};
  const std::string level = "/" + Decimal(v.amplitude);
  switch (v.type) {
    case SbgVoiceType::Binaural:
      return waves[static_cast<int>(v.wave)] + Decimal(v.carrier) + Signed(v.beat) + level;
    case SbgVoiceType::Isochronic:
      return Decimal(v.carrier) + "@" + Decimal(v.beat) + level;
    case SbgVoiceType::Pink:
      return "pink" + level;
    case SbgVoiceType::White:
      return "white" + level;
    case SbgVoiceType::Brown:
      return "brown" + level;
    case SbgVoiceType::Bell:
      return "bell" + Decimal(v.carrier) + level;
    case SbgVoiceType::Spin:
      return std::string(v.noise == NoiseColour::Brown   ? "bspin:"
                         : v.noise == NoiseColour::White ? "wspin:"
                                                         : "spin:") +
             Decimal(v.width) + Signed(v.beat) + level;
    case SbgVoiceType::Mix:
      return "mix" + level;
    case SbgVoiceType::Off:
      break;
  }
  return "-";
}

std::string Voices(const SbgVoice* voices) {
  size_t used = SbgSlots;
  while (used > 0 && voices[used - 1].type == SbgVoiceType::Off) used--;
  std::string text;
  for (size_t slot = 0; slot < used; slot++) text += (slot ? " " : "") + SbgVoiceText(voices[slot]);
  return used ? text : "-";
}

std::string Seconds(uint64_t ms) { return Decimal(static_cast<int32_t>(ms / 10)); }

// Each stretch as START+LENGTH in seconds and its voices, FIRST > LAST where
// they move; then each bell.
std::string Described(const SbgTimeline& timeline) {
  std::string text;
  for (const SbgStretch& s : timeline.stretches) {
    const bool moves = Voices(s.first) != Voices(s.last);
    text += Seconds(s.startMs) + "+" + Seconds(s.lengthMs) + " " + Voices(s.first) +
            (moves ? " > " + Voices(s.last) : "") + "\n";
  }
  for (const SbgBell& b : timeline.bells)
    text += "bell " + Seconds(b.atMs) + " slot " + std::to_string(b.slot) + " " +
            Decimal(b.carrier) + "/" + Decimal(b.amplitude) + "\n";
  return text;
}

SbgTimeline Planned(const std::string& text, SbgFile& file) {
  SbgTimeline timeline;
  SessionError error;
  EXPECT_TRUE(ReadSbg(text, "t.sbg", file, error)) << error.message;
  EXPECT_TRUE(PlanSbgTimeline(file, "t.sbg", timeline, error)) << error.message;
  return timeline;
}

SbgTimeline Planned(const std::string& text) {
  SbgFile file;
  return Planned(text, file);
}

}  // namespace

// Catches a value rounded through a double (156.085 to 156.08), a sign lost
// from C-B/A, a form matched in the wrong order, or a silent voice read as
// an empty slot.
TEST(SbgVoice, WordsAreReadAsSbagenReadsThemAndRoundedToHundredths) {
  const struct {
    const char* word;
    const char* read;
  } cases[] = {
      {"200+10/15", "200+10/15"},
      {"200-10/15", "200-10/15"},
      {"200/15", "200+0/15"},
      {"156.085-7.83/35", "156.09-7.83/35"},
      {"1e2+.5/1.005", "100+0.5/1.01"},
      {"+100-0.004/5e-3", "100+0/0.01"},
      {"1E1+2.5e-3/0", "10+0/0"},
      {"0.00+0.00/0", "0+0/0"},
      {"300@10/10", "300@10/10"},
      {"pink/40", "pink/40"},
      {"white/2.5", "white/2.5"},
      {"brown/100", "brown/100"},
      {"mix/100", "mix/100"},
      {"bell+2050/20", "bell2050/20"},
      {"spin:200+12/80", "spin:200+12/80"},
      {"spin:300-0.1/25", "spin:300-0.1/25"},
      {"bspin:300+4.2/40", "bspin:300+4.2/40"},
      {"wspin:95-1/5", "wspin:95-1/5"},
      {"sine:200+10/15", "200+10/15"},
      {"triangle:300/5", "triangle:300+0/5"},
      {"sine:300@10/10", "300@10/10"},
      {"-", "-"},
  };
  for (const auto& c : cases) {
    SbgVoice voice;
    SessionError error;
    EXPECT_TRUE(ParseSbgVoice(c.word, voice, error)) << c.word;
    EXPECT_EQ(SbgVoiceText(voice), c.read) << c.word;
  }
  SbgVoice silent;
  SessionError error;
  ASSERT_TRUE(ParseSbgVoice("0.00+0.00/0", silent, error));
  EXPECT_EQ(silent.type, SbgVoiceType::Binaural);
}

// Catches a transition misplaced, not trimmed, not split at its middle, a
// slot that should slide going through silence (or the reverse), relative
// times counted from the previous line, a block's lines lost, the session
// started or ended at the wrong time, and a value at a cut not interpolated.
TEST(SbgTimeline, StretchesAreTheTransitionsSbagenPlays) {
  const struct {
    const char* what;
    const char* sbg;
    const char* stretches;
  } cases[] = {
      {"one tone-set, an hour, starting half-way through the wrap-around to itself",
       "a: pink/40 200+10/10\n0:00 a\n",
       "0+30 pink/40 200+10/10\n30+3570 pink/40 200+10/10\n"},
      {"-> slides in and out at the tone's pitch; -E ends at the last line",
       "-SE\na: pink/40 200+10/20\noff: -\n00:00 off ->\n00:00:15 a\n00:01 a ->\n00:01:15 off\n",
       "0+15 pink/0 200+10/0 > pink/40 200+10/20\n15+15 pink/40 200+10/20\n"
       "30+30 pink/40 200+10/20\n60+15 pink/40 200+10/20 > pink/0 200+10/0\n"},
      {"-- with a new pitch: through silence at the line's time, the noise sliding on",
       "-SE\na: pink/40 200+10/20\nb: pink/20 300-5/20\n00:00 a\n00:02 b\n00:04 a\n",
       "0+30 pink/40 200+10/20\n30+60 pink/40 200+10/20\n"
       "90+30 pink/40 200+10/20 > pink/30 200+10/0\n120+30 pink/30 300-5/0 > pink/20 300-5/20\n"
       "150+60 pink/20 300-5/20\n210+30 pink/20 300-5/20 > pink/30 300-5/0\n"},
      {"== slides every value over the whole minute; a short period is used up",
       "-SE\na: pink/40 200+10/20\nb: pink/20 300-5/10\n00:00 == a\n00:02 == b\n00:03 == a\n",
       "0+30 pink/40 200+10/20\n30+60 pink/40 200+10/20\n"
       "90+60 pink/40 200+10/20 > pink/20 300-5/10\n"
       "150+30 pink/20 300-5/10 > pink/30 250+2.5/15\n"},
      {"a short neighbour trims the transition: its middle is not the line's time",
       "-SE\na: 100/10\nb: 200/10\nc: 300/10\n00:00:00 a\n00:00:40 b\n00:01:00 c\n",
       "0+10 100+0/5 > 100+0/10\n10+25 100+0/10 > 100+0/0\n35+25 200+0/0 > 200+0/10\n"},
      {"blocks and times relative to the last absolute one, not to the line before",
       "-SE\na: 100/10\nb: 200/10\noff: -\npair: {\n +00:00 == a ->\n +00:01 == b ->\n}\n"
       "NOW pair\n+00:02 pair\n+00:04 off\n",
       "0+60 100+0/10 > 200+0/10\n60+60 200+0/10 > 100+0/10\n120+60 100+0/10 > 200+0/10\n"
       "180+60 200+0/10 > 200+0/0\n"},
      {"-> before a name is a fade in - and out >; relative parts chain",
       "-SE\na: pink/40\nb: pink/20\nNOW a\nNOW+00:01+00:00:30 -> b\n+00:03 b\n",
       "0+30 pink/30 > pink/40\n30+30 pink/40\n60+60 pink/40 > pink/20\n120+30 pink/20\n"
       "150+30 pink/20 > pink/0\n"},
      {"< fades even the same noise through silence",
       "-SE\np: pink/40\n0:00 p\n0:01 <- p\n", "0+30 pink/40\n30+30 pink/40 > pink/0\n"},
      {"a change of noise goes through silence even under ==",
       "-SE\np: pink/40\nw: white/40\n0:00 == p\n0:02 == w\n0:04 p\n",
       "0+30 pink/40\n30+60 pink/40\n90+30 pink/40 > pink/0\n120+30 white/0 > white/40\n"
       "150+60 white/40\n210+30 white/40 > white/0\n"},
      {"isochronic tones slide under -- whatever changes; the start is mid-wrap",
       "-SE\na: 300@10/20\nb: 250@6/10\n0:00 a\n0:02 b\n",
       "0+30 275@8/15 > 300@10/20\n30+60 300@10/20\n90+30 300@10/20 > 275@8/15\n"},
      {"a plain tone's waveform change goes through silence under ==",
       "-SE\ns: square:200/10\nt: 200/10\n0:00 == s\n0:02 == t\n",
       "0+30 square:200+0/0 > square:200+0/10\n30+60 square:200+0/10\n"
       "90+30 square:200+0/10 > square:200+0/0\n"},
      {"a silent tone of carrier 0 fades out and in under --",
       "-SE\na: 500+12/25 0+0/0\nb: 500+12/18 310+8.5/25\n0:00 a\n0:02 b\n",
       "0+30 500+12/21.5 0+0/0 > 500+12/25 0+0/0\n30+60 500+12/25 0+0/0\n"
       "90+30 500+12/25 0+0/0 > 500+12/21.5 0+0/0\n"},
      {"... and slides from carrier 0 under ==",
       "-SE\na: 500+12/25 0+0/0\nb: 500+12/18 310+8.5/25\n0:00 == a\n0:02 == b\n",
       "0+30 500+12/21.5 155+4.25/12.5 > 500+12/25 0+0/0\n30+60 500+12/25 0+0/0\n"
       "90+30 500+12/25 0+0/0 > 500+12/21.5 155+4.25/12.5\n"},
      {"-T starts at its time of the cycle; without -E or -L an hour",
       "-T 0:10:30\na: 100/10\nb: 200/10\n0:00 a\n0:20 b\n",
       "0+540 100+0/10\n540+30 100+0/10 > 100+0/0\n570+30 200+0/0 > 200+0/10\n"
       "600+3000 200+0/10\n"},
      {"-F sets the transition; levels above 100 together are scaled to 100",
       "-SE -F 10000\na: 200/60 300/60\nb: 200/10 300/10\n0:00 a\n0:01 b\n",
       "0+5 200+0/30 300+0/30 > 200+0/50 300+0/50\n5+50 200+0/50 300+0/50\n"
       "55+5 200+0/50 300+0/50 > 200+0/30 300+0/30\n"},
      {"a bell rings once, at the middle of the transition into it: of a slide too",
       "-SE\ntone: 100/10\nding: 100/10 bell+2050/20\n0:00 tone ->\n0:01 ding\n0:02 ding\n",
       "0+60 100+0/10\n60+30 100+0/10\n90+30 100+0/10\nbell 30 slot 1 2050/20\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(Described(Planned(c.sbg)), c.stretches) << c.what;
}

// Catches stretch lengths rounded one by one, which would drift, and a
// session whose blocks do not add up to its length.
TEST(SbgTimeline, BoundariesRoundToTheNearestBlockAndTheBlocksAddUp) {
  const SbgTimeline t =
      Planned("-SE -F 300\na: 100/10\nb: 200/10\n0:00:00 a\n0:00:10 b\n0:00:20 a\n");
  std::vector<uint32_t> blocks;
  uint64_t total = 0;
  for (const SbgStretch& s : t.stretches) {
    blocks.push_back(s.blocks);
    total += s.blocks;
  }
  // Boundaries at 0.15, 9.85, 10, 10.15 and 19.85 s: blocks 1, 39, 40, 41, 79.
  EXPECT_EQ(blocks, (std::vector<uint32_t>{1, 38, 1, 1, 38, 1}));
  EXPECT_EQ(total, 80u);
  EXPECT_EQ(t.blocks, 80u);
  EXPECT_EQ(SbgBlockAt(124), 0u);
  EXPECT_EQ(SbgBlockAt(125), 1u);
}

// Catches -E losing to -L, -L read as hours and minutes wrongly, and -T with
// -E not counting to the last line's next time.
TEST(SbgTimeline, TheSessionEndsAtTheLastLineAfterMinusLOrAfterAnHour) {
  const struct {
    const char* sbg;
    uint64_t ms;
  } cases[] = {
      {"a: 100/10\n0:00 a\n", 3600000},
      {"-L 0:02\na: 100/10\n0:00 a\n", 120000},
      {"-L 1:00:30\na: 100/10\n0:00 a\n", 3630000},
      {"-E -L 0:02\na: 100/10\n0:00 a\n0:01 a\n", 60000},
      {"-T 0:30 -E\na: 100/10\n0:00 a\n1:00 a\n", 1800000},
      {"-T 1:30 -E\na: 100/10\n0:00 a\n1:00 a\n", 84600000},
      {"-SE\na: 100/10\n23:59:55 a\n0:00:05 a\n", 10000},
  };
  for (const auto& c : cases) {
    const SbgTimeline t = Planned(c.sbg);
    uint64_t covered = 0;
    for (const SbgStretch& s : t.stretches) covered += s.lengthMs;
    EXPECT_EQ(t.lengthMs, c.ms) << c.sbg;
    EXPECT_EQ(covered, c.ms) << c.sbg;
  }
}

// Catches options lost, notes dropped, a name looked up oldest first, and a
// scaled tone-set that does not say so.
TEST(SbgFile, OptionsNotesAndNamesAsSbagenReadsThem) {
  SbgFile file;
  const SbgTimeline t = Planned(
      "\xEF\xBB\xBF## Two tones\r\n-SE -q 1\r\n-r 44100 -F 10000 -m rain.wav -W -o x.wav\r\n"
      "a: 200/60 300/60 # loud\r\nb: mix/50\r\n0:00 a\r\na: 100/10\r\n0:01 a\r\n0:02 b\r\n",
      file);
  EXPECT_TRUE(file.endAtLastLine);
  EXPECT_EQ(file.fadeMs, 10000u);
  EXPECT_EQ(file.mixFile, "rain.wav");
  EXPECT_EQ(file.notes, (std::vector<std::string>{" Two tones"}));
  ASSERT_EQ(file.timeLines.size(), 3u);
  EXPECT_EQ(file.toneSets[file.timeLines[0].toneSet].line, 4u);
  EXPECT_EQ(file.toneSets[file.timeLines[1].toneSet].line, 7u);
  EXPECT_EQ(file.toneSets[0].scaledFrom, 12000u);
  EXPECT_EQ(file.toneSets[0].voices[0].amplitude, 5000);
  EXPECT_EQ(file.toneSets[2].scaledFrom, 0u);
  EXPECT_EQ(t.lengthMs, 120000u);
}

// Catches a refusal on the wrong line, of the wrong kind, or one that lets
// what cannot be played through.
TEST(SbgFile, WhatCannotBePlayedIsRefusedWithItsLine) {
  std::string manyLines = "a: pink/40\nb: {\n";
  for (int i = 0; i < 101; i++) manyLines += " +00:00 a\n";
  manyLines += "}\nc: {\n";
  for (int i = 0; i < 100; i++) manyLines += " +00:00 b\n";
  manyLines += "}\n0:00 c\n";
  std::string deep = "a: pink/40\nb0: {\n +00:00 a\n}\n";
  for (int i = 1; i <= 51; i++)
    deep += "b" + std::to_string(i) + ": {\n +00:00 b" + std::to_string(i - 1) + "\n}\n";
  deep += "0:00 b51\n";
  std::string seventeen = "a:";
  for (int i = 0; i < 17; i++) seventeen += " pink/1";
  const struct {
    std::string sbg;
    uint64_t line;
    SessionProblem problem;
    const char* says;
  } cases[] = {
      {"-SE\nwave00: 0 1 2 3\nts: wave00:300+5/50\n0:00 ts", 2,
       SessionProblem::SbgVoiceNotSupported, "'wave00:': waveforms of a file's own (waveNN)"},
      {"## drop\n-m river.wav -p drop 00ds+ mix/100\n", 2, SessionProblem::SbgOptionRefused,
       "'-p drop 00ds+ mix/100': built-in programs (-p) cannot be imported"},
      {"-i pink/40\n", 1, SessionProblem::SbgOptionRefused, "tones given with -i"},
      {"a: pink/40 noise12/20\n0:00 a", 1, SessionProblem::SbgVoiceNotSupported,
       "'noise12/20': noiseNN voices cannot be imported"},
      {"a: orbitbeat:200+4/10\n", 1, SessionProblem::SbgVoiceNotSupported, "orbitbeat voices"},
      {"a: mixspin:300+4.2/40\n", 1, SessionProblem::SbgVoiceNotSupported, "mixspin voices"},
      {"\na: square:200+10/10\n", 2, SessionProblem::SbgWaveformPrefix,
       "'square:200+10/10': a waveform other than sine is taken on plain tones"},
      {"a: square:300@10/10\n", 1, SessionProblem::SbgWaveformPrefix, "plain tones C/A only"},
      {"a: sine:pink/10\n", 1, SessionProblem::SbgVoiceForm, "'sine:pink/10' is not a voice"},
      {"a: 200+10\n", 1, SessionProblem::SbgVoiceForm, "'200+10' is not a voice: -, C+B/A"},
      {"a: pink/40x\n", 1, SessionProblem::SbgVoiceForm, "'pink/40x' is not a voice"},
      {"-L 69:26:41\na: pink/40\n0:00 a", 1, SessionProblem::SessionTooLong, "beyond 1000000"},
      {"a: pink/40\n-SE\n0:00 a", 2, SessionProblem::SbgOptionLate, "after line 1"},
      {"-K\n", 1, SessionProblem::SbgOptionUnknown, "'-K' is not an option this import takes"},
      {"-SEX\n", 1, SessionProblem::SbgOptionUnknown, "'-X'"},
      {"-q 10\n", 1, SessionProblem::SbgOptionRefused, "'-q 10' changes the sound"},
      {"-r 48000\n", 1, SessionProblem::SbgOptionRefused, "(-r 44100)"},
      {"-w square\n", 1, SessionProblem::SbgOptionRefused, "taken: -w sine"},
      {"-c 80=1\n", 1, SessionProblem::SbgOptionRefused, "'-c 80=1' changes the sound"},
      {"-T 0:00 -S\n", 1, SessionProblem::SbgStartConflict, "-T (line 1) and -S or -q"},
      {"-T 24:00\n", 1, SessionProblem::SbgOptionValue, "-T takes a time of day"},
      {"-SE -F\n", 1, SessionProblem::SbgOptionValue, "-F takes a fade in milliseconds, up to "
                                                       "86400000, and it is missing"},
      {"-m a.wav -m b.wav\n", 1, SessionProblem::SecondDirective,
       "a second -m; the first is on line 1"},
      {seventeen, 1, SessionProblem::SbgTooManyVoices, "a tone-set of 17 voices; at most 16"},
      {"a: 200+10/100.005\n", 1, SessionProblem::SbgVoiceValue, "level is out of range 0..100"},
      {"a: 20000.01/10\n", 1, SessionProblem::SbgVoiceValue, "carrier is out of range"},
      {"a: 200-100.01/10\n", 1, SessionProblem::SbgVoiceValue, "beat is out of range -100..100"},
      {"a: 200@0.09/10\n", 1, SessionProblem::SbgVoiceValue, "pulse rate is out of range"},
      {"a: spin:20000.01+1/10\n", 1, SessionProblem::SbgVoiceValue, "width is out of range"},
      {"a: spin:200+101/10\n", 1, SessionProblem::SbgVoiceValue, "spin rate is out of range"},
      {"a: pink/40\nb: {\n00:00 a\n}\n", 3, SessionProblem::SbgBlockLine, "'00:00 a' in a block"},
      {"b: {\n# nothing\n}\n", 3, SessionProblem::SbgBlockEmpty, "block b holds no lines"},
      {"a: pink/40\nb: {\n +00:00 a\n", 2, SessionProblem::SbgBlockUnclosed, "block b has no }"},
      {"b: { +00:00 a }\n", 1, SessionProblem::SbgBlockOpen, "block b opens with { alone"},
      {"a: pink/40\nb: {\n +00:00 a\n +00:01 b\n}\n0:00 b\n", 4,
       SessionProblem::SbgBlockCallsItself, "block b calls itself"},
      {manyLines, 4, SessionProblem::SbgTooManyTimeLines, "more than 10000 time lines"},
      {deep, 9, SessionProblem::SbgBlocksTooDeep, "block b1 lies more than 50 blocks deep"},
      {"a: pink/40\n25:00 a\n", 2, SessionProblem::SbgTimeForm, "'25:00' is not a time"},
      {"ts:pink/40\n", 1, SessionProblem::SbgTimeForm, "'ts:pink/40' is not a time"},
      {"a: pink/40\n00:00+1:60 a\n", 2, SessionProblem::SbgTimeForm, "'00:00+1:60'"},
      {"a: pink/40\n+00:10 a\n", 2, SessionProblem::SbgRelativeFirst, "and none comes before it"},
      {"a: pink/40\nNOW a\n00:10 a\n", 3, SessionProblem::SbgNowAndClock,
       "'00:10' and line 2 mix NOW and clock times"},
      {"-T 0:00\na: pink/40\nNOW+0:10 a\n", 3, SessionProblem::SbgNowAndClock,
       "'NOW+0:10' and line 1"},
      {"a: pink/40\n0:00 >< a\n", 2, SessionProblem::SbgFadeForm, "'><' is neither a name"},
      {"a: pink/40\n0:00 b\na: pink/40\n", 2, SessionProblem::SbgUnknownName,
       "'b' is not a tone-set or block defined above this line"},
      {"a: pink/40\n0:00 ==\n", 2, SessionProblem::SbgUnknownName, "names no tone-set or block"},
      {"a: pink/40\n0:00 a -> b\n", 2, SessionProblem::SbgTrailing, "'-> b' after the name"},
      {"a: pink/40\n00:00 a\n12:00 a\n23:00 a\n01:00 a\n", 5, SessionProblem::SbgLongerThanDay,
       "more than 24 hours"},
      {"a: pink/40\n", 0, SessionProblem::SbgNoTimeLine, "t.sbg: no time line"},
      {"\na: pink/40 mix/40\n0:00 a\n", 2, SessionProblem::SbgMixWithoutFile,
       "tone-set a plays mix/"},
      {"-SE\na: pink/40\n0:00 a\n", 1, SessionProblem::SbgEmpty, "-E ends it at its last"},
      {"-L 0:00\na: pink/40\n0:00 a\n", 1, SessionProblem::SbgEmpty, "-L gives it no length"},
  };
  for (const auto& c : cases) {
    SbgFile file;
    SbgTimeline timeline;
    SessionError error;
    const bool read = ReadSbg(c.sbg, "t.sbg", file, error);
    EXPECT_FALSE(read && PlanSbgTimeline(file, "t.sbg", timeline, error)) << c.sbg;
    EXPECT_EQ(error.line, c.line) << error.message;
    EXPECT_EQ(error.problem, c.problem) << error.message;
    EXPECT_NE(error.message.find(c.says), std::string::npos) << error.message;
  }
}

namespace {

// The converted file without its first comment, which names the source.
std::string Converted(const std::string& sbg, uint64_t blocks = 0) {
  SbgSession imported;
  SessionError error;
  EXPECT_TRUE(ImportSbg(sbg, "t.sbg", blocks, imported, error)) << error.message;
  const std::string text = SbgSessionText(imported, "t.sbg", imported.session.musicFile);
  return text.substr(text.find('\n') + 1);
}

// What a session plays, value by value, lines aside.
std::string Plays(const Session& session) {
  std::string text = session.musicFile + " " + std::to_string(session.musicLevel) + "\n";
  for (const SessionSegment& s : session.segments) {
    text += SegmentLine(s) + "\n";
    for (const Voice& v : s.voices)
      text += VoiceLine(v) + " " + std::to_string(v.shape == VoiceShape::Sine) + "\n";
  }
  return text;
}

}  // namespace

// Catches an ear swapped, a level not at SBaGen's loudness, a slot lost or
// moved (which would carry a phase into the wrong voice), a transition not
// split at its middle, a bell not struck at its own segment's start, the
// light following a beat it should not, or a converted file that reads
// back to another session than the one imported.
TEST(SbgImport, StretchesBecomeSegmentsOfVoicesAsTheReadmeSays) {
  const struct {
    const char* what;
    const char* sbg;
    const char* session;
  } cases[] = {
      {"the ears swapped; plain tones of beat 0; each noise at SBaGen's loudness",
       "-SE\na: 200+10/20 150-4/10 300/5 pink/40 white/10 brown/10\n0:00 a\n0:01 a\n",
       "1m 0 10\n  binaural 200 -10 20\n  binaural 150 4 10\n  binaural 300 0 5\n"
       "  noise pink 32.56\n  noise white 9.99\n  noise brown 4.27\n"},
      {"through silence: two segments meet at the middle; the light follows the beat",
       "-SE\na: pink/40 200+10/20\nb: pink/20 300-5/20\n00:00 a\n00:02 b\n00:04 a\n",
       "90s 0 10\n  noise pink 32.56\n  binaural 200 -10 20\n"
       "30s 0 10\n  noise pink 32.56..24.42\n  binaural 200 -10 20..0\n"
       "30s 0 5\n  noise pink 24.42..16.28\n  binaural 300 5 0..20\n"
       "1m 0 5\n  noise pink 16.28\n  binaural 300 5 20\n"
       "30s 0 5\n  noise pink 16.28..24.42\n  binaural 300 5 20..0\n"},
      {"-> fades in at the pitch; isochronic smooth pulses; spins of pink and brown",
       "-SE\noff: -\na: 300@10/20 spin:300+4/30 bspin:100-2/10\n00:00 off ->\n00:00:15 a\n"
       "00:01 a ->\n00:01:15 off\n",
       "15s 0 10\n  isochronic 300 10 0..20 smooth\n  spin 300 4 0..24.42\n"
       "  spin 100 -2 0..4.27 brown\n"
       "45s 0 10\n  isochronic 300 10 20 smooth\n  spin 300 4 24.42\n  spin 100 -2 4.27 brown\n"
       "15s 0 10\n  isochronic 300 10 20..0 smooth\n  spin 300 4 24.42..0\n"
       "  spin 100 -2 4.27..0 brown\n"},
      {"a short neighbour trims the transition; no beat, no light, and 10 Hz",
       "-SE\na: 100/10\nb: 200/10\nc: 300/10\n00:00:00 a\n00:00:40 b\n00:01:00 c\n",
       "10s 0 10 light 0\n  binaural 100 0 5..10\n25s 0 10 light 0\n  binaural 100 0 10..0\n"
       "25s 0 10 light 0\n  binaural 200 0 0..10\n"},
      {"a bell cuts its slide and is struck in its slot; an empty slot holds the next",
       "-SE\nt: 100/10\nd: - 100/10 bell+2050/20\n0:00 t ->\n0:01 d\n0:02 d\n",
       "30s 0 10 light 0\n  binaural 100 0 10..5\n  binaural 100 0 0..5\n"
       "30s 0 10 light 0\n  binaural 100 0 5..0\n  binaural 100 0 5..10\n  bell 2050 20\n"
       "1m 0 10 light 0\n  tone 0 0\n  binaural 100 0 10\n"},
      {"mix/ plays the -m file's music by voice; a loud tone-set is scaled and says so",
       "-SE -m rain.wav\na: 200/60 300/60 mix/30\nb: square:200/10 - mix/10\n0:00 a\n0:01 b\n"
       "0:02 b\n",
       "# tone-set a (line 2): its levels add up to 150; scaled to 100, as SBaGen+ does\n"
       "music rain.wav 0\n30s 0 10 light 0\n  binaural 200 0 0..40\n  binaural 300 0 0..40\n"
       "  music 15..20\n30s 0 10 light 0\n  binaural 200 0 40..0\n  binaural 300 0 40..0\n"
       "  music 20..15\n30s 0 10 light 0\n  tone 200 0..10 square\n  tone 0 0\n  music 15..10\n"
       "30s 0 10 light 0\n  tone 200 10 square\n  tone 0 0\n  music 10\n"},
      {"a beat above 50 Hz shows no light; a dark stretch holds the frequency before it",
       "## two\n-SE\na: 200+60/10 200+5/10\nb: 0.00+0.00/0 pink/10\n0:00 a\n0:01 == b\n0:02 b\n",
       "# two\n30s 0 5\n  binaural 200 -60 0..10\n  binaural 200 -5 0..10\n"
       "30s 0 5\n  binaural 200 -60 10..0\n  binaural 200 -5 10..0\n"
       "30s 0 5 light 0\n  binaural 0 0 0\n  noise pink 0..8.14\n"
       "30s 0 5 light 0\n  binaural 0 0 0\n  noise pink 8.14\n"},
      {"-m without mix/ plays at 100 throughout; a block of relative times; the last slide "
       "heads for the first line a day on, cut after the hour",
       "-m a.wav\na: 200+4/10\nb: 200+6/10\nab: {\n +0:00 == a ->\n +0:01 == b ->\n}\n"
       "NOW ab\n+0:02 ab\n",
       "music a.wav 100\n1m 0 4 6\n  binaural 200 -4..-6 10\n1m 0 6 4\n  binaural 200 -6..-4 10\n"
       "1m 0 4 6\n  binaural 200 -4..-6 10\n57m 0 6 5.92\n  binaural 200 -6..-5.92 10\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Converted(c.sbg), c.session) << c.what;
    SbgSession imported;
    Session read;
    SessionError error;
    ASSERT_TRUE(ImportSbg(c.sbg, "t.sbg", 0, imported, error)) << c.what;
    ASSERT_TRUE(ParseSession(SbgSessionText(imported, "t.sbg", imported.session.musicFile), "t",
                             read, error))
        << error.message;
    EXPECT_EQ(Plays(read), Plays(imported.session)) << c.what;
    // The editor opens it as a copy, without a file.
    SessionDocument document;
    ASSERT_TRUE(OpenDocument(SbgSessionText(imported, "t.sbg", imported.session.musicFile), "",
                             document, error))
        << error.message;
    ASSERT_TRUE(ReadBack(document, read, error)) << error.message;
    EXPECT_EQ(Plays(read), Plays(imported.session)) << c.what;
  }
}

// Catches --minutes that cuts the session short (what is rendered must be
// its first blocks, slides and all) or runs past -E's end, a longer length
// that does not stand in for -L or the hour, and a mix file of another
// format let through.
TEST(SbgImport, LengthsAskedForAndMusicOfAnotherFormat) {
  const std::string twoMinutes = "-SE\na: 200+4/10\n0:00 a\n0:02 a\n";
  EXPECT_EQ(Converted(twoMinutes, 40), "2m 0 4\n  binaural 200 -4 10\n");
  EXPECT_EQ(Converted(twoMinutes, 4000), "2m 0 4\n  binaural 200 -4 10\n");
  EXPECT_EQ(Converted("-L 0:01\na: 200+4/10\n0:00 a\n", 1), "1m 0 4\n  binaural 200 -4 10\n");
  EXPECT_EQ(Converted("a: 200+4/10\n0:00 a\n", 16800), "70m 0 4\n  binaural 200 -4 10\n");
  SbgSession imported;
  SessionError error;
  EXPECT_FALSE(ImportSbg("\n-SE -m waves/river.OGG\na: mix/50\n0:00 a\n0:01 a\n", "t.sbg", 0,
                         imported, error));
  EXPECT_EQ(error.message,
            "t.sbg line 2: -m 'waves/river.OGG' is not a WAV file, which is what the music plays; "
            "convert it with ffmpeg -i waves/river.OGG -ac 2 -ar 44100 -c:a pcm_s16le "
            "waves/river.wav");
  EXPECT_TRUE(IsSbgFileName("C:\\Sessions\\Focus.SBG"));
  EXPECT_FALSE(IsSbgFileName("focus.sbg.txt"));
}
