// The one process-wide record through which the program's window, the
// exposure control and the two engines work together. Fields that cross
// threads are atomics, used with relaxed loads and stores (LoadField,
// StoreField): whole-field accesses, never torn, with no ordering beyond what
// starting a thread or arming a timer already gives. Two handshakes need
// more and say so where they are made: running with exposureNumber (a Start
// and the audio worker, see AudioThread), and countdownTimerId (a stop and
// the countdown's tick, see Countdown).
#pragma once

#include <atomic>
#include <cstdint>

#include "exposure/Modes.h"

// The platform's window handle, declared here so that window-free code can
// include this header; identical to the typedef of <windows.h>.
struct HWND__;
typedef HWND__* HWND;

constexpr uint32_t MillisecondsPerMinute = 60000;
constexpr uint32_t FullListenerLevel = 100;  // per cent

// The two language tokens, compared only for identity: the halves of the
// language button's caption "Eng/Рус" (Windows-1251 bytes).
extern const char LanguageRussian[];
extern const char LanguageEnglish[];

struct ExposureStateRecord {
  std::atomic<uint8_t> running;
  // Counts the Starts: the exposure that an audio worker was started for.
  // Set before running becomes 1; see AudioThread for the order of the two.
  std::atomic<uint32_t> exposureNumber;
  // One frequency and sound mode from the panel's controls; a session's
  // exposure takes both from its schedule and leaves these alone.
  std::atomic<uint32_t> frequency;
  std::atomic<SoundMode> soundMode;
  std::atomic<VisualMode> visualMode;
  std::atomic<uint32_t> remainingMs;
  std::atomic<uint8_t> countdownEnabled;
  std::atomic<uint32_t> countdownTimerId;
  // Written by the audio worker of the current exposure only: a new worker
  // resets it while the previous one may still be held inside a wave-out
  // call, and that one, once back, looks at its exposure before every block
  // and writes it no more.
  std::atomic<uint32_t> samplePosition;
  std::atomic<uint32_t> frameCounter;
  std::atomic<const char*> language;
  // 1 while the user has paused the exposure: its sound is held, its light
  // dark, its clock still. The user-interface thread's to write.
  std::atomic<uint8_t> paused;
  // The listener's level of a session's sound, per cent: written by the
  // player's volume slider alone, read by the audio worker for every block.
  std::atomic<uint32_t> listenerLevel;
  // 1 once the music of the session that plays could not be read on: it is
  // silent from then on. Cleared at Start, set by the audio worker.
  std::atomic<uint8_t> musicFailed;

  // Stored once at start-up, before any worker or timer exists; read-only after.
  // The window of the program that runs the exposures, which takes the
  // keyboard back after one and is told of its end: the panel's or the
  // session player's.
  HWND ProgramWindow;
  HWND StimulationWindow;
  // The panel and its controls; the session player keeps its own windows.
  HWND ControlPanel;
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
