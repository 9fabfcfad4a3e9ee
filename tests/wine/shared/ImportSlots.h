// Watching the calls that the program's own code makes to Windows, in a
// test program that links that code: the program's import slot for a
// function is pointed at a wrapper, which may count, hold or refuse the call
// and pass it on to the original.
#pragma once

#include <windows.h>

// Points this program's import slot for `name` of `dll` at `replacement`;
// returns the original address, 0 when the program does not import it.
ULONG_PTR ReplaceImportSlot(const char* dll, const char* name, ULONG_PTR replacement);

template <typename Function>
Function ReplaceImport(const char* dll, const char* name, Function replacement) {
  return reinterpret_cast<Function>(ReplaceImportSlot(dll, name, reinterpret_cast<ULONG_PTR>(replacement)));
}
