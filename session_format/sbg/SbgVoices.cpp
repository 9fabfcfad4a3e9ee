// The voice words of a tone-set, matched in SBaGen's order: the first form
// that fits wins. Numbers are read as C's %lf reads them (a sign, a point,
// an exponent) and rounded exactly, from their digits, to hundredths.
#include <cstring>

#include "session_format/SessionFields.h"
#include "session_format/SessionLimits.h"
#include "session_format/TextFields.h"
#include "session_format/sbg/SbgFile.h"

namespace {

// Beyond any range below, in hundredths, and within int32.
constexpr int64_t Huge = 1000000000;

bool Digit(char c) { return c >= '0' && c <= '9'; }

size_t DigitsFrom(const std::string& text, size_t at) {
  size_t end = at;
  while (end < text.size() && Digit(text[end])) end++;
  return end - at;
}

// The length of the number at `at`: [sign] digits [. digits] [e [sign] digits],
// at least one digit before the exponent; 0 for none.
size_t NumberLength(const std::string& text, size_t at) {
  size_t end = at;
  if (end < text.size() && (text[end] == '+' || text[end] == '-')) end++;
  size_t digits = DigitsFrom(text, end);
  end += digits;
  if (end < text.size() && text[end] == '.') {
    const size_t fraction = DigitsFrom(text, end + 1);
    digits += fraction;
    end += 1 + fraction;
  }
  if (digits == 0) return 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) exponent++;
    const size_t count = DigitsFrom(text, exponent);
    if (count > 0) end = exponent + count;
  }
  return end - at;
}

// A number's value in hundredths, rounded half away from zero on its decimal
// digits, so that 156.085 is 156.09 whatever a double would make of it.
// Magnitudes of Huge and more come back as Huge.
int32_t Hundredths(const std::string& number) {
  size_t at = 0;
  const bool negative = number[0] == '-';
  if (number[0] == '+' || number[0] == '-') at = 1;
  std::string digits;
  int64_t shift = 2;  // the power of ten that turns the digits into hundredths
  bool fraction = false;
  for (; at < number.size() && number[at] != 'e' && number[at] != 'E'; at++) {
    if (number[at] == '.') {
      fraction = true;
      continue;
    }
    digits += number[at];
    if (fraction) shift--;
  }
  if (at < number.size()) {
    const bool down = number[at + 1] == '-';
    std::string exponent = number.substr(at + (down || number[at + 1] == '+' ? 2 : 1));
    exponent.erase(0, exponent.find_first_not_of('0'));
    const int64_t magnitude = exponent.size() > 5 ? 99999 : std::stoll("0" + exponent);
    shift += down ? -magnitude : magnitude;
  }
  digits.erase(0, digits.find_first_not_of('0'));
  if (digits.empty()) return 0;
  const int64_t kept = static_cast<int64_t>(digits.size()) + shift;  // digits left of the cut
  if (kept > 10) return negative ? -Huge : Huge;
  int64_t value = 0;
  for (int64_t i = 0; i < kept; i++)
    value = value * 10 + (i < static_cast<int64_t>(digits.size()) ? digits[i] - '0' : 0);
  if (kept >= 0 && kept < static_cast<int64_t>(digits.size()) && digits[kept] >= '5') value++;
  if (value >= Huge) value = Huge;
  return static_cast<int32_t>(negative ? -value : value);
}

// Reads the word from `at` on, part by part; each step false where the word
// does not go on that way.
struct Reader {
  const std::string& word;
  size_t at;
};

bool Literal(Reader& r, const char* text) {
  if (r.word.compare(r.at, std::strlen(text), text) != 0) return false;
  r.at += std::strlen(text);
  return true;
}

bool Number(Reader& r, int32_t& value) {
  const size_t length = NumberLength(r.word, r.at);
  if (length == 0) return false;
  value = Hundredths(r.word.substr(r.at, length));
  r.at += length;
  return true;
}

bool End(const Reader& r) { return r.at == r.word.size(); }

// NUMBER / NUMBER, or NUMBER NUMBER / NUMBER where `two` asks for both.
bool Numbers(Reader& r, int32_t& a, int32_t& b, int32_t& amplitude, bool two) {
  if (!Number(r, a)) return false;
  if (two && !Number(r, b)) return false;
  return Literal(r, "/") && Number(r, amplitude) && End(r);
}

// Each form matched on its own copy of the start, in SBaGen's order.
bool MatchNoise(const std::string& word, SbgVoice& voice) {
  const struct {
    const char* prefix;
    SbgVoiceType type;
  } noises[] = {{"pink/", SbgVoiceType::Pink},
                {"white/", SbgVoiceType::White},
                {"brown/", SbgVoiceType::Brown},
                {"mix/", SbgVoiceType::Mix}};
  for (const auto& noise : noises) {
    Reader r{word, 0};
    int32_t amplitude = 0;
    if (Literal(r, noise.prefix) && Number(r, amplitude) && End(r)) {
      voice.type = noise.type;
      voice.amplitude = amplitude;
      return true;
    }
  }
  return false;
}

// C/A: a tone without a beat, the only voice that takes another waveform.
bool PlainForm(const std::string& word) {
  Reader r{word, 0};
  int32_t carrier = 0, amplitude = 0;
  return Numbers(r, carrier, carrier, amplitude, false);
}

bool MatchTone(const std::string& word, SbgVoice& voice) {
  int32_t a = 0, b = 0, amplitude = 0;
  Reader bell{word, 0};
  if (Literal(bell, "bell") && Numbers(bell, a, b, amplitude, false)) {
    voice = SbgVoice{SbgVoiceType::Bell, SbgWave::Sine, a, 0, 0, amplitude, NoiseColour::None};
    return true;
  }
  // SBaGen+'s bspin: and wspin: turn brown and white noise; they come in as
  // classic SBaGen's spin of that noise.
  const struct {
    const char* prefix;
    NoiseColour noise;
  } spins[] = {{"spin:", NoiseColour::Pink},
               {"bspin:", NoiseColour::Brown},
               {"wspin:", NoiseColour::White}};
  for (const auto& form : spins) {
    Reader spin{word, 0};
    if (Literal(spin, form.prefix) && Numbers(spin, a, b, amplitude, true)) {
      voice = SbgVoice{SbgVoiceType::Spin, SbgWave::Sine, 0, b, a, amplitude, form.noise};
      return true;
    }
  }
  Reader pulse{word, 0};
  if (Number(pulse, a) && Literal(pulse, "@") && Numbers(pulse, b, b, amplitude, false)) {
    voice = SbgVoice{SbgVoiceType::Isochronic, SbgWave::Sine, a, b, 0, amplitude, NoiseColour::None};
    return true;
  }
  Reader binaural{word, 0};
  if (Numbers(binaural, a, b, amplitude, true)) {
    voice = SbgVoice{SbgVoiceType::Binaural, SbgWave::Sine, a, b, 0, amplitude, NoiseColour::None};
    return true;
  }
  Reader plain{word, 0};
  b = 0;
  if (Numbers(plain, a, b, amplitude, false)) {
    voice = SbgVoice{SbgVoiceType::Binaural, SbgWave::Sine, a, 0, 0, amplitude, NoiseColour::None};
    return true;
  }
  return false;
}

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// A name followed by digits and then `after`, such as noise12/ or spin3:.
bool NumberedName(const std::string& word, const char* name, char after) {
  const size_t length = std::strlen(name);
  if (!StartsWith(word, name)) return false;
  const size_t digits = DigitsFrom(word, length);
  return digits > 0 && word.size() > length + digits && word[length + digits] == after;
}

// The voices of SBaGen+ and SBaGenX that ours cannot say: the name to give.
std::string ForeignVoice(const std::string& word) {
  for (const char* name :
       {"mixspin", "mixpulse", "noisepulse", "noisebeat", "orbitbeat", "mixbeat", "mixam"})
    if (StartsWith(word, name) && word.size() > std::strlen(name) &&
        word[std::strlen(name)] == ':')
      return name;
  if (NumberedName(word, "wave", ':')) return "waveNN";
  if (NumberedName(word, "noise", '/')) return "noiseNN";
  if (NumberedName(word, "spin", ':')) return "spinNN";
  return "";
}

SbgWave Prefixed(std::string& word, bool& prefixed) {
  const struct {
    const char* prefix;
    SbgWave wave;
  } waves[] = {{"sine:", SbgWave::Sine},
               {"square:", SbgWave::Square},
               {"triangle:", SbgWave::Triangle},
               {"sawtooth:", SbgWave::Sawtooth}};
  for (const auto& w : waves)
    if (StartsWith(word, w.prefix)) {
      word.erase(0, std::strlen(w.prefix));
      prefixed = true;
      return w.wave;
    }
  prefixed = false;
  return SbgWave::Sine;
}

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// What our voices can say (session_format/SessionLimits.h), in hundredths.
bool CheckRanges(const SbgVoice& v, const std::string& word, SessionError& error) {
  const bool tone = v.type == SbgVoiceType::Binaural || v.type == SbgVoiceType::Isochronic ||
                    v.type == SbgVoiceType::Bell;
  const bool spin = v.type == SbgVoiceType::Spin;
  const char* wrong = nullptr;
  if (!InRange(v.amplitude, 0, static_cast<int32_t>(FullLevel * 100))) wrong = "level";
  if (tone && !InRange(v.carrier, 0, MostSbgCarrier)) wrong = "carrier";
  if (v.type == SbgVoiceType::Binaural && !InRange(v.beat, -MostSbgBeat, MostSbgBeat))
    wrong = "beat";
  if (v.type == SbgVoiceType::Isochronic && !InRange(v.beat, LeastSbgPulse, MostSbgPulse))
    wrong = "pulse";
  if (spin && !InRange(v.beat, -MostSbgBeat, MostSbgBeat)) wrong = "spin";
  if (spin && !InRange(v.width, -MostSbgWidth, MostSbgWidth)) wrong = "width";
  if (wrong) return Problem(error, SessionProblem::SbgVoiceValue, wrong, Printable(word));
  return true;
}

}  // namespace

SbgVoice SbgOff() { return SbgVoice{SbgVoiceType::Off, SbgWave::Sine, 0, 0, 0, 0, NoiseColour::None}; }

bool ParseSbgVoice(const std::string& word, SbgVoice& voice, SessionError& error) {
  voice = SbgOff();
  if (word == "-") return true;
  std::string body = word;
  bool prefixed = false;
  const SbgWave wave = Prefixed(body, prefixed);
  const std::string foreign = ForeignVoice(body);
  if (!foreign.empty())
    return Problem(error, SessionProblem::SbgVoiceNotSupported, foreign, Printable(word));
  // SBaGen+ takes a waveform before tones, bells and spins, not before noise.
  const bool matched = (!prefixed && MatchNoise(body, voice)) || MatchTone(body, voice);
  if (!matched) return Problem(error, SessionProblem::SbgVoiceForm, "", Printable(word));
  // Our tones take another waveform than the sine only without a beat.
  if (wave != SbgWave::Sine && !PlainForm(body))
    return Problem(error, SessionProblem::SbgWaveformPrefix, "", Printable(word));
  voice.wave = wave;
  return CheckRanges(voice, word, error);
}
