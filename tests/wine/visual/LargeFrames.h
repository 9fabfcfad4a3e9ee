// Frames of the line patterns on surfaces of large screens, drawn by the tick
// and drawn with every figure whole, compared bit for bit.
#pragma once

void CheckLargeFrames();
