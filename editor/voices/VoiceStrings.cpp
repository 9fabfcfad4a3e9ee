#include "editor/voices/VoiceStrings.h"

const TextPair KindColumn = {"Вид", "Kind"};
const TextPair CarrierColumn = {"Несущая, Гц", "Carrier, Hz"};
const TextPair BeatColumn = {"Биения, частота, Гц", "Beat, rate, Hz"};
const TextPair LevelColumn = {"Уровень, %", "Level, %"};
const TextPair ShapeColumn = {"Форма, цвет", "Shape, colour"};
const TextPair VoicesWord = {"Голоса", "Voices"};

const TextPair AddCaption = {"Добавить", "Add"};
const TextPair RemoveCaption = {"Удалить", "Remove"};
const TextPair UpCaption = {"Выше", "Move up"};
const TextPair DownCaption = {"Ниже", "Move down"};
