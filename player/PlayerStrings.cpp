#include "player/PlayerStrings.h"

// Тессовант: сеансы
const TextPair PlayerTitle = {"\xD2\xE5\xF1\xF1\xEE\xE2\xE0\xED\xF2: \xF1\xE5\xE0\xED\xF1\xFB", "Tessovant: sessions"};
// Сеансы:
const TextPair SessionsLabel = {"\xD1\xE5\xE0\xED\xF1\xFB:", "Sessions:"};
// Открыть...
const TextPair OpenCaption = {"\xCE\xF2\xEA\xF0\xFB\xF2\xFC...", "Open..."};
// Зрительное воздействие:
const TextPair PatternLabel = {"\xC7\xF0\xE8\xF2\xE5\xEB\xFC\xED\xEE\xE5 \xE2\xEE\xE7\xE4\xE5\xE9\xF1\xF2\xE2\xE8\xE5:", "Visual influence:"};
// Внимание: мигающий свет опасен при эпилепсии.
const TextPair SafetyWarning = {"\xC2\xED\xE8\xEC\xE0\xED\xE8\xE5: \xEC\xE8\xE3\xE0\xFE\xF9\xE8\xE9 \xF1\xE2\xE5\xF2 \xEE\xEF\xE0\xF1\xE5\xED \xEF\xF0\xE8 \xFD\xEF\xE8\xEB\xE5\xEF\xF1\xE8\xE8.", "Warning: flashing light can trigger epileptic seizures."};
// сегментов
const TextPair SegmentsWord = {"\xF1\xE5\xE3\xEC\xE5\xED\xF2\xEE\xE2", "segments"};
// сегмента, after 2, 3 or 4 (but not 12 to 14)
const TextPair SegmentsFewWord = {"\xF1\xE5\xE3\xEC\xE5\xED\xF2\xE0", "segments"};
// от
const TextPair FromWord = {"\xEE\xF2", "from"};
// до
const TextPair ToWord = {"\xE4\xEE", "to"};
// сегмент
const TextPair SegmentWord = {"\xF1\xE5\xE3\xEC\xE5\xED\xF2", "segment"};
// из
const TextPair OfWord = {"\xE8\xE7", "of"};
// Сеанс окончен.
const TextPair FinishedText = {"\xD1\xE5\xE0\xED\xF1 \xEE\xEA\xEE\xED\xF7\xE5\xED.", "The session has finished."};
// Сеанс остановлен.
const TextPair StoppedText = {"\xD1\xE5\xE0\xED\xF1 \xEE\xF1\xF2\xE0\xED\xEE\xE2\xEB\xE5\xED.", "The session was stopped."};
// строка
const TextPair LineWord = {"\xF1\xF2\xF0\xEE\xEA\xE0", "line"};
// Файл сеанса не прочитан
const TextPair BadFileTitle = {"\xD4\xE0\xE9\xEB \xF1\xE5\xE0\xED\xF1\xE0 \xED\xE5 \xEF\xF0\xEE\xF7\xE8\xF2\xE0\xED", "Session file not read"};
// Файлы сеансов (*.txt)
const TextPair SessionFilesFilter = {"\xD4\xE0\xE9\xEB\xFB \xF1\xE5\xE0\xED\xF1\xEE\xE2 (*.txt)", "Session files (*.txt)"};
// Все файлы
const TextPair AllFilesFilter = {"\xC2\xF1\xE5 \xF4\xE0\xE9\xEB\xFB", "All files"};
