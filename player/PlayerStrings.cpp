#include "player/PlayerStrings.h"

const TextPair PlayerTitle = {"Тессовант: сеансы", "Tessovant: sessions"};
const TextPair SessionsLabel = {"Сеансы:", "Sessions:"};
const TextPair OpenCaption = {"Открыть...", "Open..."};
// Open takes SBaGen's .sbg files too.
const TextPair OpenedFilesFilter = {"Файлы сеансов (*.txt, *.sbg)", "Session files (*.txt, *.sbg)"};
const TextPair NewCaption = {"Новый", "New"};
const TextPair EditCaption = {"Изменить", "Edit"};
const TextPair SafetyWarning = {"Внимание: мигающий свет опасен при эпилепсии.",
                                "Warning: flashing light can trigger epileptic seizures."};
const TextPair VolumeLabel = {"Громкость:", "Volume:"};
const TextPair MusicFailedNote = {"; музыка не читается и молчит",
                                  "; the music could not be read and is silent"};
const TextPair PauseCaption = {"Пауза", "Pause"};
const TextPair ResumeCaption = {"Продолжить", "Resume"};
const TextPair FinishedText = {"Сеанс окончен.", "The session has finished."};
const TextPair StoppedText = {"Сеанс остановлен.", "The session was stopped."};
const TextPair NotStartedText = {"Сеанс не удалось начать.", "The session could not be started."};
// The count stands for %u; the Russian word fits any count after a colon.
const TextPair ScaledToneSets = {"; наборов тонов, сведённых к 100 % громкости: %u",
                                 "; tone-sets whose levels were scaled down to 100 %: %u"};
