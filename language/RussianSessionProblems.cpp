#include "language/RussianSessionProblems.h"

#include "exposure/ExposureState.h"
#include "session_format/SessionLimits.h"

namespace {

std::string Number(uint64_t value) { return std::to_string(value); }

std::string Quoted(const std::string& field) { return "«" + field + "»"; }

std::string LongestSessionText() {
  const LongestLength longest = LongestSession();
  return BlockLimit() + " блоков (" + Number(longest.hours) + " ч " + Number(longest.minutes) +
         " мин " + Number(longest.seconds) + " с)";
}

// What a word of a segment line takes after it.
std::string WordTakes(const std::string& word) {
  if (word == "noise") return "цвет (white, pink или brown) и уровень " + LevelLimits();
  if (word == "light") return "зрительный режим " + ModeLimits();
  if (word == "colour") return "цвет: white, red, green, blue, amber, violet или #RRGGBB";
  return "уровень " + LevelLimits();
}

std::string DirectiveTakes(const SessionError& e) {
  const std::string given = "; задано значений: " + Number(e.count);
  if (e.word == "music")
    return "music принимает ФАЙЛ и ГРОМКОСТЬ " + LevelLimits() + ", например music rain.wav 40" + given;
  return e.word + " принимает одну ДЛИТЕЛЬНОСТЬ, например " + e.word + " 20s" + given;
}

// What each kind of voice takes after its word.
std::string VoiceTakes(const std::string& kind) {
  if (kind == "binaural" || kind == "monaural")
    return "НЕСУЩАЯ БИЕНИЯ УРОВЕНЬ, например " + kind + " 200 10 15";
  if (kind == "isochronic")
    return "НЕСУЩАЯ ИМПУЛЬСЫ УРОВЕНЬ [ФОРМА], например isochronic 200 10 15 square";
  if (kind == "tone") return "НЕСУЩАЯ УРОВЕНЬ [ФОРМА], например tone 200 15";
  if (kind == "noise") return "ЦВЕТ УРОВЕНЬ, например noise pink 30";
  if (kind == "spin") return "ШИРИНА БИЕНИЯ УРОВЕНЬ [ЦВЕТ], например spin 300 4.2 30 brown";
  if (kind == "bell") return "НЕСУЩАЯ УРОВЕНЬ, например bell 2050 20";
  return "УРОВЕНЬ, например music 40";
}

// A voice's value by its name in the file's messages; any other word as it is.
std::string ValueName(const std::string& value) {
  if (value == "carrier") return "несущая частота";
  if (value == "beat") return "частота биений";
  if (value == "rate") return "частота импульсов";
  if (value == "level") return "уровень голоса";
  if (value == "width") return "ширина вращения";
  return value;
}

std::string ValueForm(const std::string& value) {
  if (value == "level") return "не проценты с не более чем двумя знаками, например 15 или 1.5";
  if (value == "width")
    return "не число микросекунд с не более чем двумя знаками, например 300 или -95.5";
  const std::string hertz = "не число герц с не более чем двумя знаками, например 200 или 7.5";
  return value == "carrier" ? hertz : hertz + ", и не f";
}

std::string SlideExample(const std::string& value) {
  if (value == "width") return "300..500";
  return value == "level" ? "15..0" : value == "carrier" ? "200..150" : "10..4";
}

std::string ValueRange(const std::string& value) {
  if (value == "carrier") return "0..20000";
  if (value == "beat") return "-100..100";
  if (value == "rate") return "0.10..100";
  if (value == "width") return "-20000..20000";
  return "0..100";
}

// What the player plays, said after every refused music file.
const char MusicAccepted[] = "; подходят файлы WAV: 16-битный PCM, 44100 Гц, моно или стерео";

std::string MusicFileName(const SessionError& e) { return "файл музыки " + Quoted(e.field); }

// The voices an .sbg tone-set may hold, said after a voice that is refused.
const char SbgVoices[] = "-, C+B/A, C-B/A, C/A, C@P/A, pink/A, white/A, brown/A, bell+F/A, "
                         "spin:W+B/A, bspin:W+B/A, wspin:W+B/A или mix/A";

std::string SbgOptionTakes(const std::string& option) {
  if (option == "-T") return "время суток, чч:мм или чч:мм:сс";
  if (option == "-L") return "длительность, чч:мм или чч:мм:сс";
  if (option == "-F") return "время перехода в миллисекундах";
  if (option == "-q") return "целое число больше 0";
  if (option == "-w") return "форма волны: sine, square, triangle или sawtooth";
  if (option == "-m") return "файл";
  return "целое число";
}

std::string SbgOptionValue(const SessionError& e) {
  const std::string takes = "после " + e.word + " нужно указать " + SbgOptionTakes(e.word) +
                            (e.limit ? ", не больше " + Number(e.limit) : "");
  return e.field.empty() ? takes + ", а значения нет" : takes + "; " + Quoted(e.field) + " не подходит";
}

std::string SbgOptionRefused(const SessionError& e) {
  if (e.word == "-p")
    return Quoted(e.field) + ": встроенные программы (-p) не импортируются; запишите наборы тонов "
                             "и строки времени программы";
  if (e.word == "-i")
    return Quoted(e.field) + ": тоны, заданные через -i, не импортируются; запишите их набором "
                             "тонов и строкой времени";
  std::string taken;
  if (e.word == "-q") taken = "; подходит -q 1, то же, что -S";
  if (e.word == "-r") taken = "; сеансы звучат с частотой 44100 кадров в секунду (-r 44100)";
  if (e.word == "-b") taken = "; подходит -b 16";
  if (e.word == "-V") taken = "; подходит -V 100";
  if (e.word == "-w") taken = "; подходит -w sine (простой тон берёт другую форму как square:C/A)";
  return Quoted(e.field) + " меняет звук так, как импорт повторить не может" + taken;
}

std::string SbgValueRange(const std::string& value) {
  const std::string limits = " вне диапазона " + SbgValueLimits(value);
  if (value == "carrier") return "несущая частота" + limits + " Гц";
  if (value == "beat") return "частота биений" + limits + " Гц";
  if (value == "pulse") return "частота импульсов" + limits + " Гц";
  if (value == "spin") return "частота вращения" + limits + " Гц";
  if (value == "width") return "ширина" + limits + " микросекунд";
  if (value == "level") return "уровень" + limits;
  return "значение " + value + " вне диапазона";
}

std::string SbgVoiceNotSupported(const SessionError& e) {
  if (e.word == "waveNN")
    return Quoted(e.field) + ": собственные формы волны файла (waveNN) не импортируются";
  return Quoted(e.field) + ": голоса " + e.word + " не импортируются; голос — это " + SbgVoices;
}

// The .sbg reader's problems.
std::string RussianSbgProblem(const SessionError& e) {
  switch (e.problem) {
    case SessionProblem::SbgOptionLate:
      return "параметр " + Quoted(e.field) + " стоит после строки " + Number(e.count) +
             ", первого набора тонов или строки времени; параметры пишутся в начале файла";
    case SessionProblem::SbgOptionUnknown:
      return Quoted(e.field) + " — не параметр, который берёт импорт: -S, -E, -T, -L, -F, -q 1, "
                               "-r 44100, -m ФАЙЛ, а также -Q, -D, -W, -O, -o, -R и -N, которые "
                               "не меняют звука";
    case SessionProblem::SbgOptionValue:
      return SbgOptionValue(e);
    case SessionProblem::SbgOptionRefused:
      return SbgOptionRefused(e);
    case SessionProblem::SbgStartConflict:
      return "-T (строка " + Number(e.count) +
             ") и -S или -q одновременно задают начало сеанса; оставьте что-то одно";
    case SessionProblem::SbgVoiceForm:
      return Quoted(e.field) + " — не голос: " + SbgVoices;
    case SessionProblem::SbgVoiceNotSupported:
      return SbgVoiceNotSupported(e);
    case SessionProblem::SbgWaveformPrefix:
      return Quoted(e.field) + ": форма волны, отличная от sine, допустима только у простого тона "
                               "C/A, например square:200/10";
    case SessionProblem::SbgVoiceValue:
      return Quoted(e.field) + ": " + SbgValueRange(e.word);
    case SessionProblem::SbgTooManyVoices:
      return "в наборе тонов голосов: " + Number(e.count) + ", а можно не больше " + Number(e.limit);
    case SessionProblem::SbgBlockOpen:
      return "блок " + e.word + " открывается одной { после имени: " + e.word + ": {";
    case SessionProblem::SbgBlockLine:
      return Quoted(e.field) + " в блоке: каждая его строка начинается с относительного времени, "
                               "например +00:10 alpha, а заканчивается блок строкой из одной }";
    case SessionProblem::SbgBlockEmpty:
      return "в блоке " + e.word + " нет ни одной строки";
    case SessionProblem::SbgBlockUnclosed:
      return "блок " + e.word + " не закрыт строкой из одной }";
    case SessionProblem::SbgBlockCallsItself:
      return "блок " + e.word + " вызывает сам себя и никогда бы не кончился";
    case SessionProblem::SbgBlocksTooDeep:
      return "блок " + e.word + " вложен в другие блоки глубже, чем на " + Number(e.count);
    case SessionProblem::SbgTimeForm:
      return Quoted(e.field) + " — не время (чч:мм, чч:мм:сс или NOW, за ними, возможно, +чч:мм) "
                               "и не определение (имя, двоеточие и пробел)";
    case SessionProblem::SbgRelativeFirst:
      return Quoted(e.field) + " отсчитывается от последнего абсолютного времени (NOW или чч:мм), "
                               "а его выше нет";
    case SessionProblem::SbgNowAndClock:
      return Quoted(e.field) + " и строка " + Number(e.count) +
             " смешивают NOW и время по часам (в том числе -T), и файл звучал бы по-разному в "
             "зависимости от часа запуска; отсчитывайте всё от NOW или всё по часам";
    case SessionProblem::SbgFadeForm:
      return Quoted(e.field) +
             " — не имя и не переходы: два знака, < - или =, а затем > - или =";
    case SessionProblem::SbgUnknownName:
      if (e.field.empty()) return "после времени не назван набор тонов или блок";
      return Quoted(e.field) + " — не набор тонов и не блок, определённый выше этой строки";
    case SessionProblem::SbgTrailing:
      return Quoted(e.field) + " после имени; за ним может стоять только ->";
    case SessionProblem::SbgLongerThanDay:
      return "строки времени до этой охватывают больше 24 часов";
    case SessionProblem::SbgTooManyTimeLines:
      return "строк времени с раскрытыми блоками больше " + Number(e.count);
    case SessionProblem::SbgNoTimeLine:
      return "нет строки времени, например 00:00 alpha, которая говорит, когда звучит набор тонов";
    case SessionProblem::SbgMixWithoutFile:
      return "набор тонов " + e.word + " играет mix/, звук файла из -m, а файл не указан";
    case SessionProblem::SbgEmpty:
      if (e.word == "-L") return "сеанс пуст: -L не даёт ему длительности";
      return "сеанс пуст: -E заканчивает его на последней строке времени, где он и начинается";
    case SessionProblem::SbgMixNotWave:
      return "-m " + Quoted(e.field) + " — не файл WAV, а музыка играет только их; преобразуйте "
             "его: ffmpeg -i " + e.field + " -ac 2 -ar 44100 -c:a pcm_s16le " + e.word;
    default:
      return "";
  }
}

}  // namespace

std::string RussianSessionProblem(const SessionError& e) {
  switch (e.problem) {
    case SessionProblem::None:
      return "";
    case SessionProblem::FieldCount:
      return "число полей — " + Number(e.count) +
             ", а сегмент пишется как ДЛИТЕЛЬНОСТЬ РЕЖИМ ЧАСТОТА [ЧАСТОТА]";
    case SessionProblem::DurationForm:
      return "длительность " + Quoted(e.field) +
             " — не десятичное число с m или s после него, например 20m или 1.5s";
    case SessionProblem::DurationZero:
      return "длительность " + e.field + " не больше 0";
    case SessionProblem::DurationTooLong:
      return "длительность " + e.field + " больше " + LongestSessionText();
    case SessionProblem::ModeForm:
      return "режим " + Quoted(e.field) + " — не звуковой режим " + ModeLimits();
    case SessionProblem::ModeRange:
      return "режим " + e.field + " вне диапазона " + ModeLimits();
    case SessionProblem::FrequencyForm:
      return "частота " + Quoted(e.field) +
             " — не число герц с не более чем двумя знаками после запятой, например 12, 7.8 "
             "или 7,80";
    case SessionProblem::FrequencyRange:
      return "частота " + e.field + " вне диапазона " + FrequencyLimits();
    case SessionProblem::SessionTooLong:
      return "сеанс выходит за " + std::string(LongestSessionText());
    case SessionProblem::SecondDirective:
      return "директива " + e.word + " уже есть в строке " + Number(e.count);
    case SessionProblem::DirectiveValues:
      return DirectiveTakes(e);
    case SessionProblem::FadesTooLong:
      return "fade-in и fade-out вместе занимают больше блоков (" + Number(e.count) +
             "), чем весь сеанс (" + Number(e.limit) + ")";
    case SessionProblem::NoSegment:
      return "нет ни одного сегмента: только пустые строки, комментарии и директивы";
    case SessionProblem::TitleLanguage:
      return "после title нужен язык, en или ru, а за ним название, например title ru "
             "Расслабление" +
             (e.field.empty() ? std::string() : "; " + Quoted(e.field) + " — не язык");
    case SessionProblem::TitleEmpty:
      return "у title " + e.word + " нет текста; напишите его после языка";
    case SessionProblem::UnknownWord:
      return Quoted(e.field) + " — не слово сегмента: volume, noise, light, brightness или colour";
    case SessionProblem::WordTwice:
      return "слово " + e.word + " второй раз в одном сегменте";
    case SessionProblem::WordValueMissing:
      return "у " + e.word + " нет значения; нужно указать " + WordTakes(e.word);
    case SessionProblem::LevelForm:
      return "уровень " + e.word + " " + Quoted(e.field) + " — не целое число " + LevelLimits() + " (проценты)";
    case SessionProblem::LevelRange:
      return "уровень " + e.word + " " + e.field + " вне диапазона " + LevelLimits();
    case SessionProblem::NoiseColourForm:
      return e.word + " " + Quoted(e.field) + " — не white, pink и не brown";
    case SessionProblem::PatternForm:
      return "light " + Quoted(e.field) + " — не зрительный режим " + ModeLimits();
    case SessionProblem::PatternRange:
      return "light " + e.field + " вне диапазона " + ModeLimits();
    case SessionProblem::ColourForm:
      return "colour " + Quoted(e.field) +
             " — не white, red, green, blue, amber, violet и не #RRGGBB";
    case SessionProblem::VoiceBeforeSegment:
      return e.word + " — голос, его строка пишется под строкой сегмента, а выше её сегмента нет";
    case SessionProblem::VoiceKindUnknown:
      return Quoted(e.field) +
             " — не голос (binaural, monaural, isochronic, tone, noise, music, spin или bell), не "
             "директива "
             "(fade-in, fade-out, title или music) и не длительность сегмента";
    case SessionProblem::VoiceFieldCount:
      return e.word + " принимает " + VoiceTakes(e.word) + "; задано значений: " + Number(e.count);
    case SessionProblem::VoiceValueForm:
      return ValueName(e.word) + " " + Quoted(e.field) + " — " + ValueForm(e.word) +
             " и не переход ПЕРВОЕ..ПОСЛЕДНЕЕ";
    case SessionProblem::VoiceSlideForm:
      return ValueName(e.word) + " " + Quoted(e.field) +
             " — не переход ПЕРВОЕ..ПОСЛЕДНЕЕ из двух чисел, например " + SlideExample(e.word);
    case SessionProblem::VoiceValueRange:
      return ValueName(e.word) + " " + e.field + " вне диапазона " + ValueRange(e.word);
    case SessionProblem::VoiceShapeForm:
      return "форма " + e.word + " " + Quoted(e.field) + " — не " +
             (e.word == "tone" ? "sine, square, triangle и не saw"
                               : "sine, square, triangle, saw и не smooth");
    case SessionProblem::VoiceTooMany:
      return "голос " + Number(e.count) + " одного сегмента; у сегмента не больше 16 голосов";
    case SessionProblem::MusicVoiceAlone:
      return "голос music играет музыку сеанса, а строки music в файле нет";
    case SessionProblem::BellSlides:
      return ValueName(e.word) + " колокола " + Quoted(e.field) +
             " меняется; колокол звучит один раз, с одной несущей и одним уровнем";
    case SessionProblem::TextNotWritable:
      return (e.word == "title" ? "в title " : "в имени файла music ") + Quoted(e.field) +
             " есть # или перенос строки: файл сеанса их в нём не сохранит";
    case SessionProblem::MusicMissing:
      return MusicFileName(e) + " не найден";
    case SessionProblem::MusicUnreadable:
      return MusicFileName(e) + " не читается";
    case SessionProblem::MusicNotWave:
      return MusicFileName(e) + " — не файл WAV, или его заголовок оборван" + MusicAccepted;
    case SessionProblem::MusicEncoding:
      return MusicFileName(e) + " — не PCM (формат " + Number(e.count) + ")" + MusicAccepted;
    case SessionProblem::MusicBits:
      return MusicFileName(e) + ": отсчёты по " + Number(e.count) + " бит" + MusicAccepted;
    case SessionProblem::MusicRate:
      return MusicFileName(e) + ": частота " + Number(e.count) + " Гц" + MusicAccepted;
    case SessionProblem::MusicChannels:
      return MusicFileName(e) + ": каналов " + Number(e.count) + MusicAccepted;
    case SessionProblem::MusicEmpty:
      return MusicFileName(e) + " не содержит звука";
    case SessionProblem::MusicReadFailed:
      return "чтение файла музыки " + Quoted(e.field) + " не удалось";
    default:
      return RussianSbgProblem(e);
  }
  return "";
}

std::string SessionProblemInCurrentLanguage(const SessionError& error) {
  if (IsRussian(LoadField(ExposureState.language))) return RussianSessionProblem(error);
  return EnglishSessionProblem(error);
}
