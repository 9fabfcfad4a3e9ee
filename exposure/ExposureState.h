// The one process-wide record through which the panel, the exposure control
// and the two engines work together. Fields that cross threads are atomics
// used with relaxed loads and stores: whole-field accesses, never torn, and
// no ordering beyond what starting a thread or arming a timer already gives.
#pragma once

#include <atomic>
#include <cstdint>

#include "exposure/Modes.h"

// The platform's window handle, declared here so that window-free code can
// include this header; identical to the typedef of <windows.h>.
struct HWND__;
typedef HWND__* HWND;

struct Session;

constexpr uint32_t MillisecondsPerMinute = 60000;

// The two language tokens, compared only for identity: the halves of the
// language button's caption "Eng/Рус" (Windows-1251 bytes).
extern const char LanguageRussian[];
extern const char LanguageEnglish[];

struct ExposureStateRecord {
  std::atomic<uint8_t> running;
  // Counts the Starts: the exposure that an audio worker was started for.
  // Set before running becomes 1; see AudioThread for the order of the two.
  std::atomic<uint32_t> exposureNumber;
  std::atomic<uint32_t> frequency;
  std::atomic<SoundMode> soundMode;
  std::atomic<VisualMode> visualMode;
  std::atomic<uint32_t> remainingMs;
  std::atomic<uint8_t> countdownEnabled;
  std::atomic<uint32_t> countdownTimerId;
  uint32_t samplePosition;  // the audio thread's alone
  std::atomic<uint32_t> frameCounter;
  std::atomic<const char*> language;
  // The session an exposure plays, or nullptr for one frequency and mode
  // from the panel. Set with the other settings, before the workers start.
  std::atomic<const Session*> session;
  // The session's clock: the multimedia time of Start, in milliseconds.
  std::atomic<uint32_t> startTimeMs;
  uint64_t sessionBlock;  // the audio thread's alone: the next block it queues

  // Stored once at start-up, before any worker or timer exists; read-only after.
  HWND ControlPanel;
  HWND StimulationWindow;
  HWND frequencyReadout;
  HWND durationField;
  HWND frequencySlider;
  HWND frequencySpin;
  HWND soundList;
  HWND visualList;
  HWND durationSpin;
  HWND startButton;
  HWND languageButton;
};

extern ExposureStateRecord ExposureState;

template <typename T>
inline T LoadField(const std::atomic<T>& field) {
  return field.load(std::memory_order_relaxed);
}

template <typename T, typename V>
inline void StoreField(std::atomic<T>& field, V value) {
  field.store(static_cast<T>(value), std::memory_order_relaxed);
}

// What both programs set once their windows exist: stopped, no countdown, and
// the language to start in (LanguageRussian or LanguageEnglish).
void SetProgramStartFields(const char* language);

inline bool IsRussian(const char* token) { return token == LanguageRussian; }
inline bool IsEnglish(const char* token) { return token == LanguageEnglish; }
// The language that the language button switches to.
inline const char* OtherLanguage(const char* token) {
  return IsRussian(token) ? LanguageEnglish : LanguageRussian;
}
