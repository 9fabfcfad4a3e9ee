#include "tests/wine/visual/TimerPeriods.h"

#include <mmsystem.h>

#include <atomic>
#include <cstring>

namespace {

typedef MMRESULT(WINAPI* PeriodCall)(UINT);

PeriodCall winmmBegin;
PeriodCall winmmEnd;
std::atomic<bool> refusing;
std::atomic<int> asked, granted, ended;
// Calls of either function by the period they name; the last slot holds
// every period from there up.
const UINT NamedSlots = 17;
std::atomic<int> named[NamedSlots];

void CountNamed(UINT period) { named[period < NamedSlots ? period : NamedSlots - 1]++; }

// The wrappers run on the visual worker's thread.
MMRESULT WINAPI CountedBegin(UINT period) {
  asked++;
  CountNamed(period);
  if (refusing) return TIMERR_NOCANDO;
  const MMRESULT result = winmmBegin(period);
  if (result == TIMERR_NOERROR) granted++;
  return result;
}

MMRESULT WINAPI CountedEnd(UINT period) {
  ended++;
  CountNamed(period);
  return winmmEnd(period);
}

// Points this program's import slot for winmm's `name` at `replacement`.
PeriodCall ReplaceImport(const char* name, PeriodCall replacement) {
  BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  const IMAGE_NT_HEADERS* headers =
      reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (const IMAGE_IMPORT_DESCRIPTOR* dll =
           reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       dll->Name != 0; dll++) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), "winmm.dll") != 0) continue;
    const IMAGE_THUNK_DATA* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
    IMAGE_THUNK_DATA* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
    for (; names->u1.AddressOfData != 0; names++, slots++) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const IMAGE_IMPORT_BY_NAME* entry =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(entry->Name), name) != 0) continue;
      DWORD protection;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
      PeriodCall original = reinterpret_cast<PeriodCall>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
      return original;
    }
  }
  return nullptr;
}

}  // namespace

bool WatchTimerPeriods() {
  winmmBegin = ReplaceImport("timeBeginPeriod", CountedBegin);
  winmmEnd = ReplaceImport("timeEndPeriod", CountedEnd);
  return winmmBegin != nullptr && winmmEnd != nullptr;
}

void RefuseTimerPeriods(bool refuse) { refusing = refuse; }

TimerPeriodCount CountTimerPeriods(UINT expectedPeriod) {
  TimerPeriodCount count;
  count.asked = asked;
  count.granted = granted;
  count.ended = ended;
  count.outstanding = granted - ended;
  int total = 0;
  for (const std::atomic<int>& calls : named) total += calls;
  count.otherPeriod = total - named[expectedPeriod < NamedSlots ? expectedPeriod : NamedSlots - 1];
  return count;
}
