// Writing a session file's lines: the inverse of the reader, so that reading
// a written line gives back exactly the values it was written from. And the
// check of one value of a segment, by the reader's own code, before it is
// written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "session_format/SessionFile.h"

// "10m" for whole minutes, else seconds with the quarters a block may leave:
// "30s", "1.25s".
std::string DurationText(uint32_t blocks);

// "12", "7.8", "7.85": hertz with as many decimals as the value needs.
std::string FrequencyText(uint32_t hundredths);

// "white", "pink", "brown"; "" for none.
const char* NoiseWord(NoiseColour noise);

// A named colour where there is one ("amber"), else "#RRGGBB".
std::string ColourText(uint32_t colour);

// "DURATION MODE FREQUENCY [FREQUENCY]", then each word whose value is not
// the one a segment has without it.
std::string SegmentLine(const SessionSegment& segment);

// "200", "-7.5", "1.25": hundredths as hertz or per cent with as many
// decimals as the value needs; "200..150" for a slide.
std::string VoiceSlideText(const VoiceSlide& slide);

// "  binaural 200..150 f 15": indented by two spaces under its segment,
// the shape only where it is not sine, a spin's colour only where it is not
// pink.
std::string VoiceLine(const Voice& voice);

// "fade-in 20s", "title ru Сон", "music rain.wav 40".
std::string FadeLine(const std::string& directive, uint32_t blocks);
std::string TitleLine(const std::string& language, const std::string& title);
std::string MusicLine(const std::string& file, uint32_t level);

// A title or a music file that can stand in a line: false with
// TextNotWritable (word: title or music) for one that holds a # or a line
// break.
bool CheckWritableText(const std::string& word, const std::string& text, SessionError& error);

// The values of a segment that an editor shows one by one.
enum class SegmentField { Duration, Mode, From, To, Volume, Noise, Light, Brightness, Colour };

// A value as a segment line writes it. Empty where the segment has none of
// its own: To without a slide, Noise without noise ("pink 70" with), Light
// with the program's chosen pattern.
std::string SegmentFieldText(const SessionSegment& segment, SegmentField field);

// Sets one value from its text (spaces and tabs around it ignored), read as
// the reader reads that field; false with the reader's problem, the segment
// unchanged. From keeps a segment without a slide without one.
bool ParseSegmentField(SegmentField field, const std::string& text, SessionSegment& segment,
                       SessionError& error);

// The values of a voice that an editor shows one by one.
enum class VoiceField { Kind, Carrier, Beat, Level, Shape, Colour };

// The voice that an editor adds: a binaural tone at 200 Hz beating at the
// segment's frequency, at 15 per cent.
Voice NewVoice();

// A value as a voice line writes it; empty where the kind has none (a
// tone's beat, a noise's carrier, a shape that is sine ... is "sine").
std::string VoiceFieldText(const Voice& voice, VoiceField field);

// Whether a voice of the kind has the value: a noise has no carrier, a
// tone no beat, only a noise a colour, ...
bool VoiceTakes(VoiceKind kind, VoiceField field);

// The words an editor offers in a list for a voice's field: every kind the
// reader knows for Kind, the shapes the kind takes for Shape, the noise
// colours for Colour; none for a number, or for a value the kind lacks.
std::vector<std::string> VoiceFieldChoices(VoiceKind kind, VoiceField field);

// Sets one value from its text, read as the reader reads it on a voice
// line; false with the reader's problem, the voice unchanged. A new kind
// keeps the values it shares with the old one and takes NewVoice's, pink
// noise and the segment's frequency for the others.
bool ParseVoiceField(VoiceField field, const std::string& text, Voice& voice, SessionError& error);
