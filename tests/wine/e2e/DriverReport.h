// Prints what a person would see of the program, one "key=value" per line.
#pragma once

#include "DriverWindows.h"

// Everything but the duration up-down's position: asking an up-down that
// takes its number from its buddy for its position makes it re-read the
// buddy's text, which a test of that very behaviour must not do behind its back.
void PrintState(const PanelControls& controls);

// The duration up-down's position and error flag (it re-reads the field).
void PrintDurationPosition(const PanelControls& controls);

// Text as UTF-8 (for reading) and its ANSI bytes in hex (for exact checks).
void PrintText(const char* key, const std::string& ansi);
