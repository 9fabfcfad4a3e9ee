#include "session_format/SessionProblems.h"

#include "session_format/SessionLimits.h"

namespace {

std::string Number(uint64_t value) { return std::to_string(value); }

std::string LongestSessionText() {
  const LongestLength longest = LongestSession();
  return BlockLimit() + " blocks (" + Number(longest.hours) + " h " + Number(longest.minutes) +
         " min " + Number(longest.seconds) + " s)";
}

// What a word of a segment line, or the music directive, takes after it.
std::string WordTakes(const std::string& word) {
  if (word == "noise") return "a colour (white, pink or brown) and a level " + LevelLimits();
  if (word == "light") return "a visual pattern " + ModeLimits();
  if (word == "colour") return "a colour: white, red, green, blue, amber, violet or #RRGGBB";
  return "a level " + LevelLimits();
}

std::string DirectiveTakes(const SessionError& e) {
  if (e.word == "music")
    return "music takes a FILE and a LEVEL " + LevelLimits() + ", such as music rain.wav 40; " + Number(e.count) +
           " given";
  return e.word + " takes one DURATION, such as " + e.word + " 20s; " + Number(e.count) + " given";
}

// What each kind of voice takes after its word.
std::string VoiceTakes(const std::string& kind) {
  if (kind == "binaural" || kind == "monaural")
    return "CARRIER BEAT LEVEL, such as " + kind + " 200 10 15";
  if (kind == "isochronic")
    return "CARRIER RATE LEVEL [SHAPE], such as isochronic 200 10 15 square";
  if (kind == "tone") return "CARRIER LEVEL [WAVE], such as tone 200 15";
  if (kind == "noise") return "COLOUR LEVEL, such as noise pink 30";
  if (kind == "spin") return "WIDTH BEAT LEVEL [COLOUR], such as spin 300 4.2 30 brown";
  if (kind == "bell") return "CARRIER LEVEL, such as bell 2050 20";
  return "LEVEL, such as music 40";
}

// The written form and the range of a voice's value.
std::string ValueForm(const std::string& value) {
  if (value == "level") return "a per cent with at most two decimals, such as 15 or 1.5";
  if (value == "width") return "in microseconds with at most two decimals, such as 300 or -95.5";
  const std::string hertz = "in hertz with at most two decimals, such as 200 or 7.5";
  return value == "carrier" ? hertz : hertz + ", or f";
}

std::string SlideExample(const std::string& value) {
  if (value == "width") return "300..500";
  return value == "level" ? "15..0" : value == "carrier" ? "200..150" : "10..4";
}

std::string ValueRange(const std::string& value) {
  if (value == "carrier") return "0..20000";
  if (value == "beat") return "-100..100";
  if (value == "rate") return "0.10..100";
  if (value == "width") return "-20000..20000";
  return "0..100";
}

// What the player and render-sound play, said after every refused music file.
const char MusicAccepted[] = "; accepted: WAV files of 16-bit PCM at 44100 Hz, mono or stereo";

std::string MusicFile(const SessionError& e) { return "music file '" + e.field + "'"; }

// The voices an .sbg tone-set may hold, said after a voice that is refused.
const char SbgVoices[] = "-, C+B/A, C-B/A, C/A, C@P/A, pink/A, white/A, brown/A, bell+F/A, "
                         "spin:W+B/A, bspin:W+B/A, wspin:W+B/A or mix/A";

std::string Quoted(const std::string& field) { return "'" + field + "'"; }

std::string SbgOptionTakes(const std::string& option) {
  if (option == "-T") return "a time of day, hh:mm or hh:mm:ss";
  if (option == "-L") return "a length, hh:mm or hh:mm:ss";
  if (option == "-F") return "a fade in milliseconds";
  if (option == "-q") return "a whole number above 0";
  if (option == "-w") return "a waveform: sine, square, triangle or sawtooth";
  if (option == "-m") return "a file";
  return "a whole number";
}

std::string SbgOptionValue(const SessionError& e) {
  const std::string takes = e.word + " takes " + SbgOptionTakes(e.word) +
                            (e.limit ? ", up to " + Number(e.limit) : "");
  return e.field.empty() ? takes + ", and it is missing" : takes + "; not " + Quoted(e.field);
}

std::string SbgOptionRefused(const SessionError& e) {
  if (e.word == "-p")
    return Quoted(e.field) + ": built-in programs (-p) cannot be imported; write the program's "
                             "tone-sets and time lines instead";
  if (e.word == "-i")
    return Quoted(e.field) + ": tones given with -i cannot be imported; write them as a tone-set "
                             "and a time line";
  std::string taken;
  if (e.word == "-q") taken = "; taken: -q 1, the same as -S";
  if (e.word == "-r") taken = "; sessions play at 44100 frames a second (-r 44100)";
  if (e.word == "-b") taken = "; taken: -b 16";
  if (e.word == "-V") taken = "; taken: -V 100";
  if (e.word == "-w") taken = "; taken: -w sine (a plain tone takes another one as square:C/A)";
  return Quoted(e.field) + " changes the sound in a way the import cannot follow" + taken;
}

std::string SbgValueRange(const std::string& value) {
  const std::string limits = " is out of range " + SbgValueLimits(value);
  if (value == "carrier") return "its carrier" + limits + " Hz";
  if (value == "beat") return "its beat" + limits + " Hz";
  if (value == "pulse") return "its pulse rate" + limits + " Hz";
  if (value == "spin") return "its spin rate" + limits + " Hz";
  if (value == "width") return "its width" + limits + " microseconds";
  if (value == "level") return "its level" + limits;
  return "its " + value + " is out of range";
}

std::string SbgVoiceNotSupported(const SessionError& e) {
  if (e.word == "waveNN") return Quoted(e.field) + ": waveforms of a file's own (waveNN) cannot be imported";
  return Quoted(e.field) + ": " + e.word + " voices cannot be imported; a voice is " + SbgVoices;
}

// The .sbg reader's problems.
std::string EnglishSbgProblem(const SessionError& e) {
  switch (e.problem) {
    case SessionProblem::SbgOptionLate:
      return "option " + Quoted(e.field) + " comes after line " + Number(e.count) +
             ", the first tone-set or time line; options stand at the top of the file";
    case SessionProblem::SbgOptionUnknown:
      return Quoted(e.field) + " is not an option this import takes: -S, -E, -T, -L, -F, -q 1, "
                               "-r 44100, -m FILE, and -Q, -D, -W, -O, -o, -R and -N, which "
                               "change nothing heard";
    case SessionProblem::SbgOptionValue:
      return SbgOptionValue(e);
    case SessionProblem::SbgOptionRefused:
      return SbgOptionRefused(e);
    case SessionProblem::SbgStartConflict:
      return "-T (line " + Number(e.count) +
             ") and -S or -q both say where the session starts; keep one of them";
    case SessionProblem::SbgVoiceForm:
      return Quoted(e.field) + " is not a voice: " + SbgVoices;
    case SessionProblem::SbgVoiceNotSupported:
      return SbgVoiceNotSupported(e);
    case SessionProblem::SbgWaveformPrefix:
      return Quoted(e.field) +
             ": a waveform other than sine is taken on plain tones C/A only, such as square:200/10";
    case SessionProblem::SbgVoiceValue:
      return Quoted(e.field) + ": " + SbgValueRange(e.word);
    case SessionProblem::SbgTooManyVoices:
      return "a tone-set of " + Number(e.count) + " voices; at most " + Number(e.limit);
    case SessionProblem::SbgBlockOpen:
      return "block " + e.word + " opens with { alone after its name: " + e.word + ": {";
    case SessionProblem::SbgBlockLine:
      return Quoted(e.field) + " in a block: each of its lines starts with a relative time, such "
                               "as +00:10 alpha, and a } alone ends it";
    case SessionProblem::SbgBlockEmpty:
      return "block " + e.word + " holds no lines";
    case SessionProblem::SbgBlockUnclosed:
      return "block " + e.word + " has no } on a line of its own to end it";
    case SessionProblem::SbgBlockCallsItself:
      return "block " + e.word + " calls itself and would never end";
    case SessionProblem::SbgBlocksTooDeep:
      return "block " + e.word + " lies more than " + Number(e.count) + " blocks deep within blocks";
    case SessionProblem::SbgTimeForm:
      return Quoted(e.field) + " is not a time (hh:mm, hh:mm:ss or NOW, then perhaps +hh:mm) "
                               "nor a definition (a name, a colon and a space)";
    case SessionProblem::SbgRelativeFirst:
      return Quoted(e.field) +
             " counts from the last absolute time (NOW or hh:mm), and none comes before it";
    case SessionProblem::SbgNowAndClock:
      return Quoted(e.field) + " and line " + Number(e.count) +
             " mix NOW and clock times (-T among them), which would sound different at each "
             "hour the file starts; time it all from NOW or all by the clock";
    case SessionProblem::SbgFadeForm:
      return Quoted(e.field) +
             " is neither a name nor fades: two characters, < - or = and then > - or =";
    case SessionProblem::SbgUnknownName:
      if (e.field.empty()) return "the time names no tone-set or block to play";
      return Quoted(e.field) + " is not a tone-set or block defined above this line";
    case SessionProblem::SbgTrailing:
      return Quoted(e.field) + " after the name; only -> may follow it";
    case SessionProblem::SbgLongerThanDay:
      return "the time lines up to this one go round more than 24 hours";
    case SessionProblem::SbgTooManyTimeLines:
      return "more than " + Number(e.count) + " time lines with the blocks written out";
    case SessionProblem::SbgNoTimeLine:
      return "no time line, such as 00:00 alpha, says when a tone-set plays";
    case SessionProblem::SbgMixWithoutFile:
      return "tone-set " + e.word + " plays mix/, the sound of the file that -m names, and the "
                                    "file names none";
    case SessionProblem::SbgEmpty:
      if (e.word == "-L") return "the session is empty: -L gives it no length";
      return "the session is empty: -E ends it at its last time line, where it starts";
    case SessionProblem::SbgMixNotWave:
      return "-m " + Quoted(e.field) + " is not a WAV file, which is what the music plays; "
             "convert it with ffmpeg -i " + e.field + " -ac 2 -ar 44100 -c:a pcm_s16le " + e.word;
    default:
      return "";
  }
}

}  // namespace

std::string EnglishSessionProblem(const SessionError& e) {
  switch (e.problem) {
    case SessionProblem::None:
      return "";
    case SessionProblem::FieldCount:
      return Number(e.count) + " fields, where a segment is DURATION MODE FREQUENCY [FREQUENCY]";
    case SessionProblem::DurationForm:
      return "duration '" + e.field +
             "' is not a decimal number followed by m or s, such as 20m or 1.5s";
    case SessionProblem::DurationZero:
      return "duration " + e.field + " is not greater than 0";
    case SessionProblem::DurationTooLong:
      return "duration " + e.field + " is longer than " + LongestSessionText();
    case SessionProblem::ModeForm:
      return "mode '" + e.field + "' is not a sound mode " + ModeLimits();
    case SessionProblem::ModeRange:
      return "mode " + e.field + " is out of range " + ModeLimits();
    case SessionProblem::FrequencyForm:
      return "frequency '" + e.field +
             "' is not in hertz with at most two decimals, such as 12, 7.8 or 7,80";
    case SessionProblem::FrequencyRange:
      return "frequency " + e.field + " is out of range " + FrequencyLimits();
    case SessionProblem::SessionTooLong:
      return "the session grows beyond " + LongestSessionText();
    case SessionProblem::SecondDirective:
      return "a second " + e.word + "; the first is on line " + Number(e.count);
    case SessionProblem::DirectiveValues:
      return DirectiveTakes(e);
    case SessionProblem::FadesTooLong:
      return "the fades together are " + Number(e.count) + " blocks, longer than the session's " +
             Number(e.limit);
    case SessionProblem::NoSegment:
      return "no segment, only blank lines, comments and fades";
    case SessionProblem::TitleLanguage:
      return "title takes a language, en or ru, then the title, such as title en Relax" +
             (e.field.empty() ? std::string() : "; not '" + e.field + "'");
    case SessionProblem::TitleEmpty:
      return "title " + e.word + " has no text; write it after the language";
    case SessionProblem::UnknownWord:
      return "'" + e.field +
             "' is not a word of a segment: volume, noise, light, brightness or colour";
    case SessionProblem::WordTwice:
      return "a second " + e.word + " in one segment";
    case SessionProblem::WordValueMissing:
      return e.word + " takes " + WordTakes(e.word) + ", and it is missing";
    case SessionProblem::LevelForm:
      return e.word + " level '" + e.field + "' is not a whole number " + LevelLimits() + " (per cent)";
    case SessionProblem::LevelRange:
      return e.word + " level " + e.field + " is out of range " + LevelLimits();
    case SessionProblem::NoiseColourForm:
      return e.word + " '" + e.field + "' is not white, pink or brown";
    case SessionProblem::PatternForm:
      return "light '" + e.field + "' is not a visual pattern " + ModeLimits();
    case SessionProblem::PatternRange:
      return "light " + e.field + " is out of range " + ModeLimits();
    case SessionProblem::ColourForm:
      return "colour '" + e.field + "' is not white, red, green, blue, amber, violet or #RRGGBB";
    case SessionProblem::VoiceBeforeSegment:
      return e.word + " is a voice, which belongs under a segment line; there is none above it";
    case SessionProblem::VoiceKindUnknown:
      return "'" + e.field +
             "' is not a voice (binaural, monaural, isochronic, tone, noise, music, spin or "
             "bell), a directive (fade-in, fade-out, title or music) or a segment's duration";
    case SessionProblem::VoiceFieldCount:
      return e.word + " takes " + VoiceTakes(e.word) + "; " + Number(e.count) + " given";
    case SessionProblem::VoiceValueForm:
      return e.word + " '" + e.field + "' is not " + ValueForm(e.word) + ", or a slide FIRST..LAST";
    case SessionProblem::VoiceSlideForm:
      return e.word + " '" + e.field + "' is not a slide FIRST..LAST of two numbers, such as " +
             SlideExample(e.word);
    case SessionProblem::VoiceValueRange:
      return e.word + " " + e.field + " is out of range " + ValueRange(e.word);
    case SessionProblem::VoiceShapeForm:
      return e.word + (e.word == "tone" ? " wave '" : " shape '") + e.field + "' is not " +
             (e.word == "tone" ? "sine, square, triangle or saw"
                               : "sine, square, triangle, saw or smooth");
    case SessionProblem::VoiceTooMany:
      return "voice " + Number(e.count) + " of one segment; a segment has at most 16";
    case SessionProblem::MusicVoiceAlone:
      return "a music voice plays the session's music, and there is no music line";
    case SessionProblem::BellSlides:
      return "bell " + e.word + " '" + e.field +
             "' slides; a bell is struck once, at one carrier and level";
    case SessionProblem::TextNotWritable:
      return (e.word == "title" ? "the title '" : "the music file '") + e.field +
             "' holds a # or a line break, which a session file cannot keep in it";
    case SessionProblem::MusicMissing:
      return MusicFile(e) + " does not exist";
    case SessionProblem::MusicUnreadable:
      return MusicFile(e) + " cannot be read";
    case SessionProblem::MusicNotWave:
      return MusicFile(e) + " is not a WAV file, or its header is cut short" + MusicAccepted;
    case SessionProblem::MusicEncoding:
      return MusicFile(e) + " is not PCM (format " + Number(e.count) + ")" + MusicAccepted;
    case SessionProblem::MusicBits:
      return MusicFile(e) + " has " + Number(e.count) + "-bit samples" + MusicAccepted;
    case SessionProblem::MusicRate:
      return MusicFile(e) + " plays at " + Number(e.count) + " Hz" + MusicAccepted;
    case SessionProblem::MusicChannels:
      return MusicFile(e) + " has " + Number(e.count) + " channels" + MusicAccepted;
    case SessionProblem::MusicEmpty:
      return MusicFile(e) + " holds no sound";
    case SessionProblem::MusicReadFailed:
      return "reading " + MusicFile(e) + " failed";
    default:
      return EnglishSbgProblem(e);
  }
  return "";
}
