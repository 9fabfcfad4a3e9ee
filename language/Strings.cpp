#include "language/Strings.h"

#include "exposure/ExposureState.h"

const char* InCurrentLanguage(const TextPair& text) {
  const char* language = LoadField(ExposureState.language);
  if (IsRussian(language)) return text.russian;
  if (IsEnglish(language)) return text.english;
  return "";  // only before start-up has set the language
}

// Тессовант 03.2005
const TextPair PanelTitle = {"\xD2\xE5\xF1\xF1\xEE\xE2\xE0\xED\xF2 03.2005", "Tessovant 03.2005"};
// Запуск
const TextPair StartCaption = {"\xC7\xE0\xEF\xF3\xF1\xEA", "Start"};
// Стоп
const TextPair StopCaption = {"\xD1\xF2\xEE\xEF", "Stop"};
// Частота воздействия:
const TextPair FrequencyLabel = {"\xD7\xE0\xF1\xF2\xEE\xF2\xE0 \xE2\xEE\xE7\xE4\xE5\xE9\xF1\xF2\xE2\xE8\xFF:", "Freq. of influence:"};
// Гц
const TextPair FrequencyUnit = {"\xC3\xF6", "Hz"};
// Звуковое воздействие:
const TextPair SoundLabel = {"\xC7\xE2\xF3\xEA\xEE\xE2\xEE\xE5 \xE2\xEE\xE7\xE4\xE5\xE9\xF1\xF2\xE2\xE8\xE5:", "Sound influence:"};
// Зрительное воздействие:
const TextPair VisualLabel = {"\xC7\xF0\xE8\xF2\xE5\xEB\xFC\xED\xEE\xE5 \xE2\xEE\xE7\xE4\xE5\xE9\xF1\xF2\xE2\xE8\xE5:", "Visual influence:"};
// Время воздействия:
const TextPair DurationLabel = {"\xC2\xF0\xE5\xEC\xFF \xE2\xEE\xE7\xE4\xE5\xE9\xF1\xF2\xE2\xE8\xFF:", "Long of influence:"};
// мин
const TextPair DurationUnit = {"\xEC\xE8\xED", "min"};

const TextPair SoundModeNames[ModeCount] = {
    {"\xCE\xF2\xF1\xF3\xF2\xF1\xF2\xE2\xF3\xE5\xF2", "None"},  // Отсутствует
    {"\xC1\xE8\xED\xE0\xF3\xF0\xE0\xEB\xFC\xED\xFB\xE5 \xE1\xE8\xE5\xED\xE8\xFF", "Brain waves"},  // Бинауральные биения
    {"\xC0\xEC\xEF\xEB\xE8\xF2\xF3\xE4\xED\xE0\xFF \xEC\xEE\xE4\xF3\xEB\xFF\xF6\xE8\xFF", "Peak modulation"},  // Амплитудная модуляция
    {"\xCC\xEE\xE4\xF3\xEB\xFF\xF6\xE8\xFF \xE1\xE5\xEB\xEE\xE3\xEE \xF8\xF3\xEC\xE0", "Modulation of white noise"},  // Модуляция белого шума
    {"\xC1\xE8\xE5\xED\xE8\xFF \xE1\xE5\xEB\xEE\xE3\xEE \xF8\xF3\xEC\xE0", "Waves of white noise"},  // Биения белого шума
};

const TextPair VisualModeNames[ModeCount] = {
    {"\xCE\xF2\xF1\xF3\xF2\xF1\xF2\xE2\xF3\xE5\xF2", "None"},  // Отсутствует
    {"\xCF\xEB\xE0\xE2\xED\xFB\xE9 \xF1\xF2\xF0\xEE\xE1\xEE\xF1\xEA\xEE\xEF", "Smooth strobo"},  // Плавный стробоскоп
    {"\xC4\xE8\xF1\xEA\xF0\xE5\xF2\xED\xFB\xE9 \xF1\xF2\xF0\xEE\xE1\xEE\xF1\xEA\xEE\xEF", "Discrete strobo"},  // Дискретный стробоскоп
    {"\xCA\xF0\xF3\xE3\xE8", "Circles"},  // Круги
    {"\xD1\xE5\xF2\xEA\xE0", "Grid"},  // Сетка
};

// "Eng/Рус"
const char LanguageButtonCaption[] = "Eng/\xD0\xF3\xF1";
const char WebAddressLine[] = "www.tessovant.example.com";
