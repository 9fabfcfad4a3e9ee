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
  return "УРОВЕНЬ, например music 40";
}

// A voice's value by its name in the file's messages; any other word as it is.
std::string ValueName(const std::string& value) {
  if (value == "carrier") return "несущая частота";
  if (value == "beat") return "частота биений";
  if (value == "rate") return "частота импульсов";
  if (value == "level") return "уровень голоса";
  return value;
}

std::string ValueForm(const std::string& value) {
  if (value == "level") return "не проценты с не более чем двумя знаками, например 15 или 1.5";
  const std::string hertz = "не число герц с не более чем двумя знаками, например 200 или 7.5";
  return value == "carrier" ? hertz : hertz + ", и не f";
}

std::string SlideExample(const std::string& value) {
  return value == "level" ? "15..0" : value == "carrier" ? "200..150" : "10..4";
}

std::string ValueRange(const std::string& value) {
  if (value == "carrier") return "0..20000";
  if (value == "beat") return "-100..100";
  if (value == "rate") return "0.10..100";
  return "0..100";
}

// What the player plays, said after every refused music file.
const char MusicAccepted[] = "; подходят файлы WAV: 16-битный PCM, 44100 Гц, моно или стерео";

std::string MusicFileName(const SessionError& e) { return "файл музыки " + Quoted(e.field); }

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
      return "noise " + Quoted(e.field) + " — не white, pink и не brown";
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
             " — не голос (binaural, monaural, isochronic, tone, noise или music), не директива "
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
  }
  return "";
}

std::string SessionProblemInCurrentLanguage(const SessionError& error) {
  if (IsRussian(LoadField(ExposureState.language))) return RussianSessionProblem(error);
  return EnglishSessionProblem(error);
}
