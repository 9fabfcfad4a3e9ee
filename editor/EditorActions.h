// What the editor does with its session as a whole: saves it, asks about
// changes not yet saved, plays it in the player, and finds its music. What
// the owner (the player) is to do about it, it is told by message.
#pragma once

#include <windows.h>

// Save (a session without a file is saved as); chooseName for Save as.
// Refused, with a message, while a value is wrong. True once saved: the
// document is then the saved file's, and the owner has been told of it.
bool SaveEdited(bool chooseName);

// The answer to the question about unsaved changes.
enum class ChangesAnswer { Kept, GivenUp, Saved };

// Yes saves, No gives the changes up, Cancel keeps them; a save that did not
// happen keeps them too.
ChangesAnswer AskToSaveChanges();

// While changes are unsaved, Windows is told why the program would hold its
// end up, to show the user.
void HoldEndOfSessionWhileUnsaved();

void BrowseForMusic();

// The session as it reads back, played by the owner at once; from the
// chosen segment on with fromRow.
void PlayEdited(bool fromRow);
