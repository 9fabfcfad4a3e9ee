#include "session_format/TextFields.h"

namespace {

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// ceil(0.fraction x factor), exactly for any number of digits: the fraction
// is multiplied digit by digit from the right; what carries past the point
// is the whole part, any digit left behind it rounds up.
uint64_t CeilFractionTimes(const std::string& fraction, uint32_t factor) {
  uint64_t carry = 0;
  bool remainder = false;
  for (size_t i = fraction.size(); i-- > 0;) {
    const uint64_t product = static_cast<uint64_t>(fraction[i] - '0') * factor + carry;
    if (product % 10 != 0) remainder = true;
    carry = product / 10;
  }
  return carry + (remainder ? 1 : 0);
}

}  // namespace

bool ParseWholeNumber(const std::string& text, uint64_t limit, uint64_t& value) {
  if (!AllDigits(text)) return false;
  value = 0;
  for (char c : text) {
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > limit) {
      value = limit + 1;
      return true;
    }
  }
  return true;
}

bool ParseDecimalBlocks(const std::string& text, uint32_t blocksPerUnit, uint64_t& blocks) {
  const size_t point = text.find('.');
  const std::string whole = text.substr(0, point);
  const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
  if (!AllDigits(whole) || (point != std::string::npos && !AllDigits(fraction))) return false;
  uint64_t units = 0;
  ParseWholeNumber(whole, MaximumRenderBlocks, units);
  blocks = units * blocksPerUnit + CeilFractionTimes(fraction, blocksPerUnit);
  if (blocks > MaximumRenderBlocks) blocks = MaximumRenderBlocks + 1;
  return true;
}

bool ParseHertz(const std::string& text, uint64_t& hundredths) {
  const size_t separator = text.find_first_of(".,");
  const std::string whole = text.substr(0, separator);
  const std::string fraction = separator == std::string::npos ? "" : text.substr(separator + 1);
  if (separator != std::string::npos && (fraction.size() > 2 || !AllDigits(fraction))) return false;
  uint64_t hertz = 0;
  if (!ParseWholeNumber(whole, 99999, hertz)) return false;
  const uint64_t cents = fraction.empty() ? 0 : std::stoul((fraction + "0").substr(0, 2));
  hundredths = hertz > 99999 ? 10000000 : hertz * 100 + cents;
  return true;
}

std::string Printable(const std::string& text) {
  const size_t longest = 100;
  std::string shown;
  for (size_t i = 0; i < text.size() && i < longest; i++)
    shown += text[i] >= ' ' && text[i] <= '~' ? text[i] : '?';
  if (text.size() > longest) shown += "...";
  return shown;
}

std::string OneLine(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < ' ' || c == '\x7F') c = '?';
  return text;
}

std::vector<std::string> SplitFields(const std::string& line, size_t keep, size_t& count) {
  std::vector<std::string> fields;
  count = 0;
  for (size_t at = line.find_first_not_of(" \t"); at != std::string::npos; count++) {
    const size_t end = line.find_first_of(" \t", at);
    if (count < keep) fields.push_back(line.substr(at, end - at));
    at = line.find_first_not_of(" \t", end);
  }
  return fields;
}

size_t TextStart(const std::string& text) {
  return text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}
