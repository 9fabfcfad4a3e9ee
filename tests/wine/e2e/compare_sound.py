#!/usr/bin/env python3
"""Finds one exposure's sound in a raw capture (16-bit stereo, 44100 Hz) and
compares it, block by block, with the host synthesis of render-sound.

The capture starts wherever Wine began writing (each opening of the sound
device starts the capture file afresh, so it holds the last exposure), and
the exposure's first block is found by alignment. Every following whole block
must equal the synthesis at one of the given frequencies, sample for sample,
within the tolerance of sound_tolerance.py (the C runtimes' sines may differ
in the last bit); only the last whole block of the capture, the one the stop
cut, may differ.
With two frequencies the blocks must switch once, from the first to the
second, as a frequency change mid-exposure does.
"""
import argparse
import array
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from sound_tolerance import DESCRIPTION, MAX_SAMPLE_DIFFERENCE, too_many_differing  # noqa: E402

FRAMES_PER_BLOCK = 11025
SAMPLES_PER_BLOCK = 2 * FRAMES_PER_BLOCK
PATTERN_FRAMES = 256


def read_samples(data):
    samples = array.array("h")
    samples.frombytes(data[: len(data) - len(data) % 4])
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def render(tool, mode, frequency, blocks):
    out = subprocess.run(
        [tool, "--mode", str(mode), "--frequency", str(frequency), "--blocks", str(blocks), "--raw"],
        check=True, stdout=subprocess.PIPE).stdout
    samples = read_samples(out)
    if len(samples) != blocks * SAMPLES_PER_BLOCK:
        sys.exit("render-sound gave %d samples for %d blocks" % (len(samples), blocks))
    return samples


def matches_at(capture, start, pattern):
    for j, want in enumerate(pattern):
        if abs(capture[start + j] - want) > MAX_SAMPLE_DIFFERENCE:
            return False
    return True


def find_exposure_start(capture, reference):
    """First frame index where the reference's first frames lie in the capture."""
    pattern = reference[: 2 * PATTERN_FRAMES]
    for frame in range(len(capture) // 2 - PATTERN_FRAMES):
        start = 2 * frame
        if abs(capture[start + 2 * 5] - pattern[2 * 5]) > MAX_SAMPLE_DIFFERENCE:
            continue
        if matches_at(capture, start, pattern):
            return frame
    return None


def compare_block(capture, start, reference, index):
    """(frames beyond the tolerance, frames that differ within it)."""
    wrong = near = 0
    base = index * SAMPLES_PER_BLOCK
    for j in range(0, SAMPLES_PER_BLOCK, 2):
        difference = max(abs(capture[start + j] - reference[base + j]),
                         abs(capture[start + j + 1] - reference[base + j + 1]))
        if difference > MAX_SAMPLE_DIFFERENCE:
            wrong += 1
        elif difference:
            near += 1
    return wrong, near


def label_blocks(capture, first_frame, references):
    """For each whole block from the exposure's first on, which reference it
    equals (None: none of them); and the frames that differ within the tolerance."""
    labels, near_total = [], 0
    index = 0
    while 2 * first_frame + (index + 1) * SAMPLES_PER_BLOCK <= len(capture):
        start = 2 * first_frame + index * SAMPLES_PER_BLOCK
        label = None
        for which, reference in enumerate(references):
            if (index + 1) * SAMPLES_PER_BLOCK > len(reference):
                continue
            wrong, near = compare_block(capture, start, reference, index)
            if wrong == 0:
                label, near_total = which, near_total + near
                break
        labels.append(label)
        index += 1
    return labels, near_total


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--capture", required=True)
    parser.add_argument("--render", required=True, help="path of render-sound")
    parser.add_argument("--mode", type=int, required=True)
    parser.add_argument("--frequency", required=True, help="F or F1,F2 (hundredths of a hertz)")
    parser.add_argument("--min-blocks", type=int, required=True)
    args = parser.parse_args()

    with open(args.capture, "rb") as f:
        capture = read_samples(f.read())
    frequencies = [int(f) for f in args.frequency.split(",")]
    blocks = len(capture) // SAMPLES_PER_BLOCK + 2
    references = [render(args.render, args.mode, f, blocks) for f in frequencies]
    print("capture: %d frames (%.2f s)" % (len(capture) // 2, len(capture) / 2 / 44100.0))

    first = find_exposure_start(capture, references[0])
    if first is None:
        print("FAIL: the exposure's first block is nowhere in the capture")
        return 1
    labels, near = label_blocks(capture, first, references)
    if labels and labels[-1] is None:
        labels.pop()  # the block cut by the stop
    wrong = [index for index, label in enumerate(labels) if label is None]
    labels = [label for label in labels if label is not None]
    print("exposure starts at frame %d; whole blocks matched: %d" % (first, len(labels)))
    print("blocks by frequency: " + " ".join(str(frequencies[l]) for l in labels))
    print("frames that differ: %d of %d" % (near, len(labels) * FRAMES_PER_BLOCK))

    failures = []
    if wrong:
        failures.append("blocks %s of the exposure are not the synthesis" % wrong)
    if len(labels) < args.min_blocks:
        failures.append("only %d whole blocks matched, %d expected" % (len(labels), args.min_blocks))
    if labels != sorted(labels):
        failures.append("the frequency went back and forth")
    if len(frequencies) > 1 and (not labels or labels[0] != 0 or labels[-1] != len(frequencies) - 1):
        failures.append("no switch from %d to %d" % (frequencies[0], frequencies[-1]))
    if too_many_differing(near, len(labels) * FRAMES_PER_BLOCK):
        failures.append("too many frames differ: more than " + DESCRIPTION)
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
