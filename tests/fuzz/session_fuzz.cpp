// A bounded fuzz of render-sound's session files, fades and voices and all: thousands of
// generated, mutated and random texts from a fixed seed. Every run must end either in
// exit 0 with exactly the blocks an independent reading of the rules gives
// (and at most a line of clamped samples, where the levels allow one: a
// bell's count in every segment after its own, which it may ring into), or in
// exit 2 with one line naming the first bad line and nothing written.
// Most runs call the tool's entry in this process; every fortieth runs the
// real program, with the session on its standard input half of the time.
//
//   session_fuzz RENDER_SOUND [RUNS]
#include <fcntl.h>
#include <regex.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "session_format/SessionReader.h"
#include "session_format/SessionSchedule.h"
#include "sound/render_sound/RenderSession.h"

namespace {

// The expected outcome: the blocks of a valid session, or the first bad line
// (0 for a session without segments); and whether its mix may clamp, which
// it can only where a segment's volume and noise level add up to more than
// 100.
struct Expected {
  bool valid;
  uint64_t blocks;
  uint64_t badLine;
  bool mayClamp;
};

using Wide = unsigned __int128;

// Longer valid sessions, rare mutations, are not rendered: gigabytes of sound
// would take minutes under the sanitizers.
const uint64_t LongestRender = 100;

// ceil(DIGITS[.DIGITS] x factor) by plain wide arithmetic: integer parts of
// more than seven digits are beyond any limit, fractions count to 20 digits
// and any digit past them rounds up.
uint64_t ReferenceBlocks(const std::string& number, unsigned factor) {
  const size_t point = std::min(number.find('.'), number.size());
  std::string whole = number.substr(0, point).erase(0, number.find_first_not_of('0'));
  if (whole.size() > 7) return 1u << 30;
  std::string fraction = point < number.size() ? number.substr(point + 1) : "";
  const bool beyond =
      fraction.size() > 20 && fraction.find_first_not_of('0', 20) != std::string::npos;
  fraction = (fraction + std::string(20, '0')).substr(0, 20);
  Wide scaled = 0, unit = 1;
  for (char c : whole + fraction) scaled = scaled * 10 + (c - '0');
  for (int i = 0; i < 20; i++) unit *= 10;
  scaled *= factor;
  return static_cast<uint64_t>(scaled / unit + (scaled % unit != 0 || beyond ? 1 : 0));
}

uint64_t Hundredths(const std::string& hertz) {
  const size_t separator = std::min(hertz.find_first_of(".,"), hertz.size());
  if (hertz.find_first_not_of('0') < separator && separator - hertz.find_first_not_of('0') > 5)
    return 1u << 30;
  const std::string cents =
      separator < hertz.size() ? (hertz.substr(separator + 1) + "0").substr(0, 2) : "00";
  return std::stoull("0" + hertz.substr(0, separator)) * 100 + std::stoull(cents);
}

regex_t Compiled(const char* pattern) {
  regex_t compiled;
  if (regcomp(&compiled, pattern, REG_EXTENDED) != 0) std::abort();
  return compiled;
}

// Whether the pattern matches text; m, of 16, gets the groups.
bool Matches(const regex_t& pattern, const std::string& text, regmatch_t* m = nullptr) {
  regmatch_t unused[16];
  return regexec(&pattern, text.c_str(), 16, m ? m : unused, 0) == 0;
}

// A level written in digits, leading zeros allowed; 1000 for any above 999.
uint64_t Level(const std::string& digits) {
  const std::string value = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
  return value.size() > 3 ? 1000 : value.empty() ? 0 : std::stoull(value);
}

// The line without its comment: # starts one, except right after the word
// colour, where it starts a #RRGGBB.
std::string Uncommented(const std::string& line) {
  static const regex_t colourBefore = Compiled("(^|[ \t])colour[ \t]+$");
  for (size_t hash = line.find('#'); hash != std::string::npos; hash = line.find('#', hash + 1))
    if (!Matches(colourBefore, line.substr(0, hash))) return line.substr(0, hash);
  return line;
}

// The words after a segment's numbers, each at most once, levels 0..100;
// the volume and noise level are kept.
bool ReferenceWords(std::string tail, uint64_t& volume, uint64_t& noise) {
  static const struct {
    const char* word;
    regex_t pattern;
    int level;  // the group of its level, 0 for none
  } words[] = {
      {"volume", Compiled("^[ \t]+volume[ \t]+([0-9]+)([ \t]|$)"), 1},
      {"brightness", Compiled("^[ \t]+brightness[ \t]+([0-9]+)([ \t]|$)"), 1},
      {"noise", Compiled("^[ \t]+noise[ \t]+(white|pink|brown)[ \t]+([0-9]+)([ \t]|$)"), 2},
      {"light", Compiled("^[ \t]+light[ \t]+0*[0-4]([ \t]|$)"), 0},
      {"colour",
       Compiled("^[ \t]+colour[ \t]+(white|red|green|blue|amber|violet|#[0-9A-Fa-f]{6})([ \t]|$)"),
       0},
  };
  static const regex_t rest = Compiled("^[ \t]*$");
  std::string seen;
  while (!Matches(rest, tail)) {
    regmatch_t m[16];
    size_t w = 0;
    while (w < 5 && !Matches(words[w].pattern, tail, m)) w++;
    if (w == 5 || seen.find(words[w].word) != std::string::npos) return false;
    seen += words[w].word;
    if (words[w].level) {
      const int g = words[w].level;
      const uint64_t level = Level(tail.substr(m[g].rm_so, m[g].rm_eo - m[g].rm_so));
      if (level > 100) return false;
      if (w == 0) volume = level;
      if (w == 2) noise = level;
    }
    // The blank that ended the value begins the next word.
    const size_t end = static_cast<size_t>(m[0].rm_eo);
    tail = tail.substr(end - (tail[end - 1] == ' ' || tail[end - 1] == '\t'));
  }
  return true;
}

// The fields of a line, split at spaces and tabs.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c != ' ' && c != '\t') fields.back() += c;
    if ((c == ' ' || c == '\t') && !fields.back().empty()) fields.emplace_back();
  }
  if (fields.back().empty()) fields.pop_back();
  return fields;
}

// A voice's value: a number of hundredths within low..high (a minus sign
// only where low is below 0), FIRST..LAST of two such, or f where allowed.
// top gets the larger end.
bool ReferenceValue(const std::string& text, int64_t low, int64_t high, bool f, int64_t& top) {
  static const regex_t number = Compiled("^(-?)([0-9]+([.,][0-9]{1,2})?)$");
  top = 0;
  if (f && text == "f") return true;
  const size_t dots = text.find("..");
  const std::vector<std::string> ends =
      dots == std::string::npos ? std::vector<std::string>{text}
                                : std::vector<std::string>{text.substr(0, dots), text.substr(dots + 2)};
  top = low;
  for (const std::string& end : ends) {
    regmatch_t m[16];
    if (!Matches(number, end, m) || (m[1].rm_eo > m[1].rm_so && low >= 0)) return false;
    const int64_t magnitude =
        static_cast<int64_t>(Hundredths(end.substr(m[2].rm_so, m[2].rm_eo - m[2].rm_so)));
    const int64_t value = m[1].rm_eo > m[1].rm_so ? -magnitude : magnitude;
    if (value < low || value > high) return false;
    top = std::max(top, value);
  }
  return true;
}

// A voice line's fields after its kind; level gets its largest level.
bool ReferenceVoice(const std::vector<std::string>& f, int64_t& level) {
  const std::string& kind = f[0];
  const size_t values = f.size() - 1;
  int64_t top = 0;
  auto shape = [&](size_t at, bool smooth) {
    return at >= f.size() || f[at] == "sine" || f[at] == "square" || f[at] == "triangle" ||
           f[at] == "saw" || (smooth && f[at] == "smooth");
  };
  if (kind == "music") return ReferenceValue(f[1], 0, 10000, false, level);
  if (kind == "noise")
    return values == 2 && (f[1] == "white" || f[1] == "pink" || f[1] == "brown") &&
           ReferenceValue(f[2], 0, 10000, false, level);
  if (kind == "tone")
    return (values == 2 || values == 3) && ReferenceValue(f[1], 0, 2000000, false, top) &&
           ReferenceValue(f[2], 0, 10000, false, level) && shape(3, false);
  if (kind == "spin")
    return (values == 3 || values == 4) && ReferenceValue(f[1], -2000000, 2000000, false, top) &&
           ReferenceValue(f[2], -10000, 10000, true, top) &&
           ReferenceValue(f[3], 0, 10000, false, level) &&
           (values == 3 || f[4] == "white" || f[4] == "pink" || f[4] == "brown");
  // A bell is struck at one carrier and level.
  if (kind == "bell")
    return values == 2 && f[1].find("..") == std::string::npos &&
           f[2].find("..") == std::string::npos && ReferenceValue(f[1], 0, 2000000, false, top) &&
           ReferenceValue(f[2], 0, 10000, false, level);
  const bool pulses = kind == "isochronic";
  return (values == 3 || (pulses && values == 4)) &&
         ReferenceValue(f[1], 0, 2000000, false, top) &&
         ReferenceValue(f[2], pulses ? 10 : -10000, 10000, true, top) &&
         ReferenceValue(f[3], 0, 10000, false, level) && shape(4, true);
}

bool IsVoiceKind(const std::string& word) {
  for (const char* kind :
       {"binaural", "monaural", "isochronic", "tone", "noise", "music", "spin", "bell"})
    if (word == kind) return true;
  return false;
}

// The rules as POSIX extended regular expressions, a reading of them quite
// unlike the parser's own.
Expected Reference(const std::string& text) {
  static const regex_t
      blank = Compiled("^[ \t]*$"),
      segment = Compiled(
          "^[ \t]*([0-9]+(\\.[0-9]+)?)([ms])[ \t]+([0-9]+)[ \t]+([0-9]+([.,][0-9]{1,2})?)"
          "([ \t]+([0-9]+([.,][0-9]{1,2})?))?([ \t]+[a-zA-Z].*)?[ \t]*$"),
      fade = Compiled("^[ \t]*fade-(in|out)[ \t]+([0-9]+(\\.[0-9]+)?)([ms])[ \t]*$"),
      title = Compiled("^[ \t]*title([ \t]|$)"),
      language = Compiled("^[ \t]*title[ \t]+(en|ru)([ \t]|$)"),
      music = Compiled("^[ \t]*music([ \t]|$)"),
      musicLevel = Compiled("^[ \t]*music[ \t]+[^ \t].*[ \t]([0-9]+)[ \t]*$");
  Expected expected{true, 0, 0, false};
  uint64_t fadeLine[2] = {0, 0}, fadeBlocks[2] = {0, 0}, titleLine[2] = {0, 0}, musicLine = 0;
  // The segment's voices so far, its levels with theirs (hundredths), and
  // the first music voice's line.
  uint64_t segments = 0, voices = 0, musicVoiceLine = 0;
  // Bells ring on into the segments after theirs: their levels count there too.
  int64_t levels = 0, bells = 0;
  static const regex_t word = Compiled("^[ \t]*[A-Za-z]");
  std::string line;
  std::istringstream lines(text);
  for (uint64_t number = 1; std::getline(lines, line); number++) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // A NUL is a byte like any other to the reader; regexec would stop at it.
    std::replace(line.begin(), line.end(), '\0', '\x01');
    line = Uncommented(line);
    if (Matches(blank, line)) continue;
    regmatch_t m[16];
    auto group = [&](int g) { return line.substr(m[g].rm_so, m[g].rm_eo - m[g].rm_so); };
    // A voice belongs to the segment above; music of one value is a voice.
    const std::vector<std::string> fields = Fields(line);
    if (IsVoiceKind(fields[0]) && (fields[0] != "music" || (fields.size() == 2 && segments > 0))) {
      int64_t level = 0;
      if (segments == 0 || ++voices > 16 || !ReferenceVoice(fields, level))
        return {false, 0, number, false};
      levels += level;
      if (fields[0] == "bell") bells += level;
      expected.mayClamp |= levels > 10000;
      if (fields[0] == "music" && musicVoiceLine == 0) musicVoiceLine = number;
      continue;
    }
    if (Matches(title, line)) {
      if (!Matches(language, line, m)) return {false, 0, number, false};
      uint64_t& seen = titleLine[group(1) == "ru"];
      const size_t text = line.find_first_not_of(" \t", m[1].rm_eo);
      if (seen != 0 || text == std::string::npos) return {false, 0, number, false};
      seen = number;
      continue;
    }
    if (Matches(music, line)) {
      if (musicLine != 0 || !Matches(musicLevel, line, m) || Level(group(1)) > 100)
        return {false, 0, number, false};
      musicLine = number;
      continue;
    }
    if (Matches(fade, line, m)) {
      const int out = group(1) == "out";
      fadeBlocks[out] = ReferenceBlocks(group(2), group(4) == "m" ? 240 : 4);
      if (fadeLine[out] != 0 || fadeBlocks[out] == 0 || fadeBlocks[out] > 1000000)
        return {false, 0, number, false};
      fadeLine[out] = number;
      continue;
    }
    uint64_t volume = 100, noise = 0;
    if (Matches(word, line) || !Matches(segment, line, m) ||
        !ReferenceWords(m[10].rm_so >= 0 ? group(10) : "", volume, noise))
      return {false, 0, number, false};
    const uint64_t blocks = ReferenceBlocks(group(1), group(3) == "m" ? 240 : 4);
    const uint64_t first = Hundredths(group(5)),
                   last = m[8].rm_so >= 0 ? Hundredths(group(8)) : first;
    std::string mode = group(4);
    mode.erase(0, mode.find_first_not_of('0'));
    const bool modeOk = mode.empty() || (mode.size() == 1 && mode[0] <= '4');
    expected.blocks += blocks;
    expected.mayClamp |= volume + noise > 100;
    segments++;
    voices = 0;
    levels = static_cast<int64_t>(volume + noise) * 100 + bells;
    expected.mayClamp |= levels > 10000;
    if (blocks == 0 || !modeOk || first < 10 || first > 5000 || last < 10 || last > 5000 ||
        expected.blocks > 1000000)
      return {false, 0, number, false};
  }
  if (expected.blocks == 0) return {false, 0, 0, false};
  if (musicVoiceLine != 0 && musicLine == 0) return {false, 0, musicVoiceLine, false};
  if (fadeBlocks[0] + fadeBlocks[1] > expected.blocks)
    return {false, 0, std::max(fadeLine[0], fadeLine[1]), false};
  // Nothing in the fuzz names a music file that exists: render-sound refuses
  // the session on the music's line.
  if (musicLine != 0) return {false, 0, musicLine, false};
  return expected;
}

uint64_t randomState = 0x5E5510F5u;
uint64_t Next(uint64_t below) {
  randomState ^= randomState << 13;
  randomState ^= randomState >> 7;
  randomState ^= randomState << 17;
  return randomState % below;
}
template <size_t N>
std::string Pick(const char* const (&pool)[N]) {
  return pool[Next(N)];
}
// A valid field nine times in ten, so that about half the sessions render.
template <size_t N, size_t M>
std::string Field(const char* const (&valid)[N], const char* const (&edge)[M]) {
  return Next(10) == 0 ? Pick(edge) : Pick(valid);
}

const char* const Durations[] = {
    "0.25s", "1s", "0.5s", "0.75s", "0.3s", "0.001m", "1.25s", "0.1s", "0.004m",
    "0.00000000000000000000001s", "0000000000000000000000.25s"};
const char* const BadDurations[] = {
    "0s", "0.0m", "s", "1", "1x", "-1s", "1.s", ".5s", "1,5s", "4167m", "4166.67m",
    "99999999999999999999s"};
const char* const Modes[] = {"0", "0", "0", "0", "1", "2", "3", "4", "00"};
const char* const BadModes[] = {"5", "9", "x", "-0", "99999999999999999999"};
const char* const Hertz[] = {"7.8", "7,80", "12", "0.1", "0.10", "50", "50.00", "3,33", "4", "0,5"};
const char* const BadHertz[] = {
    "50.01", "0.09", "7.805", "7.", ",5", "1e1", "0", "10000000000000000000"};
const char* const Gaps[] = {" ", "\t", " \t ", "  "};
const char* const Ends[] = {"\n", "\n", "\r\n", " # note\n", "\t\n", "#\n"};
const char* const Words[] = {
    "volume 20", "volume 0", "volume 100", "volume 007", "noise white 50", "noise pink 100",
    "noise brown 30", "noise pink 0", "light 0", "light 4", "brightness 40", "colour red",
    "colour #FFbf00", "colour #00ff00#x", "colour\tviolet"};
const char* const BadWords[] = {
    "volume 101", "volume", "noise grey 5", "noise pink", "light 5", "colour #12345",
    "colour#FF0000", "loud", "volume -1", "brightness 1000", "Volume 5", "noise 5 pink"};
const char* const Voices[] = {
    "  binaural 200 10 15", "  binaural 200..150 f 1.5", "\tmonaural 0,5 -7.5 100",
    "  isochronic 300 f 10 smooth", "  isochronic 250 0.1..100 5 square", "  tone 440 20 saw",
    "  tone 20000 0..100", "  noise pink 30", "  noise brown 10..0",
    "binaural 100 -100..100 0.01", "  isochronic 200 4 10 sine # pulses", "  tone 7 1 triangle",
    "  spin 300 4.2 30", "  spin -95.5..2880 f 10 brown", "  bell 2050 20", "  bell 0 100"};
const char* const BadVoices[] = {
    "  binaural 200 10", "  binaural 20000.01 10 15", "  binaural 200 100.01 15",
    "  isochronic 200 0.09 10", "  isochronic 200 -1 10", "  tone 200 100.001",
    "  tone 200 10 smooth", "  isochronic 200 4 10 round", "  noise grey 10", "  tone f 10",
    "  tone 200.. 10", "  binaural 200 f..4 10", "  binaurl 200 10 15", "  tone 200 10 sine 1",
    "  monaural 200 10 15 sine", "  noise pink", "  tone 1..2..3 4",
    "  spin 300 4", "  spin 300 4 10 grey", "  spin 20000.01 4 10", "  spin 300 f..4 10",
    "  bell 200..300 10", "  bell 200 0..10", "  bell 200 10 sine", "  bell f 10",
    "  music 40"};  // refused: no music plays in the fuzz
// Titles mostly right; music always names a file that does not exist.
const char* const Directives[] = {
    "title en Quiet evening # a title", "title ru \xD0\xA2\xD0\xB8\xD1\x88\xD0\xB8\xD0\xBD\xD0\xB0",
    "title en colour #1 of 3", "title en", "title de Ruhe", "title\ten\tx",
    "music no such music.wav 40", "music 40", "music gone.wav 101"};

std::string GeneratedSession() {
  std::string text;
  for (uint64_t n = 1 + Next(4); n > 0; n--) {
    const uint64_t kind = Next(20);
    if (kind == 0) text += "\n";
    if (kind == 1) text += "# a comment 1s 9 99\n";
    if (kind == 2 || kind == 3)
      text += (kind == 2 ? "fade-in" : "fade-out") + Pick(Gaps) + Field(Durations, BadDurations) +
              Pick(Ends);
    if (kind == 4 && Next(4) == 0) text += Pick(Directives) + Pick(Ends);
    if (kind == 4 && Next(8) == 0) text += Pick(Voices) + Pick(Ends);  // before any segment, perhaps
    if (kind < 5) continue;
    text += Field(Durations, BadDurations) + Pick(Gaps) + Field(Modes, BadModes) + Pick(Gaps) +
            Field(Hertz, BadHertz);
    if (Next(3) == 0) text += Pick(Gaps) + Field(Hertz, BadHertz);
    if (Next(30) == 0) text += " 7";
    for (uint64_t words = Next(3) == 0 ? 1 + Next(2) : 0; words > 0; words--)
      text += Pick(Gaps) + Field(Words, BadWords);
    text += Pick(Ends);
    // Voices under the segment, now and then as many as a segment holds or
    // one more.
    const uint64_t voices = Next(40) == 0 ? 16 + Next(2) : Next(3) == 0 ? 1 + Next(3) : 0;
    for (uint64_t v = 0; v < voices; v++) text += Field(Voices, BadVoices) + Pick(Ends);
  }
  if (Next(4) == 0 && !text.empty()) text.pop_back();  // no final line end
  return text;
}

std::string Mutated(std::string text) {
  static const std::string alphabet("0123456789.,ms# \t\r\n\0x\xff-", 24);
  // Sometimes a directive's or a segment's word, or a duration, dropped into
  // the text.
  static const char* const words[] = {"fade-in", "fade-out", "1s",        "fade-",
                                      " volume 5", " noise pink 9", "colour #", "title en ",
                                      "music x 5", "tone 100 ", "..", " f", "  music 5\n"};
  for (uint64_t n = 1 + Next(4); n > 0 && !text.empty(); n--) {
    const size_t at = Next(text.size());
    const uint64_t edit = Next(5);
    if (edit == 0) text[at] = alphabet[Next(alphabet.size())];
    if (edit == 1) text.insert(at, 1, alphabet[Next(alphabet.size())]);
    if (edit == 2) text.erase(at, 1);
    if (edit == 3) text += text.substr(text.rfind('\n', at) + 1);
    if (edit == 4) text.insert(at, Pick(words));
  }
  return text;
}

std::string RandomBytes() {
  std::string text(Next(40), '\0');
  for (char& c : text) c = static_cast<char>(Next(256));
  return text;
}

std::string Slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// One run of render-sound on the session in `session`, as a user would give
// it: a path, or standard input. Raw frames go to the output file.
int Run(const std::string& tool, bool inProcess, bool fromStdin, const std::string& session,
        const std::string& output, const std::string& out, const std::string& err) {
  const std::string source = fromStdin ? "-" : session;
  const char* argv[] = {tool.c_str(), "--session",    source.c_str(), "--raw",
                        "--output",   output.c_str(), nullptr};
  if (inProcess) {
    FILE* in = std::fopen(session.c_str(), "rb");
    FILE* o = std::fopen(out.c_str(), "wb");
    FILE* e = std::fopen(err.c_str(), "wb");
    const int status = RunRenderSound(6, argv, in, o, e);
    std::fclose(in), std::fclose(o), std::fclose(e);
    return status;
  }
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, session.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  int status = -1;
  if (posix_spawn(&pid, tool.c_str(), &files, nullptr, const_cast<char**>(argv), environ) == 0)
    waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&files);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Empty when the run ended as expected, else what went wrong.
std::string Check(const Expected& expected, int status, const std::string& output,
                  const std::string& out, const std::string& err) {
  struct stat written;
  const bool exists = stat(output.c_str(), &written) == 0;
  const std::string message = Slurp(err);
  if (!Slurp(out).empty()) return "wrote to standard output";
  if (expected.valid) {
    if (status != 0) return "exit " + std::to_string(status) + ": " + message;
    if (!exists || static_cast<uint64_t>(written.st_size) != expected.blocks * 44100)
      return "not " + std::to_string(expected.blocks) + " blocks";
    // A mix may clamp only where a segment's levels add up to more than 100.
    static const regex_t clampLine =
        Compiled("^render-sound: [0-9]+ samples clamped in segments [0-9]+ \\(line [0-9]+\\)");
    const bool clamp = message.find('\n') + 1 == message.size() && Matches(clampLine, message);
    if (message.empty() || (expected.mayClamp && clamp)) return "";
    return "wrote to standard error: " + message;
  }
  const std::string line =
      expected.badLine ? "render-sound: session line " + std::to_string(expected.badLine) + ": "
                       : "render-sound: session: no segment";
  if (status != 2) return "exit " + std::to_string(status) + ", not 2";
  if (exists) return "created the output file";
  if (message.find('\n') + 1 != message.size()) return "not one line: " + message;
  return message.rfind(line, 0) == 0 ? "" : "expected '" + line + "...', got " + message;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: session_fuzz RENDER_SOUND [RUNS]\n";
    return 2;
  }
  const std::string tool = argv[1];
  const int runs = argc > 2 ? std::atoi(argv[2]) : 3000;
  // Hundreds of megabytes pass through the scratch files: memory, not disk,
  // where there is a memory file system.
  std::string dir =
      (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/session-fuzz.XXXXXX");
  if (mkdtemp(&dir[0]) == nullptr) return 2;
  const std::string session = dir + "/session.txt", output = dir + "/output.raw",
                    out = dir + "/stdout", err = dir + "/stderr";
  int failures = 0, valid = 0, parsedOnly = 0;
  for (int i = 0; i < runs && failures < 10; i++) {
    const uint64_t kind = Next(20);
    const std::string text = kind < 12   ? GeneratedSession()
                             : kind < 18 ? Mutated(GeneratedSession())
                                         : RandomBytes();
    const Expected expected = Reference(text);
    valid += expected.valid;
    const bool inProcess = i % 40 != 0, fromStdin = Next(2) == 0;
    std::string problem;
    if (expected.valid && expected.blocks > LongestRender) {
      // A mutation that makes an hour of sound: its count is checked, not its bytes.
      Session parsed;
      SessionError error;
      if (!ParseSession(text, "session", parsed, error) || SessionBlocks(parsed) != expected.blocks)
        problem = "not " + std::to_string(expected.blocks) + " blocks: " + error.message;
      parsedOnly++;
    } else {
      std::ofstream(session, std::ios::binary) << text;
      std::remove(output.c_str());
      const int status = Run(tool, inProcess, fromStdin, session, output, out, err);
      problem = Check(expected, status, output, out, err);
    }
    if (!problem.empty()) {
      failures++;
      std::cerr << "run " << i << (inProcess ? " (in process)" : " (process)") << ": " << problem
                << "\n  session: \"" << text << "\"\n";
    }
  }
  for (const std::string& file : {session, output, out, err}) std::remove(file.c_str());
  rmdir(dir.c_str());
  std::cout << runs << " sessions, " << valid << " valid (" << parsedOnly
            << " too long to render, counted only), " << failures << " failed\n";
  return failures == 0 ? 0 : 1;
}
