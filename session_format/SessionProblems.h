// The English words of a session's problem: what render-sound prints after
// the line.
#pragma once

#include <string>

#include "session_format/SessionFile.h"

std::string EnglishSessionProblem(const SessionError& error);
