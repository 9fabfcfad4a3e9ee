// What is wrong with a session file, in Russian: the player's words for each
// kind of problem that the session reader reports. The English words are the
// reader's own (EnglishSessionProblem), which render-sound prints.
#pragma once

#include <string>

#include "session_format/SessionProblems.h"

// UTF-8; the fields and words of the file are quoted as written.
std::string RussianSessionProblem(const SessionError& error);

// The problem in the current language.
std::string SessionProblemInCurrentLanguage(const SessionError& error);
