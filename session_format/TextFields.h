// The small text forms of session files and of render-sound's command line:
// whole numbers, decimal lengths and frequencies in hertz.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The most blocks one render or session may hold: 69 h 26 min 40 s.
constexpr uint64_t MaximumRenderBlocks = 1000000;
constexpr uint32_t BlocksPerSecond = 4;
constexpr uint32_t BlocksPerMinute = 240;

// Digits only, no sign. Values above limit come back as limit + 1, so that a
// range check can refuse them without overflowing.
bool ParseWholeNumber(const std::string& text, uint64_t limit, uint64_t& value);

// "DIGITS" or "DIGITS.DIGITS", converted exactly to ceil(value x blocksPerUnit)
// blocks: 1s is 4 blocks, 0.3s is 2, 0.5m is 120. Counts above
// MaximumRenderBlocks come back as MaximumRenderBlocks + 1.
bool ParseDecimalBlocks(const std::string& text, uint32_t blocksPerUnit, uint64_t& blocks);

// Hertz as the panel shows them: "12", "7.8", "7,80" (at most two decimals,
// after a point or a comma), in hundredths. Values above 99999.99 Hz come back
// as 10000000.
bool ParseHertz(const std::string& text, uint64_t& hundredths);

// The text as one short line for a message: bytes outside printable ASCII
// become '?', and a long text is cut.
std::string Printable(const std::string& text);

// The text on one line of a message, in any language: control bytes become
// '?', the rest stays.
std::string OneLine(std::string text);

// The fields of a line, separated by spaces or tabs: at most `keep` of them,
// the rest only counted in count, so that a long line costs no memory.
std::vector<std::string> SplitFields(const std::string& line, size_t keep, size_t& count);

// Without the spaces and tabs around it.
std::string Trimmed(const std::string& text);

// Where a file's text begins: after the byte-order mark with which Notepad
// begins a UTF-8 file, if it has one.
size_t TextStart(const std::string& text);
