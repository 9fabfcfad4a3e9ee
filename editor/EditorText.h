// The editor's texts that are computed, window-free, in the current
// language and in UTF-8.
#pragma once

#include <cstdint>
#include <string>

#include "session_format/SessionFile.h"

// The line under the editor's picture: the session's description, and for
// the block under the mouse cursor (none below 0) its time, segment and
// frequency.
std::string PictureLine(const Session& session, int64_t pointedBlock);

// The question before the editor's unsaved changes are left behind.
std::string SaveQuestionText(const std::string& sessionName);
