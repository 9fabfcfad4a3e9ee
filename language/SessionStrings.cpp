#include "language/SessionStrings.h"

const TextPair SegmentsWord = {"сегментов", "segments"};
// After 2, 3 or 4 (but not 12 to 14).
const TextPair SegmentsFewWord = {"сегмента", "segments"};
const TextPair FromWord = {"от", "from"};
const TextPair ToWord = {"до", "to"};
const TextPair SegmentWord = {"сегмент", "segment"};
const TextPair OfWord = {"из", "of"};
// The panel's unit too, which window-free code cannot take from its
// Windows-1251 table.
const TextPair HertzUnit = {"Гц", "Hz"};
const TextPair LineWord = {"строка", "line"};
// "At 60 Hz this display shows the 40,00 Hz of segment 2 as a 18,33 Hz
// flicker. Also segments 3, 4."
const TextPair DisplayAtWord = {"При", "At"};
const TextPair DisplayShowsWords = {"этот экран показывает", "this display shows the"};
const TextPair OfSegmentWords = {"сегмента", "of segment"};
const TextPair AsFlickerWord = {"как", "as a"};
const TextPair FlickerWord = {"мигание", "flicker"};
const TextPair AlsoSegmentWord = {"Также сегмент", "Also segment"};
const TextPair AlsoSegmentsWord = {"Также сегменты", "Also segments"};
const TextPair UnreadableFile = {"не читается или больше 64 МиБ",
                                 "cannot be read, or is larger than 64 MiB"};
const TextPair BadFileTitle = {"Файл сеанса не прочитан", "Session file not read"};
const TextPair SessionFilesFilter = {"Файлы сеансов (*.txt)", "Session files (*.txt)"};
const TextPair AllFilesFilter = {"Все файлы", "All files"};
