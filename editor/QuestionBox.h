// A question with three answers, Yes, No and Cancel, whose buttons speak the
// program's language: a message box's speak that of Windows.
#pragma once

#include <windows.h>

#include <string>

// A modal dialog box over owner. IDYES, IDNO or IDCANCEL (also for Esc and
// the close box); Enter answers Yes.
int AskYesNoCancel(HWND owner, const std::wstring& title, const std::wstring& question,
                   const std::wstring (&answers)[3]);
