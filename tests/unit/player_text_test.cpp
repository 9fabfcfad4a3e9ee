// Catches a count of segments in the wrong grammatical form: Russian has
// three (1 and 21; 2 to 4 and 22 to 24; 0, 5 to 20 and 25 on), English two.
#include <gtest/gtest.h>

#include <string>

#include "exposure/ExposureState.h"
#include "editor/EditorText.h"
#include "language/SessionTexts.h"
#include "player/PlayerText.h"
#include "language/RussianSessionProblems.h"
#include "session_format/SessionProblems.h"
#include "session_format/SessionReader.h"

namespace {

// Sets the interface language for one test and puts Russian back after it.
struct InLanguage {
  explicit InLanguage(const char* language) { StoreField(ExposureState.language, language); }
  ~InLanguage() { StoreField(ExposureState.language, LanguageRussian); }
};

Session SlideAndHold() {
  Session session;
  session.segments = {PlainSegment(SoundMode::BrainWaves, 20, 1000, 600),
                      PlainSegment(SoundMode::BrainWaves, 20, 600, 600),
                      PlainSegment(SoundMode::NoiseModulation, 20, 800, 800)};
  return session;
}

bool HasCyrillic(const std::string& text) {
  return text.find("\xD0") != std::string::npos || text.find("\xD1") != std::string::npos;
}

}  // namespace

TEST(PlayerText, SegmentCountTakesTheFormOfItsNumber) {
  const struct {
    size_t segments;
    const char* russian;
    const char* english;
  } cases[] = {
      {1, "сегмент,", "segment,"},     {2, "сегмента,", "segments,"},
      {5, "сегментов,", "segments,"},  {11, "сегментов,", "segments,"},
      {12, "сегментов,", "segments,"}, {21, "сегмент,", "segments,"},
      {23, "сегмента,", "segments,"},
  };
  for (const auto& c : cases) {
    Session session;
    session.segments.assign(c.segments, PlainSegment(SoundMode::BrainWaves, 4, 780, 780));
    const std::string count = std::to_string(c.segments) + " ";
    InLanguage russian(LanguageRussian);
    EXPECT_NE(DescribeSession(session).find(count + c.russian), std::string::npos) << c.segments;
    InLanguage english(LanguageEnglish);
    EXPECT_NE(DescribeSession(session).find(count + c.english), std::string::npos) << c.segments;
  }
}

// Catches a description or progress line in the wrong language or encoding
// (the window converts them from UTF-8).
TEST(PlayerText, DescriptionAndProgressInUtf8) {
  const struct {
    const char* language;
    const char* description;
    const char* progress;
  } cases[] = {
      {LanguageRussian, "0:15, 3 сегмента, от 6,00 до 10,00 Гц",
       "0:07 / 0:15, сегмент 2 из 3, 6,00 Гц"},
      {LanguageEnglish, "0:15, 3 segments, from 6,00 to 10,00 Hz",
       "0:07 / 0:15, segment 2 of 3, 6,00 Hz"},
  };
  for (const auto& c : cases) {
    InLanguage language(c.language);
    EXPECT_EQ(DescribeSession(SlideAndHold()), c.description);
    EXPECT_EQ(SessionProgress(SlideAndHold(), 7600), c.progress);
  }
}

// Catches a list that shows the wrong title: the current language's first,
// then the other's, then the file's name.
TEST(PlayerText, ListedTitleFallsBackToTheOtherLanguageThenTheFileName) {
  const struct {
    const char* language;
    const char* english;
    const char* russian;
    const char* shown;
  } cases[] = {
      {LanguageRussian, "Relax", "Расслабление", "Расслабление"},
      {LanguageEnglish, "Relax", "Расслабление", "Relax"},
      {LanguageRussian, "Relax", "", "Relax"},
      {LanguageEnglish, "", "Расслабление", "Расслабление"},
      {LanguageEnglish, "", "", "relax.txt"},
  };
  for (const auto& c : cases) {
    Session session = SlideAndHold();
    session.englishTitle = c.english;
    session.russianTitle = c.russian;
    InLanguage language(c.language);
    EXPECT_EQ(ListedTitle(session, "relax.txt"), c.shown);
  }
}

// Catches a kind of problem that the player cannot word in Russian, or whose
// Russian leaves out a value that the English names.
TEST(PlayerText, EveryProblemHasRussianWordsNamingTheSameValues) {
  for (const char* word : {"noise", "light", "colour", "volume", "music", "fade-in", "title"}) {
    for (int kind = static_cast<int>(SessionProblem::FieldCount);
         kind <= static_cast<int>(SessionProblem::TextNotWritable); kind++) {
      SessionError error{3, static_cast<SessionProblem>(kind), word, "x7", 123, 456, "", ""};
      const std::string english = EnglishSessionProblem(error);
      const std::string russian = RussianSessionProblem(error);
      EXPECT_TRUE(HasCyrillic(russian)) << kind << " " << word << ": " << russian;
      for (const std::string& value :
           {std::string(word), std::string("x7"), std::string("123"), std::string("456")}) {
        if (english.find(value) != std::string::npos) {
          EXPECT_NE(russian.find(value), std::string::npos) << kind << ": " << russian;
        }
      }
    }
  }
  // The .sbg import's problems, with the words their wording depends on.
  for (const char* word : {"-p", "-i", "-q", "-r", "-T", "-F", "-m", "-E", "-L", "waveNN", "bspin",
                           "carrier", "beat", "pulse", "spin", "width", "level", "alpha"}) {
    for (int kind = static_cast<int>(SessionProblem::SbgOptionLate);
         kind <= static_cast<int>(SessionProblem::SbgMixNotWave); kind++) {
      for (const char* field : {"x7", ""}) {
        SessionError error{3, static_cast<SessionProblem>(kind), word, field, 123, 456, "", ""};
        const std::string english = EnglishSessionProblem(error);
        const std::string russian = RussianSessionProblem(error);
        EXPECT_FALSE(english.empty()) << kind << " " << word;
        EXPECT_TRUE(HasCyrillic(russian)) << kind << " " << word << ": " << russian;
        // A voice's value is named by a key that each language words its own way.
        const bool key = error.problem == SessionProblem::SbgVoiceValue;
        for (const std::string& value : {std::string(key ? "" : word), std::string(field),
                                         std::string("123"), std::string("456")}) {
          if (!value.empty() && english.find(value) != std::string::npos) {
            EXPECT_NE(russian.find(value), std::string::npos) << kind << ": " << russian;
          }
        }
      }
    }
  }
}

// Catches a message about a bad file in the wrong language, or without its
// line.
TEST(PlayerText, BadFileMessageInTheInterfacesLanguage) {
  Session session;
  SessionError error;
  ASSERT_FALSE(ParseSession("5s 1 10\nfade-in 2s\n5s 9 10\n", "bad.txt", session, error));
  SessionError noSegment;
  ASSERT_FALSE(ParseSession("fade-in 2s\n", "empty.txt", session, noSegment));
  const struct {
    const char* language;
    const SessionError& error;
    const char* message;
  } cases[] = {
      {LanguageRussian, error, "C:\\сеансы\\bad.txt\nстрока 3: режим 9 вне диапазона 0..4"},
      {LanguageEnglish, error, "C:\\сеансы\\bad.txt\nline 3: mode 9 is out of range 0..4"},
      {LanguageRussian, noSegment,
       "C:\\сеансы\\bad.txt\nнет ни одного сегмента: только пустые строки, комментарии и "
       "директивы"},
  };
  for (const auto& c : cases) {
    InLanguage language(c.language);
    EXPECT_EQ(BadFileMessage("C:\\сеансы\\bad.txt", c.error), c.message);
  }
  InLanguage russian(LanguageRussian);
  EXPECT_EQ(UnreadableFileMessage("a.txt"), "a.txt\nне читается или больше 64 МиБ");
}

// Catches the editor's picture line or its question about unsaved changes in
// the wrong language, or the place under the cursor at the wrong block.
TEST(PlayerText, EditorsLinesInTheInterfacesLanguage) {
  const struct {
    const char* language;
    int64_t block;
    const char* line;
    const char* question;
  } cases[] = {
      {LanguageRussian, -1, "0:15, 3 сегмента, от 6,00 до 10,00 Гц",
       "Сохранить изменения в сеансе «вечер.txt»?"},
      {LanguageEnglish, 30,
       "0:15, 3 segments, from 6,00 to 10,00 Hz; under the cursor: 0:07 / 0:15, segment 2 of 3, "
       "6,00 Hz",
       "Save the changes to the session 'вечер.txt'?"},
  };
  for (const auto& c : cases) {
    InLanguage language(c.language);
    EXPECT_EQ(PictureLine(SlideAndHold(), c.block), c.line);
    EXPECT_EQ(SaveQuestionText("вечер.txt"), c.question);
  }
}

// Catches an .sbg file's scaled tone-sets not told, told for none, or told
// with another count.
TEST(PlayerText, ScaledToneSetsAreToldInTheInterfacesLanguage) {
  const struct {
    const char* language;
    size_t count;
    const char* note;
  } cases[] = {
      {LanguageEnglish, 0, ""},
      {LanguageEnglish, 2, "; tone-sets whose levels were scaled down to 100 %: 2"},
      {LanguageRussian, 13, "; наборов тонов, сведённых к 100 % громкости: 13"},
  };
  for (const auto& c : cases) {
    InLanguage language(c.language);
    EXPECT_EQ(ScaledToneSetsNote(c.count), c.note);
  }
}
