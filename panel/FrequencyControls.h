// Keeps the slider, the arrow buttons, the read-out and the frequency in step.
#pragma once

// WM_HSCROLL: the slider moved.
void HandleSliderScroll();
// WM_VSCROLL: an arrow button was clicked (or the spin was set by a key).
void HandleArrowScroll();
