// The session editor: one window beside the player, Unicode as the player
// is, in which a session is made or changed, seen, played and saved. It
// runs on the player's thread, in the player's message loop, and asks the
// player for what it cannot do itself by message.
#pragma once

#include <windows.h>

#include <string>

#include "editor/EditorMessages.h"
#include "editor/EditorState.h"
#include "session_format/document/SessionDocument.h"

// Shows the document in the editor, made if it is not up, owned by owner,
// which it tells what it wants by the messages of EditorMessages.h. Changes
// not yet saved of the session it showed are asked about first; false when
// the user keeps them (Cancel), or the window cannot be made, and nothing
// changes.
bool OpenInEditor(HWND owner, const SessionDocument& document, const std::string& name,
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
