#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "session_format/document/SessionDocument.h"
#include "editor/SessionPicture.h"
#include "session_format/SessionReader.h"
#include "session_format/SessionSchedule.h"
#include "session_format/SessionVoices.h"

namespace {

// Each segment's values, every one of them, as numbers, its voices' after.
std::string Segments(const Session& session) {
  std::string values;
  for (const SessionSegment& s : session.segments) {
    for (uint64_t v : {uint64_t{s.blocks}, uint64_t(s.mode), uint64_t{s.firstFrequency},
                       uint64_t{s.lastFrequency}, uint64_t{s.volume}, uint64_t(s.noise),
                       uint64_t{s.noiseLevel}, uint64_t(s.light + 1), uint64_t{s.brightness},
                       uint64_t{s.colour}})
      values += std::to_string(v) + ",";
    for (const Voice& v : s.voices) {
      values += "|";
      for (int64_t value : {int64_t(v.kind), int64_t{v.carrier.first}, int64_t{v.carrier.last},
                            int64_t{v.beat.first}, int64_t{v.beat.last},
                            int64_t{v.beatFollowsFrequency}, int64_t{v.level.first},
                            int64_t{v.level.last}, int64_t(v.shape), int64_t(v.colour)})
        values += std::to_string(value) + ",";
    }
  }
  return values;
}

// What plays: the fades, then the segments.
std::string Plays(const Session& session) {
  return "in " + std::to_string(session.fadeInBlocks) + " out " +
         std::to_string(session.fadeOutBlocks) + " " + Segments(session);
}

std::string PlaysOf(const std::string& text) {
  Session session;
  SessionError error;
  EXPECT_TRUE(ParseSession(text, "test", session, error)) << error.message;
  return Plays(session);
}

}  // namespace

// Catches a save that loses or alters a byte of a file it did not edit
// (comments, blank lines, line ends, a byte-order mark), or a line written
// from values that the reader reads back otherwise.
TEST(SessionDocument, EveryLibrarySessionIsWrittenBackByteForByteAndPlaysAlike) {
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(TESSOVANT_SOURCE_DIR) + "/sessions")) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(file), {});
    for (const std::string& form : {text, "\xEF\xBB\xBF" + text}) {
      SessionDocument document;
      SessionError error;
      ASSERT_TRUE(OpenDocument(form, "", document, error)) << error.message;
      EXPECT_EQ(DocumentText(document), form) << entry.path();
      Session session;
      ASSERT_TRUE(ReadBack(document, session, error));
      EXPECT_EQ(Plays(session), PlaysOf(text)) << entry.path();
      // Each segment written anew reads back to the same values.
      std::string rewritten;
      for (const SessionSegment& s : session.segments) {
        rewritten += SegmentLine(s) + "\n";
        for (const Voice& voice : s.voices) rewritten += VoiceLine(voice) + "\n";
      }
      Session again;
      ASSERT_TRUE(ParseSession(rewritten, "test", again, error)) << error.message;
      EXPECT_EQ(Segments(again), Segments(session)) << entry.path();
    }
  }
}

// Catches a writer that is not the reader's inverse for some value: short
// durations, frequencies with one or two decimals, every word, a colour
// named or not.
TEST(SessionDocument, SegmentLinesReadBackToTheirValues) {
  const char* const lines[] = {"0.25s 0 0.1",
                               "1.25s 1 7.85 50 volume 0",
                               "0.5m 2 12 noise pink 70 light 0",
                               "123457s 3 7.8 brightness 40 colour #FFD8A8",
                               "20m 4 4.5 3 noise brown 100 light 4 colour amber volume 15",
                               "1s 0 7\n\tbinaural 0..20000 -100..100 0.01..100\n  monaural "
                               "0,5 f 1.5\n  isochronic 200.25 f 15 smooth\n  isochronic 200 "
                               "0.1..100 15 sine\n  tone 440 20 saw\n  noise white 7.07\n"
                               "  noise brown 0..30\n  tone 7 1 square\n  tone 7 1 triangle",
                               "1s 0 7\n  spin 300 4.2 30\n  spin -95.5..2880 f 1.5 brown\n"
                               "  spin 0 -100..100 0..10 white\n  bell 2050 20\n  bell 0 0"};
  for (const char* line : lines) {
    Session session;
    SessionError error;
    ASSERT_TRUE(ParseSession(line, "test", session, error)) << error.message;
    std::string written = SegmentLine(session.segments[0]);
    for (const Voice& voice : session.segments[0].voices) written += "\n" + VoiceLine(voice);
    EXPECT_EQ(PlaysOf(written), Plays(session)) << line << " written as " << written;
  }
}

// Catches an edit that changes lines it should not touch, puts a new line in
// the wrong place, loses a changed line's comment, or lets a wrong value in.
TEST(SessionDocument, EditsChangeOnlyTheirLines) {
  const std::string file =
      "# shortened\r\nfade-in 20s\r\n10m 1 12 8  volume 15   # first\r\n\r\n5m 4 4 light 0\r\n";
  using Edit = std::function<bool(SessionDocument&, SessionError&)>;
  const struct {
    const char* what;
    Edit edit;
    const char* expected;  // the file after it; "" for a refused edit
  } cases[] = {
      {"add", [](SessionDocument& d, SessionError&) { return AddSegment(d) == 2; },
       "# shortened\r\nfade-in 20s\r\n10m 1 12 8  volume 15   # first\r\n\r\n5m 4 4 light 0\r\n"
       "1m 1 10 volume 20\r\n"},
      {"insert", [](SessionDocument& d, SessionError&) { return InsertSegment(d, 1) == 1; },
       "# shortened\r\nfade-in 20s\r\n10m 1 12 8  volume 15   # first\r\n\r\n1m 1 10 volume "
       "20\r\n5m 4 4 light 0\r\n"},
      {"duplicate", [](SessionDocument& d, SessionError&) { return DuplicateSegment(d, 0) == 1; },
       "# shortened\r\nfade-in 20s\r\n10m 1 12 8  volume 15   # first\r\n10m 1 12 8  volume 15  "
       " # first\r\n\r\n5m 4 4 light 0\r\n"},
      {"remove", [](SessionDocument& d, SessionError&) { return RemoveSegment(d, 0) == 0; },
       "# shortened\r\nfade-in 20s\r\n\r\n5m 4 4 light 0\r\n"},
      {"move up", [](SessionDocument& d, SessionError&) { return MoveSegment(d, 1, true) == 0; },
       "# shortened\r\nfade-in 20s\r\n5m 4 4 light 0\r\n\r\n10m 1 12 8  volume 15   # first\r\n"},
      {"move the last down", [](SessionDocument& d, SessionError&) { return MoveSegment(d, 1, false) == 1; },
       "# shortened\r\nfade-in 20s\r\n10m 1 12 8  volume 15   # first\r\n\r\n5m 4 4 light 0\r\n"},
      {"a value",
       [](SessionDocument& d, SessionError& e) {
         return SetSegmentField(d, 0, SegmentField::From, " 11 ", e) &&
                SetSegmentField(d, 1, SegmentField::Noise, "white 30", e);
       },
       "# shortened\r\nfade-in 20s\r\n10m 1 11 8 volume 15   # first\r\n\r\n5m 4 4 noise white 30 "
       "light 0\r\n"},
      {"no more slide",
       [](SessionDocument& d, SessionError& e) { return SetSegmentField(d, 0, SegmentField::To, "", e); },
       "# shortened\r\nfade-in 20s\r\n10m 1 12 volume 15   # first\r\n\r\n5m 4 4 light 0\r\n"},
      {"titles",
       [](SessionDocument& d, SessionError& e) {
         return SetSessionField(d, SessionField::RussianTitle, "Вечер", e) &&
                SetSessionField(d, SessionField::EnglishTitle, "Evening ", e);
       },
       "title en Evening\r\ntitle ru Вечер\r\n# shortened\r\nfade-in 20s\r\n10m 1 12 8  volume 15   "
       "# first\r\n\r\n5m 4 4 light 0\r\n"},
      {"music and fades",
       [](SessionDocument& d, SessionError& e) {
         return SetSessionField(d, SessionField::MusicFile, "rain at night.wav", e) &&
                SetSessionField(d, SessionField::MusicLevel, "45", e) &&
                SetSessionField(d, SessionField::FadeIn, "", e) &&
                SetSessionField(d, SessionField::FadeOut, "0.5m", e);
       },
       "# shortened\r\nmusic rain at night.wav 45\r\nfade-out 30s\r\n10m 1 12 8  volume 15   # "
       "first\r\n\r\n5m 4 4 light 0\r\n"},
      {"a frequency out of range",
       [](SessionDocument& d, SessionError& e) {
         return !SetSegmentField(d, 0, SegmentField::From, "60", e) &&
                e.problem == SessionProblem::FrequencyRange && e.field == "60";
       },
       ""},
      {"a title with a comment's #",
       [](SessionDocument& d, SessionError& e) {
         return !SetSessionField(d, SessionField::EnglishTitle, "No #1", e) &&
                e.problem == SessionProblem::TextNotWritable;
       },
       ""},
      {"a level that is not a number",
       [](SessionDocument& d, SessionError& e) {
         return !SetSegmentField(d, 1, SegmentField::Volume, "1 0", e) &&
                e.problem == SessionProblem::LevelForm;
       },
       ""},
  };
  for (const auto& c : cases) {
    SessionDocument document;
    SessionError error;
    ASSERT_TRUE(OpenDocument(file, "C:\\s\\f.txt", document, error));
    EXPECT_TRUE(c.edit(document, error)) << c.what;
    const std::string expected = *c.expected ? c.expected : file;
    EXPECT_EQ(DocumentText(document), expected) << c.what;
    EXPECT_EQ(document.modified, *c.expected && std::string(c.what) != "move the last down")
        << c.what;
    Session session;
    ASSERT_TRUE(ReadBack(document, session, error)) << c.what << ": " << error.message;
    EXPECT_EQ(Plays(session), PlaysOf(expected)) << c.what;
  }
}

// Catches lines run together where a file's last line has no end, or new
// lines that end otherwise than the file's own.
TEST(SessionDocument, NewLinesEndAsTheFilesOwn) {
  const struct {
    const char* file;
    const char* added;
  } cases[] = {{"5s 1 10", "5s 1 10\r\n1m 1 10 volume 20\r\n"},
               {"# a\n5s 1 10", "# a\n5s 1 10\n1m 1 10 volume 20\n"}};
  for (const auto& c : cases) {
    SessionDocument document;
    SessionError error;
    ASSERT_TRUE(OpenDocument(c.file, "", document, error));
    AddSegment(document);
    EXPECT_EQ(DocumentText(document), c.added) << c.file;
  }
}

// Catches a music file that no longer names the same file after Save as into
// another folder, one rewritten that needed no change, or a save that goes
// on when the new name cannot be written (a # in a folder's name).
TEST(SessionDocument, SaveAsElsewhereKeepsTheMusicFound) {
  const struct {
    const char* music;
    const char* oldFolder;
    const char* newPath;
    const char* expected;  // nullptr: refused, the document as it was
  } cases[] = {
      {"rain.wav", "C:\\music #1\\", "C:\\t\\x.txt", nullptr},
      {"rain.wav", "C:\\music #1\\", "c:\\MUSIC #1\\x.txt", "rain.wav"},
      {"rain.wav", "C:\\s\\", "C:\\t\\x.txt", "..\\s\\rain.wav"},
      {"m/rain.wav", "C:\\s\\", "c:\\S\\deep\\x.txt", "..\\m\\rain.wav"},
      {"..\\rain.wav", "C:\\s\\a\\", "C:\\x.txt", "s\\rain.wav"},
      {"rain.wav", "C:\\s\\", "D:\\x.txt", "C:\\s\\rain.wav"},
      {"m/rain.wav", "C:\\s\\", "C:\\S\\x.txt", "m/rain.wav"},
      {"\\\\server\\share\\rain.wav", "C:\\s\\", "C:\\t\\x.txt", "\\\\server\\share\\rain.wav"},
  };
  for (const auto& c : cases) {
    SessionDocument document = NewDocument();
    SessionError error;
    ASSERT_TRUE(SetSessionField(document, SessionField::MusicFile, c.music, error));
    const bool moved = MoveDocument(document, c.newPath, c.oldFolder, error);
    EXPECT_EQ(moved, c.expected != nullptr) << c.music << " to " << c.newPath;
    EXPECT_EQ(document.musicFile, c.expected ? c.expected : c.music) << c.newPath;
    EXPECT_EQ(document.path, c.expected ? c.newPath : "");
    EXPECT_EQ(error.problem, moved ? SessionProblem::None : SessionProblem::TextNotWritable);
  }
}

// Catches playing from a segment that starts elsewhere, or keeps fades that
// no longer fit the shorter session.
TEST(SessionDocument, PlayingFromASegmentKeepsTheFadesThatFit) {
  Session session;
  SessionError error;
  ASSERT_TRUE(ParseSession("fade-in 5s\nfade-out 10s\n20s 1 10\n8s 2 8 6\n", "t", session, error));
  EXPECT_EQ(Plays(SessionFromSegment(session, 0)), Plays(session));
  EXPECT_EQ(Plays(SessionFromSegment(session, 1)), "in 20 out 12 32,2,800,600,100,0,0,0,100,16777215,");
}

// Catches a picture whose columns miss a frequency that their blocks play
// (a column across two segments, or within a slide), or that shows light, a
// level or a fade that the session does not have there.
TEST(SessionPicture, ColumnsCoverTheirBlocks) {
  Session session;
  SessionError error;
  ASSERT_TRUE(ParseSession("fade-in 1s\n3s 1 10 4 volume 20 colour #FF8000\n"
                           "3s 2 30 noise pink 60 light 0\n",
                           "t", session, error));
  const std::vector<PictureColumn> columns = PictureColumns(session, 5);
  ASSERT_EQ(columns.size(), 5u);
  const struct {
    int x;
    uint32_t lowest, highest, fade, volume;
    bool lit;
    uint32_t light;
  } cases[] = {{0, 837, 1000, 0, 2000, true, 0},  // blocks 0..3 of the slide, faded in from 0
               {1, 564, 782, 255, 2000, true, 0x0080FF},
               {2, 400, 3000, 255, 2000, true, 0x0080FF},  // blocks 9..13: the slide's end, then 30 Hz
               {3, 3000, 3000, 255, 10000, false, 0}};  // light 0: none
  for (const auto& c : cases) {
    const PictureColumn& column = columns[static_cast<size_t>(c.x)];
    EXPECT_EQ(column.lowest, c.lowest) << c.x;
    EXPECT_EQ(column.highest, c.highest) << c.x;
    EXPECT_EQ(column.fade, c.fade) << c.x;
    EXPECT_EQ(column.volume, c.volume) << c.x;
    EXPECT_EQ(column.lit, c.lit) << c.x;
    EXPECT_EQ(column.lit ? column.light : 0u, c.light) << c.x;
  }
  EXPECT_EQ(PictureTopFrequency(session), 5000u);
  EXPECT_EQ(FrequencyRow(5000, 5000, 101), 0);
  EXPECT_EQ(FrequencyRow(0, 5000, 101), 100);
  EXPECT_EQ(TimeGridBlocks(SessionBlocks(session)), 40u);
  EXPECT_EQ(TimeGridBlocks(1000000), 144000u);
}

// Catches a levels band that leaves a voice out or draws it otherwise than
// the library's pictures: a noise voice not stacked on the segment's noise,
// a music voice not in place of the music line's level, a tone's level not
// the slide's at the column's first block, the silent mode's volume drawn.
TEST(SessionPicture, LevelsShowTheVoices) {
  Session session;
  SessionError error;
  ASSERT_TRUE(ParseSession("music m.wav 40\n4s 0 10 noise pink 20\n  binaural 200 10 30..10\n"
                           "  noise brown 10\n  music 50\n  tone 300 5\n4s 1 8 volume 20\n",
                           "t", session, error));
  const std::vector<PictureColumn> columns = PictureColumns(session, 4);
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_EQ(columns[1].voices, (std::vector<uint32_t>{2000, 500}));  // block 8 of 16: 30..10 half-way
  const struct {
    size_t column;
    std::vector<LevelMark> marks;  // in a band of 26 rows, as the picture's at 96 DPI
  } cases[] = {
      {0, {{LevelMarkKind::Noise, NoiseColour::Pink, 20, 6},
           {LevelMarkKind::Noise, NoiseColour::Brown, 17, 3},
           {LevelMarkKind::Music, NoiseColour::None, 12, 1},
           {LevelMarkKind::Voice, NoiseColour::None, 17, 1},
           {LevelMarkKind::Voice, NoiseColour::None, 24, 1}}},
      {2, {{LevelMarkKind::Music, NoiseColour::None, 15, 1},
           {LevelMarkKind::Volume, NoiseColour::None, 20, 1}}},
  };
  for (const auto& c : cases) {
    const std::vector<LevelMark> marks = LevelMarks(columns[c.column], 26);
    ASSERT_EQ(marks.size(), c.marks.size()) << c.column;
    for (size_t i = 0; i < marks.size(); i++) {
      EXPECT_EQ(marks[i].kind, c.marks[i].kind) << c.column << " mark " << i;
      EXPECT_EQ(marks[i].colour, c.marks[i].colour) << c.column << " mark " << i;
      EXPECT_EQ(marks[i].top, c.marks[i].top) << c.column << " mark " << i;
      EXPECT_EQ(marks[i].rows, c.marks[i].rows) << c.column << " mark " << i;
    }
  }
}

// Catches a field that shows a value in another form than it reads back, or
// lets in what the reader refuses on a segment line.
TEST(SessionDocument, FieldsReadAsTheReaderAndShowAsWritten) {
  const struct {
    SegmentField field;
    const char* typed;
    const char* shown;  // unused for a refused value
    SessionProblem problem;
  } cases[] = {
      {SegmentField::Duration, " 90s ", "90s", SessionProblem::None},
      {SegmentField::Duration, "0.5m", "30s", SessionProblem::None},
      {SegmentField::Duration, "0s", "", SessionProblem::DurationZero},
      {SegmentField::From, "7,80", "7.8", SessionProblem::None},
      {SegmentField::From, "7.855", "", SessionProblem::FrequencyForm},
      {SegmentField::To, "12", "12", SessionProblem::None},
      {SegmentField::To, "10", "", SessionProblem::None},  // the From: no slide
      {SegmentField::Volume, "007", "7", SessionProblem::None},
      {SegmentField::Noise, "pink 70", "pink 70", SessionProblem::None},
      {SegmentField::Noise, "pink", "", SessionProblem::WordValueMissing},
      {SegmentField::Light, "0", "0", SessionProblem::None},
      {SegmentField::Light, "5", "", SessionProblem::PatternRange},
      {SegmentField::Colour, "#ffbf00", "amber", SessionProblem::None},
      {SegmentField::Colour, "orange", "", SessionProblem::ColourForm},
  };
  for (const auto& c : cases) {
    SessionSegment segment = NewSegment();
    SessionError error;
    const bool taken = ParseSegmentField(c.field, c.typed, segment, error);
    EXPECT_EQ(taken, c.problem == SessionProblem::None) << c.typed;
    EXPECT_EQ(error.problem, c.problem) << c.typed;
    // A refused value leaves the segment as it was.
    EXPECT_EQ(SegmentFieldText(segment, c.field),
              taken ? c.shown : SegmentFieldText(NewSegment(), c.field))
        << c.typed;
  }
  // A new From keeps a segment without a slide without one.
  SessionSegment segment = NewSegment();
  SessionError error;
  ASSERT_TRUE(ParseSegmentField(SegmentField::From, "12", segment, error));
  EXPECT_EQ(SegmentFieldText(segment, SegmentField::To), "");
}

// Catches a voice line parted from its segment by a move, a duplicate or a
// removal (or a segment line put between a segment and its voices), a voice
// edit that changes other lines or lets in what the reader refuses, or the
// document's voices out of step with its lines.
TEST(SessionDocument, VoicesStayWithTheirSegment) {
  const std::string file =
      "# voices\n10m 0 12 8   # first\n  binaural 200 f 15\n  noise pink 30  # under it\n"
      "fade-in 20s\n  tone 100 5\n\n5m 0 8\n  isochronic 300 f 10\n";
  using Edit = std::function<bool(SessionDocument&, SessionError&)>;
  const struct {
    const char* what;
    Edit edit;
    const char* expected;  // "" for a refused edit
  } cases[] = {
      {"move up", [](SessionDocument& d, SessionError&) { return MoveSegment(d, 1, true) == 0; },
       "# voices\n5m 0 8\n  isochronic 300 f 10\n\n10m 0 12 8   # first\n  binaural 200 f 15\n"
       "  noise pink 30  # under it\nfade-in 20s\n  tone 100 5\n"},
      {"duplicate", [](SessionDocument& d, SessionError&) { return DuplicateSegment(d, 0) == 1; },
       "# voices\n10m 0 12 8   # first\n  binaural 200 f 15\n  noise pink 30  # under it\n"
       "fade-in 20s\n  tone 100 5\n10m 0 12 8   # first\n  binaural 200 f 15\n  noise pink 30  # "
       "under it\n  tone 100 5\n\n5m 0 8\n  isochronic 300 f 10\n"},
      {"remove", [](SessionDocument& d, SessionError&) { return RemoveSegment(d, 0) == 0; },
       "# voices\nfade-in 20s\n\n5m 0 8\n  isochronic 300 f 10\n"},
      {"add", [](SessionDocument& d, SessionError&) { return AddSegment(d) == 2; },
       "# voices\n10m 0 12 8   # first\n  binaural 200 f 15\n  noise pink 30  # under it\n"
       "fade-in 20s\n  tone 100 5\n\n5m 0 8\n  isochronic 300 f 10\n1m 1 10 volume 20\n"},
      {"add a voice",
       [](SessionDocument& d, SessionError& e) {
         size_t voice = 0;
         return AddVoice(d, 0, voice, e) && voice == 3;
       },
       "# voices\n10m 0 12 8   # first\n  binaural 200 f 15\n  noise pink 30  # under it\n"
       "fade-in 20s\n  tone 100 5\n  binaural 200 f 15\n\n5m 0 8\n  isochronic 300 f 10\n"},
      {"remove a voice",
       [](SessionDocument& d, SessionError&) { return RemoveVoice(d, 0, 1) == 1; },
       "# voices\n10m 0 12 8   # first\n  binaural 200 f 15\nfade-in 20s\n  tone 100 5\n\n"
       "5m 0 8\n  isochronic 300 f 10\n"},
      {"move a voice down",
       [](SessionDocument& d, SessionError&) { return MoveVoice(d, 0, 1, false) == 2; },
       "# voices\n10m 0 12 8   # first\n  binaural 200 f 15\n  tone 100 5\nfade-in 20s\n"
       "  noise pink 30  # under it\n\n5m 0 8\n  isochronic 300 f 10\n"},
      {"voice values",
       [](SessionDocument& d, SessionError& e) {
         return SetVoiceField(d, 0, 1, VoiceField::Level, " 10..40 ", e) &&
                SetVoiceField(d, 0, 1, VoiceField::Colour, "brown", e) &&
                SetVoiceField(d, 1, 0, VoiceField::Kind, "tone", e) &&
                SetVoiceField(d, 0, 0, VoiceField::Beat, "-4.5", e);
       },
       "# voices\n10m 0 12 8   # first\n  binaural 200 -4.5 15\n  noise brown 10..40  # under it\n"
       "fade-in 20s\n  tone 100 5\n\n5m 0 8\n  tone 300 10\n"},
      {"a music voice without music",
       [](SessionDocument& d, SessionError& e) {
         return !SetVoiceField(d, 0, 0, VoiceField::Kind, "music", e) &&
                e.problem == SessionProblem::MusicVoiceAlone;
       },
       ""},
      {"a level out of range",
       [](SessionDocument& d, SessionError& e) {
         return !SetVoiceField(d, 0, 2, VoiceField::Level, "101", e) &&
                e.problem == SessionProblem::VoiceValueRange;
       },
       ""},
      {"a seventeenth voice",
       [](SessionDocument& d, SessionError& e) {
         size_t voice = 0;
         for (int i = 0; i < 15; i++)
           if (!AddVoice(d, 1, voice, e)) return false;
         const bool refused =
             !AddVoice(d, 1, voice, e) && e.problem == SessionProblem::VoiceTooMany;
         for (int i = 0; i < 15; i++) RemoveVoice(d, 1, 1);
         return refused && SegmentAt(d, 1).voices.size() == 1;
       },
       ""},
  };
  for (const auto& c : cases) {
    SessionDocument document;
    SessionError error;
    ASSERT_TRUE(OpenDocument(file, "", document, error)) << error.message;
    EXPECT_TRUE(c.edit(document, error)) << c.what << ": " << error.message;
    const std::string expected = *c.expected ? c.expected : file;
    EXPECT_EQ(DocumentText(document), expected) << c.what;
    Session session, held;
    ASSERT_TRUE(ReadBack(document, session, error)) << c.what << ": " << error.message;
    EXPECT_EQ(Plays(session), PlaysOf(expected)) << c.what;
    for (size_t row = 0; row < SegmentCount(document); row++)
      held.segments.push_back(SegmentAt(document, row));
    EXPECT_EQ(Segments(held), Segments(session)) << c.what;
  }
}

// Catches a voice's field that shows a value in another form than it reads
// back, lets in what the reader refuses, or loses what a new kind shares.
TEST(SessionDocument, VoiceFieldsReadAsTheReader) {
  const struct {
    VoiceField field;
    const char* typed;
    const char* line;  // the voice line after it; "" for a refused value
    SessionProblem problem;
  } cases[] = {
      {VoiceField::Carrier, "150,5..120", "  binaural 150.5..120 f 15", SessionProblem::None},
      {VoiceField::Carrier, "20001", "", SessionProblem::VoiceValueRange},
      {VoiceField::Beat, "10", "  binaural 200 10 15", SessionProblem::None},
      {VoiceField::Beat, "7..", "", SessionProblem::VoiceSlideForm},
      {VoiceField::Level, "1.5", "  binaural 200 f 1.5", SessionProblem::None},
      {VoiceField::Shape, "square", "", SessionProblem::VoiceFieldCount},
      {VoiceField::Kind, "isochronic", "  isochronic 200 f 15", SessionProblem::None},
      {VoiceField::Kind, "noise", "  noise pink 15", SessionProblem::None},
      {VoiceField::Kind, "chime", "", SessionProblem::VoiceKindUnknown},
      {VoiceField::Colour, "grey", "", SessionProblem::VoiceFieldCount},
      {VoiceField::Kind, "spin", "  spin 300 f 15", SessionProblem::None},
      {VoiceField::Kind, "bell", "  bell 200 15", SessionProblem::None},
  };
  for (const auto& c : cases) {
    Voice voice = NewVoice();
    SessionError error;
    const bool taken = ParseVoiceField(c.field, c.typed, voice, error);
    EXPECT_EQ(taken, c.problem == SessionProblem::None) << c.typed;
    EXPECT_EQ(error.problem, c.problem) << c.typed;
    EXPECT_EQ(VoiceLine(voice), taken ? c.line : VoiceLine(NewVoice())) << c.typed;
  }
  // A new kind keeps what it shares: an isochronic shape for a tone's wave.
  Voice voice = NewVoice();
  SessionError error;
  ASSERT_TRUE(ParseVoiceField(VoiceField::Kind, "isochronic", voice, error));
  ASSERT_TRUE(ParseVoiceField(VoiceField::Shape, "triangle", voice, error));
  ASSERT_TRUE(ParseVoiceField(VoiceField::Kind, "tone", voice, error));
  EXPECT_EQ(VoiceLine(voice), "  tone 200 15 triangle");
  ASSERT_TRUE(ParseVoiceField(VoiceField::Kind, "isochronic", voice, error));
  EXPECT_EQ(VoiceLine(voice), "  isochronic 200 f 15 triangle");
  // A spin's width is no carrier; its colour is written only where not pink;
  // a bell takes no slide.
  ASSERT_TRUE(ParseVoiceField(VoiceField::Kind, "spin", voice, error));
  ASSERT_TRUE(ParseVoiceField(VoiceField::Colour, "brown", voice, error));
  EXPECT_EQ(VoiceLine(voice), "  spin 300 f 15 brown");
  ASSERT_TRUE(ParseVoiceField(VoiceField::Kind, "bell", voice, error));
  EXPECT_FALSE(ParseVoiceField(VoiceField::Level, "15..0", voice, error));
  EXPECT_EQ(error.problem, SessionProblem::BellSlides);
  EXPECT_EQ(VoiceLine(voice), "  bell 200 15");
}

// Catches an editor's list of a voice's words out of step with the reader:
// a kind it cannot take, a shape the kind refuses or one it leaves out, a
// field the kind lacks offered, or one it has left out.
TEST(SessionDocument, VoiceListsOfferWhatTheReaderTakes) {
  using Words = std::vector<std::string>;
  const Words kinds = VoiceFieldChoices(VoiceKind::Tone, VoiceField::Kind);
  EXPECT_EQ(kinds.size(), VoiceKindCount());
  for (const std::string& kind : kinds) {
    Voice voice = NewVoice();
    SessionError error;
    EXPECT_TRUE(ParseVoiceField(VoiceField::Kind, kind, voice, error)) << kind;
    EXPECT_EQ(VoiceFieldText(voice, VoiceField::Kind), kind);
  }
  const struct {
    VoiceKind kind;
    VoiceField field;
    bool takes;
    Words words;
  } cases[] = {
      {VoiceKind::Isochronic, VoiceField::Shape, true, {"sine", "square", "triangle", "saw", "smooth"}},
      {VoiceKind::Tone, VoiceField::Shape, true, {"sine", "square", "triangle", "saw"}},
      {VoiceKind::Binaural, VoiceField::Shape, false, {}},
      {VoiceKind::Noise, VoiceField::Colour, true, {"white", "pink", "brown"}},
      {VoiceKind::Tone, VoiceField::Colour, false, {}},
      {VoiceKind::Tone, VoiceField::Beat, false, {}},
      {VoiceKind::Music, VoiceField::Carrier, false, {}},
      {VoiceKind::Monaural, VoiceField::Beat, true, {}},
      {VoiceKind::Music, VoiceField::Level, true, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VoiceTakes(c.kind, c.field), c.takes) << static_cast<int>(c.kind);
    EXPECT_EQ(VoiceFieldChoices(c.kind, c.field), c.words) << static_cast<int>(c.kind);
  }
}
