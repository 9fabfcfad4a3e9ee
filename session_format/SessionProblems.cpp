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
  return "LEVEL, such as music 40";
}

// The written form and the range of a voice's value.
std::string ValueForm(const std::string& value) {
  if (value == "level") return "a per cent with at most two decimals, such as 15 or 1.5";
  const std::string hertz = "in hertz with at most two decimals, such as 200 or 7.5";
  return value == "carrier" ? hertz : hertz + ", or f";
}

std::string SlideExample(const std::string& value) {
  return value == "level" ? "15..0" : value == "carrier" ? "200..150" : "10..4";
}

std::string ValueRange(const std::string& value) {
  if (value == "carrier") return "0..20000";
  if (value == "beat") return "-100..100";
  if (value == "rate") return "0.10..100";
  return "0..100";
}

// What the player and render-sound play, said after every refused music file.
const char MusicAccepted[] = "; accepted: WAV files of 16-bit PCM at 44100 Hz, mono or stereo";

std::string MusicFile(const SessionError& e) { return "music file '" + e.field + "'"; }

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
      return "noise '" + e.field + "' is not white, pink or brown";
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
             "' is not a voice (binaural, monaural, isochronic, tone, noise or music), a "
             "directive (fade-in, fade-out, title or music) or a segment's duration";
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
  }
  return "";
}
