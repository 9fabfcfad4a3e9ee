#!/usr/bin/env python3
"""Catches light that does not follow a session (discrete strobe): each
channel of each quarter second's light must be the segment's colour under the
fades within a block of it (000000: black, no light), the strobe's rate the
frequency of the lit blocks.
  check_session_screens.py SAMPLES START_MS FADE_IN_MS FADE_OUT_MS SEGMENTS
SAMPLES: "t red green blue" lines (t on START_MS's clock); SEGMENTS:
"ms:first:last:RRGGBB,...", RRGGBB the light at full fade.
"""
import sys

BLOCK_MS = 250


def main():
    path, start, fade_in, fade_out, segments_text = sys.argv[1:6]
    start, fade_in, fade_out = int(start), int(fade_in), int(fade_out)
    segments = [(int(ms), int(first), int(last), bytes.fromhex(rgb))
                for ms, first, last, rgb in (s.split(":") for s in segments_text.split(","))]
    length = sum(s[0] for s in segments)
    samples = [(int(t) - start, [int(c) for c in rgb])
               for t, *rgb in (line.split() for line in open(path))]

    def segment_at(t):
        for segment in segments:
            if t < segment[0]:
                return segment, t // BLOCK_MS
            t -= segment[0]
        return segments[-1], segments[-1][0] // BLOCK_MS - 1

    def level(t, channel):
        t = min(max(t, 0), length - 1)
        return segment_at(t)[0][3][channel] * min(1.0, t / fade_in, (length - t) / fade_out)

    def strobe_hz(t):  # the discrete strobe's half period: whole ticks of 2 ms
        (ms, first, last, _), block = segment_at(t)
        n = ms // BLOCK_MS
        return 1000.0 / (4 * (25000 // int(first + (last - first) * block / (n - 1))))

    failures, checked = 0, 0
    for a in range(500, length - 500, BLOCK_MS):
        window = [rgb for t, rgb in samples if a <= t < a + BLOCK_MS]
        if len(window) < 10:
            continue
        checked += 1
        for channel in range(3):
            near = [level(t, channel) for t in range(a - BLOCK_MS, a + 2 * BLOCK_MS, 10)]
            brightest = max(rgb[channel] for rgb in window)
            if not min(near) - 3 <= brightest <= max(near) + 3:
                failures += 1
                print(f"FAIL: channel {channel} {brightest} at {a} ms, "
                      f"expected {min(near):.0f}..{max(near):.0f}")
    print(f"colour and brightness checked in {checked} quarter seconds")
    failures += checked < (length - 1000) // BLOCK_MS // 2

    for a, b in ((1000, 2000), (3000, 4000), (6000, 9500)):
        greys = [max(rgb) for t, rgb in samples if a <= t < b]
        lit = [g > max(greys) / 2 for g in greys]
        measured = sum(x != y for x, y in zip(lit, lit[1:])) / 2 / ((b - a) / 1000)
        expected = sum(strobe_hz(t) for t in range(a, b, 10)) / len(range(a, b, 10))
        ok = abs(measured - expected) <= 0.6
        failures += not ok
        print(f"{'ok' if ok else 'FAIL'}: strobe {measured:.2f} Hz in {a}..{b} ms, schedule {expected:.2f} Hz")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
