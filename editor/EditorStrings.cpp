#include "editor/EditorStrings.h"

const Utf8Pair EditorTitle = {"Редактор сеанса", "Session editor"};
const Utf8Pair NewSessionName = {"новый сеанс", "new session"};
const Utf8Pair CopyWord = {"копия", "copy"};

const Utf8Pair DurationColumn = {"Длительность", "Duration"};
const Utf8Pair SoundColumn = {"Звук", "Sound"};
const Utf8Pair FromColumn = {"От, Гц", "From, Hz"};
const Utf8Pair ToColumn = {"До, Гц", "To, Hz"};
const Utf8Pair VolumeColumn = {"Громкость, %", "Volume, %"};
const Utf8Pair NoiseColumn = {"Шум", "Noise"};
const Utf8Pair LightColumn = {"Свет", "Light"};
const Utf8Pair BrightnessColumn = {"Яркость, %", "Brightness, %"};
const Utf8Pair ColourColumn = {"Цвет", "Colour"};
const Utf8Pair NoiseLevelLabel = {"Шум, %", "Noise, %"};

const Utf8Pair AddCaption = {"Добавить", "Add"};
const Utf8Pair InsertCaption = {"Вставить", "Insert"};
const Utf8Pair DuplicateCaption = {"Дублировать", "Duplicate"};
const Utf8Pair RemoveCaption = {"Удалить", "Remove"};
const Utf8Pair UpCaption = {"Выше", "Move up"};
const Utf8Pair DownCaption = {"Ниже", "Move down"};
const Utf8Pair PlayCaption = {"Играть", "Play"};
const Utf8Pair PlayFromCaption = {"Играть с сегмента", "Play from segment"};
const Utf8Pair SaveCaption = {"Сохранить", "Save"};
const Utf8Pair SaveAsCaption = {"Сохранить как...", "Save as..."};
const Utf8Pair BrowseCaption = {"Обзор...", "Browse..."};

const Utf8Pair EnglishTitleLabel = {"Название по-английски", "Title in English"};
const Utf8Pair RussianTitleLabel = {"Название по-русски", "Title in Russian"};
const Utf8Pair FadeInLabel = {"Нарастание", "Fade-in"};
const Utf8Pair FadeOutLabel = {"Затухание", "Fade-out"};
const Utf8Pair MusicLabel = {"Музыка (файл WAV)", "Music (a WAV file)"};
const Utf8Pair MusicLevelLabel = {"Музыка, %", "Music, %"};

const Utf8Pair NoiseNames[4] = {
    {"нет", "none"}, {"белый", "white"}, {"розовый", "pink"}, {"коричневый", "brown"}};
const Utf8Pair ChosenPatternName = {"выбранный в плеере", "the player's choice"};

const Utf8Pair SaveQuestion = {"Сохранить изменения в сеансе «%s»?",
                               "Save the changes to the session '%s'?"};
const Utf8Pair NotSaved = {"Файл не сохранён; прежний файл не изменён:",
                           "The file was not saved; the file that was there is unchanged:"};
const Utf8Pair FixFirst = {"Сначала исправьте значение:", "First put right the value:"};
const Utf8Pair UnsavedReason = {"Сеанс не сохранён", "A session is not saved"};
const Utf8Pair PointedWord = {"под курсором", "under the cursor"};
const Utf8Pair WaveFilesFilter = {"Звук WAV (*.wav)", "WAV sound (*.wav)"};
const Utf8Pair YesCaption = {"Да", "Yes"};
const Utf8Pair NoCaption = {"Нет", "No"};
const Utf8Pair CancelCaption = {"Отмена", "Cancel"};
