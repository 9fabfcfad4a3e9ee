#include "editor/EditorStrings.h"

const TextPair EditorTitle = {"Редактор сеанса", "Session editor"};
const TextPair NewSessionName = {"новый сеанс", "new session"};
const TextPair CopyWord = {"копия", "copy"};

const TextPair DurationColumn = {"Длительность", "Duration"};
const TextPair SoundColumn = {"Звук", "Sound"};
const TextPair FromColumn = {"От, Гц", "From, Hz"};
const TextPair ToColumn = {"До, Гц", "To, Hz"};
const TextPair VolumeColumn = {"Громкость, %", "Volume, %"};
const TextPair NoiseColumn = {"Шум", "Noise"};
const TextPair LightColumn = {"Свет", "Light"};
const TextPair BrightnessColumn = {"Яркость, %", "Brightness, %"};
const TextPair ColourColumn = {"Цвет", "Colour"};
const TextPair NoiseLevelLabel = {"Шум, %", "Noise, %"};

const TextPair InsertCaption = {"Вставить", "Insert"};
const TextPair DuplicateCaption = {"Дублировать", "Duplicate"};
const TextPair PlayCaption = {"Играть", "Play"};
const TextPair PlayFromCaption = {"Играть с сегмента", "Play from segment"};
const TextPair SaveCaption = {"Сохранить", "Save"};
const TextPair SaveAsCaption = {"Сохранить как...", "Save as..."};
const TextPair BrowseCaption = {"Обзор...", "Browse..."};

const TextPair EnglishTitleLabel = {"Название по-английски", "Title in English"};
const TextPair RussianTitleLabel = {"Название по-русски", "Title in Russian"};
const TextPair FadeInLabel = {"Нарастание", "Fade-in"};
const TextPair FadeOutLabel = {"Затухание", "Fade-out"};
const TextPair MusicLabel = {"Музыка (файл WAV)", "Music (a WAV file)"};
const TextPair MusicLevelLabel = {"Музыка, %", "Music, %"};

const TextPair NoiseNames[4] = {
    {"нет", "none"}, {"белый", "white"}, {"розовый", "pink"}, {"коричневый", "brown"}};
const TextPair ChosenPatternName = {"выбранный в плеере", "the player's choice"};

const TextPair SaveQuestion = {"Сохранить изменения в сеансе «%s»?",
                               "Save the changes to the session '%s'?"};
const TextPair NotSaved = {"Файл не сохранён; прежний файл не изменён:",
                           "The file was not saved; the file that was there is unchanged:"};
const TextPair OldFileMoved = {
    "Файл не сохранён, и Windows не смогла вернуть прежнему файлу его имя; теперь он называется:",
    "The file was not saved, and Windows could not give the file that was there its name back; "
    "it is now:"};
const TextPair FixFirst = {"Сначала исправьте значение:", "First put right the value:"};
const TextPair UnsavedReason = {"Сеанс не сохранён", "A session is not saved"};
const TextPair PointedWord = {"под курсором", "under the cursor"};
const TextPair WaveFilesFilter = {"Звук WAV (*.wav)", "WAV sound (*.wav)"};
const TextPair YesCaption = {"Да", "Yes"};
const TextPair NoCaption = {"Нет", "No"};
const TextPair CancelCaption = {"Отмена", "Cancel"};
