// What the editor asks of the window that owns it, the session player: the
// Win32 way, messages sent to its owner, so that the editor knows nothing of
// the player. Sent, not posted: lParam points at a value of the sender's
// that lives only until the message has been handled.
#pragma once

#include <windows.h>

// lParam: const std::wstring*, the whole path of the file just saved. The
// owner shows that file as it is now, chosen, in place of what it showed of
// it before.
constexpr UINT EditorSavedFileMessage = WM_APP + 30;

// lParam: const std::shared_ptr<const Session>*, the session to play at
// once, stopping what plays. The owner keeps a share of it for as long as it
// plays.
constexpr UINT EditorPlaySessionMessage = WM_APP + 31;

// lParam: const EditorPlace*, where the editor's window was when it closed,
// for the owner to keep and give back through SetEditorPlace.
constexpr UINT EditorClosedMessage = WM_APP + 32;
