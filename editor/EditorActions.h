// What the editor does with its session as a whole: saves it, asks about
// changes not yet saved, plays it in the player, and finds its music.
#pragma once

#include <windows.h>

// Save (a session without a file is saved as); chooseName for Save as.
// Refused, with a message, while a value is wrong. True once saved.
bool SaveEdited(bool chooseName);

// Yes saves, No gives the changes up: true when the editor may let its
// session go; false for Cancel, or a save that did not happen.
bool AskToSaveChanges();

// Windows asks before it ends its session: the unsaved changes are asked
// about, unless the end is forced. False only when the user keeps them.
bool AnswerEndOfSession(LPARAM reasons);

// While changes are unsaved, Windows is told why the program would hold its
// end up, to show the user.
void HoldEndOfSessionWhileUnsaved();

void BrowseForMusic();

// The session as it reads back, in the player's exposure at once; from the
// chosen segment on with fromRow.
void PlayEdited(bool fromRow);
