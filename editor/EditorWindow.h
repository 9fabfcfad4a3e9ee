// The session editor: one window beside the player, Unicode as the player
// is, in which a session is made or changed, seen, played and saved. It
// runs on the player's thread, in the player's message loop.
#pragma once

#include <windows.h>

#include <string>

#include "session_format/SessionDocument.h"

// How the editor names what it edits in its title: a file by its name, a
// copy of a library session by the session's title, or a new session.
enum class EditedName { File, LibraryCopy, New };

// Shows the document in the editor, made if it is not up. Changes not yet
// saved of the session it showed are asked about first; false when the
// user keeps them (Cancel), or the window cannot be made, and nothing
// changes.
bool OpenInEditor(HINSTANCE instance, const SessionDocument& document, const std::string& name,
                  EditedName kind);

// Before the editor or the player closes: unsaved changes are saved, given
// up or kept as the user answers; false when the user cancels.
bool EditorLetsGo();

// Every text of the editor in the current language.
void ApplyEditorLanguage();

// The editor's own keys, for the message loop: its accelerators (Delete,
// Insert and Alt+Up or Alt+Down only while the table has the keyboard) and
// Tab between its controls. True when the message was the editor's.
bool HandleEditorKeys(MSG* message);
