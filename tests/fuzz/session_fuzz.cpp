// A bounded fuzz of render-sound's session files, fades and all: thousands of
// generated, mutated and random texts from a fixed seed. Every run must end either in
// exit 0 with exactly the blocks an independent reading of the rules gives,
// or in exit 2 with one line naming the first bad line and nothing written.
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

#include "sound/SessionSchedule.h"
#include "sound/render_sound/RenderSession.h"

namespace {

// The expected outcome: the blocks of a valid session, or the first bad line
// (0 for a session without segments).
struct Expected {
  bool valid;
  uint64_t blocks;
  uint64_t badLine;
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

// The rules as POSIX extended regular expressions, a reading of them quite
// unlike the parser's own.
Expected Reference(const std::string& text) {
  static regex_t blank, segment, fade;
  static const bool compiled =
      regcomp(&blank, "^[ \t]*$", REG_EXTENDED | REG_NOSUB) == 0 &&
      regcomp(&segment,
              "^[ \t]*([0-9]+(\\.[0-9]+)?)([ms])[ \t]+([0-9]+)[ \t]+([0-9]+([.,][0-9]{1,2})?)"
              "([ \t]+([0-9]+([.,][0-9]{1,2})?))?[ \t]*$",
              REG_EXTENDED) == 0 &&
      regcomp(&fade, "^[ \t]*fade-(in|out)[ \t]+([0-9]+(\\.[0-9]+)?)([ms])[ \t]*$",
              REG_EXTENDED) == 0;
  if (!compiled) std::abort();
  Expected expected{true, 0, 0};
  uint64_t fadeLine[2] = {0, 0}, fadeBlocks[2] = {0, 0};
  std::string line;
  std::istringstream lines(text);
  for (uint64_t number = 1; std::getline(lines, line); number++) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = line.substr(0, line.find('#'));
    if (line.find('\0') == std::string::npos && regexec(&blank, line.c_str(), 0, nullptr, 0) == 0)
      continue;
    regmatch_t m[10];
    auto group = [&](int g) { return line.substr(m[g].rm_so, m[g].rm_eo - m[g].rm_so); };
    if (line.find('\0') == std::string::npos && regexec(&fade, line.c_str(), 10, m, 0) == 0) {
      const int out = group(1) == "out";
      fadeBlocks[out] = ReferenceBlocks(group(2), group(4) == "m" ? 240 : 4);
      if (fadeLine[out] != 0 || fadeBlocks[out] == 0 || fadeBlocks[out] > 1000000)
        return {false, 0, number};
      fadeLine[out] = number;
      continue;
    }
    if (line.find('\0') != std::string::npos || regexec(&segment, line.c_str(), 10, m, 0) != 0)
      return {false, 0, number};
    const uint64_t blocks = ReferenceBlocks(group(1), group(3) == "m" ? 240 : 4);
    const uint64_t first = Hundredths(group(5)),
                   last = m[8].rm_so >= 0 ? Hundredths(group(8)) : first;
    std::string mode = group(4);
    mode.erase(0, mode.find_first_not_of('0'));
    const bool modeOk = mode.empty() || (mode.size() == 1 && mode[0] <= '4');
    expected.blocks += blocks;
    if (blocks == 0 || !modeOk || first < 10 || first > 5000 || last < 10 || last > 5000 ||
        expected.blocks > 1000000)
      return {false, 0, number};
  }
  if (expected.blocks == 0) return {false, 0, 0};
  if (fadeBlocks[0] + fadeBlocks[1] > expected.blocks)
    return {false, 0, std::max(fadeLine[0], fadeLine[1])};
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

std::string GeneratedSession() {
  std::string text;
  for (uint64_t n = 1 + Next(4); n > 0; n--) {
    const uint64_t kind = Next(20);
    if (kind == 0) text += "\n";
    if (kind == 1) text += "# a comment 1s 9 99\n";
    if (kind == 2 || kind == 3)
      text += (kind == 2 ? "fade-in" : "fade-out") + Pick(Gaps) + Field(Durations, BadDurations) +
              Pick(Ends);
    if (kind < 4) continue;
    text += Field(Durations, BadDurations) + Pick(Gaps) + Field(Modes, BadModes) + Pick(Gaps) +
            Field(Hertz, BadHertz);
    if (Next(3) == 0) text += Pick(Gaps) + Field(Hertz, BadHertz);
    if (Next(30) == 0) text += " 7";
    text += Pick(Ends);
  }
  if (Next(4) == 0 && !text.empty()) text.pop_back();  // no final line end
  return text;
}

std::string Mutated(std::string text) {
  static const std::string alphabet("0123456789.,ms# \t\r\n\0x\xff-", 24);
  // Sometimes a directive's word, or a duration, dropped into the text.
  static const char* const words[] = {"fade-in", "fade-out", "1s", "fade-"};
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
    return message.empty() ? "" : "wrote to standard error: " + message;
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
