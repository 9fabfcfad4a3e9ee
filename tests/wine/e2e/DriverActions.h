// What the driver does to the program: the same messages that its own
// controls send, or that a user's click or paste would make them send.
// Each action prints its result and returns the driver's exit code.
#pragma once

#include "DriverWindows.h"

int WaitForPanel(DWORD timeoutMs);
int WaitForStimulation(bool visible, DWORD timeoutMs);
int ClickButton(const PanelControls& controls, const char* which);
// Sends the listed command ids (notification code 0) one after another.
int SendCommands(const PanelControls& controls, int count, char** ids);
int SendCommandWithCode(const PanelControls& controls, int id, int code);
int PostCommandBurst(const PanelControls& controls, int cycles);
int StopRightAtEnd(const PanelControls& controls, long long atMs);
int SelectListItem(const PanelControls& controls, const char* which, int index);
int SetDurationText(const PanelControls& controls, const char* text);
int PasteDurationText(const PanelControls& controls, const char* text);
int SetFrequency(const PanelControls& controls, int frequency);
int WatchStartCaption(const PanelControls& controls, DWORD timeoutMs);
int Ping(const PanelControls& controls, DWORD timeoutMs);
int BringPanelForward(const PanelControls& controls);
int CloseAndWait(const PanelControls& controls, DWORD timeoutMs);
