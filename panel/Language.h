// The interface language: texts stored in windows, and the toggle.
#pragma once

// Title, both mode lists (item 1 selected), the Start caption, repaint.
void ApplyLanguage();
void ToggleLanguage();
