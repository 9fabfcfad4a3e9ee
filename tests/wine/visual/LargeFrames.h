// Frames on surfaces of large screens, drawn (or left) by the tick and drawn
// whole, compared bit for bit; the real window drawn again after a loss.
#pragma once

void CheckLargeFrames();
