"""The one tolerance of every comparison of sound played under Wine with the
host's synthesis (render-sound). The sines of the Windows C runtime and of
glibc may differ in the last bit for rare arguments, so a sample that lands
within a rounding error of a whole number may be off by 1: allowed in at most
1 frame in 10000. Any larger difference means a fault."""

MAX_SAMPLE_DIFFERENCE = 1
FRAMES_PER_ALLOWED_DIFFERENCE = 10000
DESCRIPTION = "the tolerated 1 frame in %d off by at most %d" % (FRAMES_PER_ALLOWED_DIFFERENCE, MAX_SAMPLE_DIFFERENCE)


def too_many_differing(differing_frames, compared_frames):
    return differing_frames * FRAMES_PER_ALLOWED_DIFFERENCE > compared_frames
