// render-sound: the sound of an exposure or of a whole session, block after
// block exactly as the audio worker makes it, written to a WAV file or as raw
// frames.
#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <string>
#include <vector>

#include "platform/FileNames.h"
#endif

#include "sound/render_sound/RenderSession.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // Frames must reach standard output byte for byte, and a session read from
  // standard input must not stop at a Ctrl-Z or lose its carriage returns.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  // File names in UTF-8 from the wide command line, opened by their UTF-16 form.
  const std::vector<std::string> arguments = Utf8Arguments();
  std::vector<const char*> utf8Argv;
  for (const std::string& argument : arguments) utf8Argv.push_back(argument.c_str());
  if (!utf8Argv.empty())
    return RunRenderSound(static_cast<int>(utf8Argv.size()), utf8Argv.data(), stdin, stdout, stderr);
#endif
  return RunRenderSound(argc, argv, stdin, stdout, stderr);
}
