// A test driver that works the program from outside, as a user would, and
// prints what it sees. One subcommand per run, so that a script can go step
// by step:
//   wait-panel [ms]                 the panel is up and its texts are set
//   wait-stimulation shown|hidden [ms]
//   state                           everything visible, as key=value lines
//   duration-pos                    the duration up-down's position
//   click start|language            BM_CLICK on the button
//   commands ID...                  WM_COMMAND clicks, one after another
//   command-code ID CODE            WM_COMMAND with a notification code
//   burst CYCLES                    Start, Stop, Start posted back to back
//   stop-at-end unix-ms             Stop at that moment, then Start at once
//   select sound|visual INDEX
//   set-duration TEXT | paste-duration TEXT
//   set-frequency HUNDREDTHS        as if the arrow buttons had moved there
//   watch-caption MS                time of the next change of the caption
//   ping [ms] | forward | close-wait [ms]
// and for the session player:
//   player-wait [ms] | player-state | player-click ID | player-pattern INDEX
//   player-volume LEVEL | player-session INDEX
//   player-message [ms] [answer-id] | editor-wait [ms] | editor-state
//   locale                          the code page and interface language Wine gives
//   sample-screen MS PERIOD_MS X Y   "t red green blue" lines of one pixel
//   layout player|editor            places of the controls and texts cut
//   resize-editor WIDTH HEIGHT
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "DriverActions.h"
#include "DriverLayout.h"
#include "DriverPlayer.h"
#include "DriverReport.h"

namespace {

DWORD TimeoutArgument(int argc, char** argv, int index, DWORD fallback) {
  return argc > index ? static_cast<DWORD>(strtoul(argv[index], nullptr, 10)) : fallback;
}

int Usage() {
  fprintf(stderr, "usage: e2e_driver COMMAND [ARGS] (see the source for the list)\n");
  return 2;
}

int RunWithArguments(int argc, char** argv) {
  const char* command = argv[1];
  if (strcmp(command, "wait-panel") == 0) return WaitForPanel(TimeoutArgument(argc, argv, 2, 20000));
  if (strcmp(command, "wait-stimulation") == 0 && argc > 2)
    return WaitForStimulation(strcmp(argv[2], "shown") == 0, TimeoutArgument(argc, argv, 3, 5000));
  if (strcmp(command, "commands") == 0)
    return argc > 2 ? SendCommands(FindPanelControls(), argc - 2, argv + 2) : Usage();
  if (strcmp(command, "set-frequency") == 0 && argc > 2)
    return SetFrequency(FindPanelControls(), atoi(argv[2]));
  if (strcmp(command, "watch-caption") == 0)
    return WatchStartCaption(FindPanelControls(), TimeoutArgument(argc, argv, 2, 70000));
  if (strcmp(command, "ping") == 0) return Ping(FindPanelControls(), TimeoutArgument(argc, argv, 2, 2000));
  if (strcmp(command, "close-wait") == 0)
    return CloseAndWait(FindPanelControls(), TimeoutArgument(argc, argv, 2, 10000));
  if (strcmp(command, "player-wait") == 0) return WaitForPlayer(TimeoutArgument(argc, argv, 2, 20000));
  if (strcmp(command, "player-state") == 0) return PrintPlayerState();
  if (strcmp(command, "locale") == 0) return PrintLocale();
  if (strcmp(command, "player-message") == 0)
    return AnswerPlayerMessage(TimeoutArgument(argc, argv, 2, 10000), argc > 3 ? atoi(argv[3]) : IDOK);
  if (strcmp(command, "editor-wait") == 0) return WaitForEditor(TimeoutArgument(argc, argv, 2, 20000));
  if (strcmp(command, "editor-state") == 0) return PrintEditorState();
  if (strcmp(command, "player-click") == 0 && argc > 2) return ClickPlayerButton(atoi(argv[2]));
  if (strcmp(command, "player-pattern") == 0 && argc > 2) return ChoosePlayerPattern(atoi(argv[2]));
  if (strcmp(command, "player-volume") == 0 && argc > 2) return SetPlayerVolume(atoi(argv[2]));
  if (strcmp(command, "layout") == 0 && argc > 2) return PrintLayout(argv[2]);
  if (strcmp(command, "resize-editor") == 0 && argc > 3)
    return ResizeEditor(atoi(argv[2]), atoi(argv[3]));
  if (strcmp(command, "player-session") == 0 && argc > 2) return ChoosePlayerSession(atoi(argv[2]));
  if (strcmp(command, "sample-screen") == 0 && argc > 5)
    return SampleScreen(TimeoutArgument(argc, argv, 2, 1000), TimeoutArgument(argc, argv, 3, 5),
                        atoi(argv[4]), atoi(argv[5]));
  if (argc < 3) return Usage();
  PanelControls controls = FindPanelControls();
  if (strcmp(command, "click") == 0) return ClickButton(controls, argv[2]);
  if (strcmp(command, "burst") == 0) return PostCommandBurst(controls, atoi(argv[2]));
  if (strcmp(command, "stop-at-end") == 0) return StopRightAtEnd(controls, strtoll(argv[2], nullptr, 10));
  if (strcmp(command, "set-duration") == 0) return SetDurationText(controls, argv[2]);
  if (strcmp(command, "paste-duration") == 0) return PasteDurationText(controls, argv[2]);
  if (argc < 4) return Usage();
  if (strcmp(command, "select") == 0) return SelectListItem(controls, argv[2], atoi(argv[3]));
  if (strcmp(command, "command-code") == 0)
    return SendCommandWithCode(controls, atoi(argv[2]), atoi(argv[3]));
  return Usage();
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc < 2) return Usage();
  const char* command = argv[1];
  if (strcmp(command, "state") == 0) {
    PrintState(FindPanelControls());
    return 0;
  }
  if (strcmp(command, "duration-pos") == 0) {
    PrintDurationPosition(FindPanelControls());
    return 0;
  }
  if (strcmp(command, "forward") == 0) return BringPanelForward(FindPanelControls());
  return RunWithArguments(argc, argv);
}
