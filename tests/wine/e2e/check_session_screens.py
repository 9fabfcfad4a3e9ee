#!/usr/bin/env python3
"""Checks screen samples of a session played with the discrete strobe against
its schedule: the brightness of the white in every quarter second is the
fades' level at a time within one block of it, and the strobe's rate over
stretches of the session follows the frequency of the blocks.

  check_session_screens.py SAMPLES START_MS FADE_IN_MS FADE_OUT_MS SEGMENTS

SAMPLES holds "t grey" lines (t in ms on the clock of START_MS, the moment of
Start); SEGMENTS is "ms:first:last,..." in hundredths of a hertz.
"""
import sys

BLOCK_MS = 250
LEVEL_SLACK = 3
RATE_SLACK_HZ = 0.6


def main():
    samples_path, start, fade_in, fade_out, segments_text = sys.argv[1:6]
    start, fade_in, fade_out = int(start), int(fade_in), int(fade_out)
    segments = [tuple(int(x) for x in s.split(":")) for s in segments_text.split(",")]
    length = sum(s[0] for s in segments)
    samples = []
    for line in open(samples_path):
        t, grey = line.split()
        samples.append((int(t) - start, int(grey)))

    def level(t):
        t = min(max(t, 0), length - 1)
        gain = min(1.0, t / fade_in if fade_in else 1.0, (length - t) / fade_out if fade_out else 1.0)
        return 255 * gain

    def frequency(t):
        block = t // BLOCK_MS
        for ms, first, last in segments:
            blocks = ms // BLOCK_MS
            if block < blocks:
                return first if blocks == 1 else int(first + (last - first) * block / (blocks - 1))
            block -= blocks
        return segments[-1][2]

    def strobe_hz(t):  # whole ticks of 2 ms per half period
        return 1000.0 / (4 * (25000 // frequency(t)))

    failures = 0
    checked = 0
    for a in range(500, length - 500, BLOCK_MS):
        window = [g for t, g in samples if a <= t < a + BLOCK_MS]
        if len(window) < 10:
            continue
        near = [level(t) for t in range(a - BLOCK_MS, a + 2 * BLOCK_MS, 10)]
        low, high = min(near) - LEVEL_SLACK, max(near) + LEVEL_SLACK
        checked += 1
        if not low <= max(window) <= high:
            failures += 1
            print(f"FAIL: brightness {max(window)} at {a} ms, expected {low:.0f}..{high:.0f}")
    print(f"brightness checked in {checked} quarter seconds")
    if checked < (length - 1000) // BLOCK_MS // 2:
        failures += 1
        print("FAIL: too few screen samples")

    for a, b in ((1000, 2000), (3000, 4000), (6000, 9500), (10250, 11750)):
        stretch = [(t, g) for t, g in samples if a <= t < b]
        threshold = max(g for _, g in stretch) / 2
        flips = sum(1 for (_, g0), (_, g1) in zip(stretch, stretch[1:]) if (g0 > threshold) != (g1 > threshold))
        measured = flips / 2 / ((b - a) / 1000)
        expected = sum(strobe_hz(t) for t in range(a, b, 10)) / len(range(a, b, 10))
        ok = abs(measured - expected) <= RATE_SLACK_HZ
        failures += 0 if ok else 1
        print(f"{'ok' if ok else 'FAIL'}: strobe {measured:.2f} Hz in {a}..{b} ms, schedule {expected:.2f} Hz")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
