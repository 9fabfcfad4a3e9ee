#!/usr/bin/env python3
"""Compares a capture of the audio worker with the host synthesis of the same blocks.

  compare_capture.py CAPTURE REFERENCE MIN_FULL_BLOCKS [--silent] [--gap MAX_FRAMES]
                     [--from-block K] [--trailing-silence] [--stopped]

CAPTURE holds the frames the worker's device wrote, from its first frame;
REFERENCE the blocks the worker synthesised, as raw 16-bit stereo frames.
The capture may end inside a block (the reset cuts the queued one) but must
not be longer than the reference, and must hold at least MIN_FULL_BLOCKS
whole blocks. Samples may differ within the tolerance of sound_tolerance.py
(the other C runtime's sine); any larger difference means a block was
dropped, repeated, reordered or shifted. With --gap, one run of at most
MAX_FRAMES zero frames inserted into the stream (a device that ran dry while
the worker stalled) is taken out before comparing; the frames around it must
still follow on without a loss. With --from-block, the capture begins at
block K of the reference (a device opened after an outage). With
--trailing-silence, zero frames past the reference's end (what a device
plays after the last block of a sound that ended by itself) are taken off.
Whatever the options, a run of at most CUT_SILENCE_FRAMES zero frames that
ends the capture inside its last, partial block is taken off: the block was
cut there, and what follows is the silence Wine's driver writes when the
stream stops (one 10 ms period, seen on a loaded machine). With --stopped,
the capture must not hold the last synthesised block in full: the stop cut
the block queued behind the playing one before it was all heard.
Prints one summary line; exit 1 on failure.
"""
import argparse
import array
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from sound_tolerance import DESCRIPTION, MAX_SAMPLE_DIFFERENCE, too_many_differing  # noqa: E402

FRAMES_PER_BLOCK = 11025
CUT_SILENCE_FRAMES = 2205  # 50 ms: five of the driver's periods


def frames_of(path):
    samples = array.array("h")
    with open(path, "rb") as f:
        data = f.read()
    if len(data) % 4:
        raise SystemExit(f"{path}: {len(data)} bytes is not a whole number of frames")
    samples.frombytes(data)
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def first_large_difference_and_count(capture, reference, count):
    """Frames (not samples) that differ; the first that differs beyond the tolerance."""
    differing = 0
    first_large = None
    for block_start in range(0, count, FRAMES_PER_BLOCK):
        end = min(block_start + FRAMES_PER_BLOCK, count)
        if capture[2 * block_start:2 * end] == reference[2 * block_start:2 * end]:
            continue
        for frame in range(block_start, end):
            dl = abs(capture[2 * frame] - reference[2 * frame])
            dr = abs(capture[2 * frame + 1] - reference[2 * frame + 1])
            if dl or dr:
                differing += 1
            if max(dl, dr) > MAX_SAMPLE_DIFFERENCE and first_large is None:
                first_large = frame
    return differing, first_large


def without_inserted_zeros(capture, start, max_frames):
    """The capture without the run of zero frames at frame START, and its length;
    unchanged when there is none or it is longer than MAX_FRAMES."""
    end = start
    while 2 * end < len(capture) and capture[2 * end] == 0 and capture[2 * end + 1] == 0:
        end += 1
    if end == start or end - start > max_frames:
        return capture, 0
    return capture[:2 * start] + capture[2 * end:], end - start


def without_cut_silence(capture):
    """The capture without the zero frames that end it inside its last,
    partial block, and their number; unchanged when they run longer than
    CUT_SILENCE_FRAMES or back into a whole block."""
    frames = len(capture) // 2
    end = frames
    while end > 0 and capture[2 * end - 2] == 0 and capture[2 * end - 1] == 0:
        end -= 1
    last_block_start = frames - frames % FRAMES_PER_BLOCK
    if end == frames or end < last_block_start or frames - end > CUT_SILENCE_FRAMES:
        return capture, 0
    return capture[:2 * end], frames - end


def main():
    parser = argparse.ArgumentParser(usage=__doc__)
    parser.add_argument("capture")
    parser.add_argument("reference")
    parser.add_argument("min_blocks", type=int)
    parser.add_argument("--silent", action="store_true")
    parser.add_argument("--gap", type=int, default=0, metavar="MAX_FRAMES")
    parser.add_argument("--from-block", type=int, default=0, metavar="K")
    parser.add_argument("--trailing-silence", action="store_true")
    parser.add_argument("--stopped", action="store_true")
    args = parser.parse_args()
    capture = frames_of(args.capture)
    reference = frames_of(args.reference)[2 * FRAMES_PER_BLOCK * args.from_block:]
    min_blocks = args.min_blocks
    silent = args.silent

    capture, cut_silence = without_cut_silence(capture)
    gap = 0
    if args.gap:
        _, first_large = first_large_difference_and_count(
            capture, reference, min(len(capture), len(reference)) // 2)
        if first_large is not None:
            capture, gap = without_inserted_zeros(capture, first_large, args.gap)

    if args.trailing_silence and not any(capture[len(reference):]):
        capture = capture[:len(reference)]

    captured = len(capture) // 2
    synthesised = len(reference) // 2
    full_blocks = captured // FRAMES_PER_BLOCK
    problems = []
    if captured > synthesised:
        problems.append(f"capture of {captured} frames is longer than the {synthesised} synthesised")
    if full_blocks < min_blocks:
        problems.append(f"only {full_blocks} full blocks captured, need {min_blocks}")
    if args.stopped and captured >= synthesised:
        problems.append("the stop let the last synthesised block play in full")
    if silent and any(capture):
        problems.append("a silent exposure produced non-zero samples")
    compared = min(captured, synthesised)
    differing, first_large = first_large_difference_and_count(capture, reference, compared)
    if first_large is not None:
        block, frame = divmod(first_large, FRAMES_PER_BLOCK)
        problems.append(f"frame {first_large} (block {block}, frame {frame}) differs by more than "
                        f"{MAX_SAMPLE_DIFFERENCE}: "
                        f"captured {capture[2 * first_large]},{capture[2 * first_large + 1]} "
                        f"expected {reference[2 * first_large]},{reference[2 * first_large + 1]}")
    if too_many_differing(differing, compared):
        problems.append(f"{differing} of {compared} frames differ: more than {DESCRIPTION}")

    print(f"captured_frames={captured} full_blocks={full_blocks} synthesised_blocks="
          f"{synthesised // FRAMES_PER_BLOCK} differing_frames={differing} gap_frames={gap} "
          f"cut_silence_frames={cut_silence}")
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
