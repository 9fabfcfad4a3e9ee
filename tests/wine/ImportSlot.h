// Test programs watch or change what the program's code asks of a Windows
// DLL where the call leaves the program: at this executable's import slot.
#pragma once

#include <windows.h>

// Points this executable's import slot for `name` of `dll` at `replacement`;
// returns what the slot held, or 0 when the executable does not import it.
ULONG_PTR ReplaceImport(const char* dll, const char* name, ULONG_PTR replacement);

template <typename Call>
Call ReplaceImport(const char* dll, const char* name, Call replacement) {
  return reinterpret_cast<Call>(ReplaceImport(dll, name, reinterpret_cast<ULONG_PTR>(replacement)));
}
