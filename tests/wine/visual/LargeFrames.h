// Frames of the line patterns and the discrete strobe on surfaces of large
// screens, drawn (or left from an earlier tick) and drawn whole, compared bit
// for bit; and the real window drawn again after it may have lost its picture.
#pragma once

void CheckLargeFrames();
