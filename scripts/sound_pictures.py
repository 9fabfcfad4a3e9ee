#!/usr/bin/env python3
"""Pictures of the five sound modes at 7.80 Hz, drawn from render-sound's own
output so that they stay true to the synthesis: per mode a waveform (left
channel above the right; the first half second, then 20 ms around the first
peak of the envelope) and a spectrogram made by sox (0 to 2 kHz over two
seconds; left channel above the right). Then per session of the library
(sessions/*.txt) its frequency over time and, under it, the levels of its
tones, noise and music and the light of its segments, from render-sound's full
schedule.

usage: sound_pictures.py RENDER_SOUND DIR [--check]
  writes the pictures into DIR; with --check, writes nothing and fails unless
  DIR holds exactly the pictures it would write.
"""
import array
import glob
import os
import subprocess
import sys
import tempfile
import zlib

MODES = ["none", "brain-waves", "peak-modulation", "noise-modulation", "noise-waves"]
TITLES = ["None", "Brain waves", "Peak modulation", "Modulation of white noise",
          "Waves of white noise"]
FREQUENCY = 780
BLOCKS = 8  # two seconds
# first frame, frames, columns, frames looked back: the first half second, each
# column over at least one period of the slowest tone (186 frames), so that a
# steady tone shows as a steady band and not as a moire of sampled cycles.
OVERVIEW = (0, 22050, 480, 200)
# 20 ms around frame 2826, the top of the first peak at 7.80 Hz, every sample
# joined to the one before.
CLOSE_UP = (2385, 882, 240, 1)
STRIP_HEIGHT = 100
GAP = 8
# Palette: background, gap, zero line, left channel, right channel.
PALETTE = [(0, 0, 0), (48, 48, 48), (90, 90, 90), (255, 196, 64), (96, 200, 255)]


def png(width, height, rows, palette=None, colour_type=3):
    """An 8-bit palette PNG, or with colour_type 2 rows of red, green and blue
    bytes; the same pixels always give the same bytes."""
    def chunk(kind, data):
        return (len(data).to_bytes(4, "big") + kind + data +
                zlib.crc32(kind + data).to_bytes(4, "big"))
    header = (width.to_bytes(4, "big") + height.to_bytes(4, "big") +
              bytes([8, colour_type, 0, 0, 0]))
    raw = b"".join(b"\0" + bytes(row) for row in rows)
    colours = b""
    if colour_type == 3:
        colours = chunk(b"PLTE", bytes(c for rgb in palette or PALETTE for c in rgb))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + colours +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def draw_strip(rows, top, left, samples, view, colour):
    """Each column a vertical line from the lowest to the highest sample it
    covers, looking back over the frames the view asks for."""
    first, count, columns, back = view
    middle = top + STRIP_HEIGHT // 2
    scale = (STRIP_HEIGHT // 2 - 2) / 32767
    for x in range(columns):
        rows[middle][left + x] = 2
    for x in range(columns):
        start = first + count * x // columns
        end = first + count * (x + 1) // columns
        covered = samples[max(first, start - back):end]
        low = middle - round(max(covered) * scale)
        high = middle - round(min(covered) * scale)
        for y in range(low, high + 1):
            rows[y][left + x] = colour


def waveform(frames):
    width = OVERVIEW[2] + GAP + CLOSE_UP[2]
    height = 2 * STRIP_HEIGHT + GAP
    rows = [bytearray(width) for _ in range(height)]
    for y in range(height):
        for x in range(width):
            between_strips = STRIP_HEIGHT <= y < STRIP_HEIGHT + GAP
            between_views = OVERVIEW[2] <= x < width - CLOSE_UP[2]
            if between_strips or between_views:
                rows[y][x] = 1
    for channel in (0, 1):
        top = channel * (STRIP_HEIGHT + GAP)
        samples = frames[channel::2]
        draw_strip(rows, top, 0, samples, OVERVIEW, 3 + channel)
        draw_strip(rows, top, OVERVIEW[2] + GAP, samples, CLOSE_UP, 3 + channel)
    return png(width, height, rows)


def render(tool, mode, wav):
    command = [tool, "--mode", str(mode), "--frequency", str(FREQUENCY), "--blocks", str(BLOCKS)]
    subprocess.run(command + ["--output", wav], check=True)
    with open(wav, "rb") as f:
        frames = array.array("h", f.read()[44:])
    if sys.byteorder == "big":
        frames.byteswap()
    return " ".join(command[1:]), frames


def spectrogram(wav, title, comment, picture):
    # -R and -D: no random dither, so that every run draws the same pixels.
    subprocess.run(["sox", "-V1", "-R", "-D", "--single-threaded", wav, "-n", "rate", "4k",
                    "spectrogram", "-x", "600", "-y", "129", "-z", "90", "-t", title,
                    "-c", comment, "-o", picture], check=True)


SESSIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sessions")
# 12 columns a minute (one per 20 blocks) and 4 rows a hertz, on one scale
# for every session so that they compare at a glance: 0 to 24 Hz, a grid line
# every 4 Hz and every 5 minutes.
BLOCKS_PER_COLUMN = 20
SESSION_HEIGHT = 98
TOP_HERTZ = 24
FILL_LEVELS = 8
# Under the frequency, a strip of the levels after the fades: 0 to 100 % in
# LEVEL_ROWS rows.
LEVEL_GAP = 3
LEVEL_ROWS = 25
# Palette: background, grid, curve, then the fill under the curve from silent
# to full loudness, so that the fades show as the fill dims; then the noise
# of each colour, the music and the voices' tones.
NOISE_COLOURS = {"white": (200, 200, 200), "pink": (236, 128, 168), "brown": (160, 96, 48)}
SESSION_PALETTE = [(0, 0, 0), (56, 56, 56), (255, 196, 64)] + [
    (24 * i // (FILL_LEVELS - 1), 64 * i // (FILL_LEVELS - 1), 128 * i // (FILL_LEVELS - 1))
    for i in range(FILL_LEVELS)] + list(NOISE_COLOURS.values()) + [(96, 200, 255), (128, 224, 96)]
NOISE_INDEX = {name: 3 + FILL_LEVELS + i for i, name in enumerate(NOISE_COLOURS)}
MUSIC_INDEX = 3 + FILL_LEVELS + len(NOISE_COLOURS)
VOICE_INDEX = MUSIC_INDEX + 1
# Each voice in the full schedule: KIND CARRIER BEAT LEVEL SHAPE, after the
# block's eleven fields.
BLOCK_FIELDS = 11
VOICE_FIELDS = 5
# Under the levels, the light: a gap, then rows of the light's colour between
# two lines of the grid's colour.
LIGHT_GAP = 3
LIGHT_HEIGHT = 10


def light_of(light, brightness, rgb):
    """The light as the white of a pattern shows it: each channel
    (255 x c x P) / 25500; black for light 0."""
    if light == "0":
        return bytes(3)
    return bytes(255 * c * int(brightness) // 25500 for c in bytes.fromhex(rgb[1:]))


def voices_of(fields):
    """The voices of a block's line as (kind, level in per cent, shape or colour)."""
    return [(fields[i], int(fields[i + 3]) / 100, fields[i + 4])
            for i in range(BLOCK_FIELDS, len(fields), VOICE_FIELDS)]


def schedule(tool, session):
    """Per block its frequency, levels and voices, and the fades, as render-sound plays them:
    "BLOCK SEGMENT MODE FREQUENCY VOLUME NOISE NOISE-LEVEL MUSIC-LEVEL LIGHT
    BRIGHTNESS #RRGGBB [KIND CARRIER BEAT LEVEL SHAPE]..."; then per block its light."""
    text = subprocess.run([tool, "--session", session, "--schedule-full"], check=True,
                          capture_output=True, text=True).stdout.split("\n")
    header = text[0].split()
    blocks, fade_in, fade_out = int(header[1]), int(header[3]), int(header[5])
    rows = [line.split() for line in text[1:blocks + 1]]
    return ([(int(r[3]), int(r[4]), r[5], int(r[6]), int(r[7]), int(r[2]), voices_of(r))
             for r in rows], fade_in, fade_out, [light_of(*r[8:11]) for r in rows])


def loudness(block, blocks, fade_in, fade_out):
    """The fade's scale at the start of a block, 0 to 1."""
    if block < fade_in:
        return block / fade_in
    if block >= blocks - fade_out:
        return (blocks - block) / fade_out
    return 1


def faded(level, block, blocks, fade_in, fade_out):
    """A level under the fades at the start of a block, truncated."""
    if block < fade_in:
        return level * block // fade_in
    if block >= blocks - fade_out:
        return level * (blocks - block) // fade_out
    return level


def light_rows(lights, width, fade_in, fade_out):
    """The light of each column's first block under the fades, edged in the
    grid's colour so that a stretch without light shows as empty."""
    band = bytearray()
    for x in range(width):
        block = x * BLOCKS_PER_COLUMN
        band += bytes(faded(c, block, len(lights), fade_in, fade_out) for c in lights[block])
    edge = bytearray(SESSION_PALETTE[1] * width)
    return [bytearray(3 * width)] * LIGHT_GAP + [edge] + [band] * LIGHT_HEIGHT + [edge]


def draw_levels(rows, x, top, block, fade):
    """The noise as an area in its colour (a noise voice's above the
    segment's, as their levels add), the music, the sound mode's volume
    (none for mode 0, which is silent) and each voice's tone as lines, each
    scaled by the fade. A music voice plays the music at its level."""
    _, volume, noise, noise_level, music_level, mode, voices = block
    bottom = top + LEVEL_ROWS - 1

    def row_of(level):
        return bottom - round(level * fade * (LEVEL_ROWS - 1) / 100)
    noises = [(noise, noise_level)] if noise != "none" else []
    noises += [(colour, level) for kind, level, colour in voices if kind == "noise"]
    below = 0
    for colour, level in noises:
        for y in range(row_of(below + level), row_of(below) + (1 if below == 0 else 0)):
            rows[y][x] = NOISE_INDEX[colour]
        below += level
    music_voices = [level for kind, level, _ in voices if kind == "music"]
    if music_voices:
        music_level = sum(music_voices)
    if music_level:
        rows[row_of(music_level)][x] = MUSIC_INDEX
    if mode != 0:
        rows[row_of(volume)][x] = 2
    for kind, level, _ in voices:
        if kind not in ("noise", "music"):
            rows[row_of(level)][x] = VOICE_INDEX


def session_picture(blocks_played, fade_in, fade_out, lights):
    """Frequency and levels drawn in the palette, turned into red, green and
    blue rows, then the light."""
    blocks = len(blocks_played)
    frequencies = [b[0] for b in blocks_played]
    width = -(-blocks // BLOCKS_PER_COLUMN)
    levels_top = SESSION_HEIGHT + LEVEL_GAP
    rows = [bytearray(width) for _ in range(levels_top + LEVEL_ROWS)]

    def row_of(hundredths):
        return SESSION_HEIGHT - 1 - round(hundredths * (SESSION_HEIGHT - 2) / (TOP_HERTZ * 100))
    for hertz in range(0, TOP_HERTZ + 1, 4):
        rows[row_of(hertz * 100)][:] = bytes([1]) * width
    for x in range(0, width, 5 * 12):
        for y in list(range(SESSION_HEIGHT)) + list(range(levels_top, len(rows))):
            rows[y][x] = 1
    for x in range(width):
        covered = frequencies[x * BLOCKS_PER_COLUMN:(x + 1) * BLOCKS_PER_COLUMN]
        fade = loudness(x * BLOCKS_PER_COLUMN, blocks, fade_in, fade_out)
        level = round(fade * (FILL_LEVELS - 1))
        top, bottom = row_of(max(covered)), row_of(min(covered))
        for y in range(bottom + 1, SESSION_HEIGHT):
            if rows[y][x] == 0 or level > 0:
                rows[y][x] = 3 + level
        for y in range(top, bottom + 1):
            rows[y][x] = 2
        draw_levels(rows, x, levels_top, blocks_played[x * BLOCKS_PER_COLUMN], fade)
    rgb_rows = [bytearray(c for i in row for c in SESSION_PALETTE[i]) for row in rows]
    rgb_rows += light_rows(lights, width, fade_in, fade_out)
    return png(width, len(rgb_rows), rgb_rows, colour_type=2)


def make_session_pictures(tool, folder):
    names = []
    for session in sorted(glob.glob(os.path.join(SESSIONS, "*.txt"))):
        name = "session-" + os.path.basename(session)[:-4] + ".png"
        with open(os.path.join(folder, name), "wb") as f:
            f.write(session_picture(*schedule(tool, session)))
        names.append(name)
    return names


def make_pictures(tool, folder, scratch):
    names = []
    for mode, name in enumerate(MODES):
        wav = os.path.join(scratch, name + ".wav")
        command, frames = render(tool, mode, wav)
        with open(os.path.join(folder, name + "-waveform.png"), "wb") as f:
            f.write(waveform(frames))
        title = "%s (mode %d), 7.80 Hz" % (TITLES[mode], mode)
        spectrogram(wav, title, "render-sound " + command,
                    os.path.join(folder, name + "-spectrogram.png"))
        os.remove(wav)
        names += [name + "-waveform.png", name + "-spectrogram.png"]
    return names + make_session_pictures(tool, folder)


def main():
    if len(sys.argv) not in (3, 4) or sys.argv[3:] not in ([], ["--check"]):
        sys.exit(__doc__.split("\n\n")[1])
    tool, folder = os.path.abspath(sys.argv[1]), sys.argv[2]
    with tempfile.TemporaryDirectory() as scratch:
        if sys.argv[3:] == []:
            os.makedirs(folder, exist_ok=True)
            make_pictures(tool, folder, scratch)
            return
        names = make_pictures(tool, scratch, scratch)
        stale = [n for n in names if not os.path.exists(os.path.join(folder, n)) or
                 open(os.path.join(folder, n), "rb").read() !=
                 open(os.path.join(scratch, n), "rb").read()]
    if stale:
        sys.exit("not what %s makes: %s; remake them with: %s %s %s" %
                 (sys.argv[0], ", ".join(stale), sys.argv[0], sys.argv[1], folder))


if __name__ == "__main__":
    main()
