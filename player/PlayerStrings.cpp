#include "player/PlayerStrings.h"

const char* InCurrentLanguage(const Utf8Pair& text) {
  return InCurrentLanguage(TextPair{text.russian, text.english});
}

const Utf8Pair PlayerTitle = {"Тессовант: сеансы", "Tessovant: sessions"};
const Utf8Pair SessionsLabel = {"Сеансы:", "Sessions:"};
const Utf8Pair OpenCaption = {"Открыть...", "Open..."};
const Utf8Pair NewCaption = {"Новый", "New"};
const Utf8Pair EditCaption = {"Изменить", "Edit"};
const Utf8Pair SafetyWarning = {"Внимание: мигающий свет опасен при эпилепсии.",
                                "Warning: flashing light can trigger epileptic seizures."};
const Utf8Pair SegmentsWord = {"сегментов", "segments"};
// After 2, 3 or 4 (but not 12 to 14).
const Utf8Pair SegmentsFewWord = {"сегмента", "segments"};
const Utf8Pair FromWord = {"от", "from"};
const Utf8Pair ToWord = {"до", "to"};
const Utf8Pair SegmentWord = {"сегмент", "segment"};
const Utf8Pair OfWord = {"из", "of"};
// The panel's unit too, which window-free code cannot take from its
// Windows-1251 table.
const Utf8Pair HertzUnit = {"Гц", "Hz"};
const Utf8Pair VolumeLabel = {"Громкость:", "Volume:"};
const Utf8Pair MusicFailedNote = {"; музыка не читается и молчит",
                                  "; the music could not be read and is silent"};
const Utf8Pair PauseCaption = {"Пауза", "Pause"};
const Utf8Pair ResumeCaption = {"Продолжить", "Resume"};
const Utf8Pair FinishedText = {"Сеанс окончен.", "The session has finished."};
const Utf8Pair StoppedText = {"Сеанс остановлен.", "The session was stopped."};
const Utf8Pair LineWord = {"строка", "line"};
const Utf8Pair UnreadableFile = {"не читается или больше 64 МиБ",
                                 "cannot be read, or is larger than 64 MiB"};
const Utf8Pair BadFileTitle = {"Файл сеанса не прочитан", "Session file not read"};
const Utf8Pair SessionFilesFilter = {"Файлы сеансов (*.txt)", "Session files (*.txt)"};
const Utf8Pair AllFilesFilter = {"Все файлы", "All files"};
