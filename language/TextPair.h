// One interface text in both languages, and the choice of the current one.
// The panel's table holds Windows-1251 bytes for its ANSI calls; every other
// table holds UTF-8 for the Unicode windows. Which a text is, its table says.
#pragma once

struct TextPair {
  const char* russian;
  const char* english;
};

// The text of the current language; Russian is tried first.
const char* InCurrentLanguage(const TextPair& text);
