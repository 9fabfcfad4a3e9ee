#!/usr/bin/env python3
"""Catches an include that runs from a lower room of the program up to a
higher one, or that goes round in a circle: between rooms (each folder and
subfolder of the program's code, in the order below, the lowest first) and
between modules (a .cpp with its .h; a header alone is a module too). A
folder of code that the order does not name fails too, so that a new room
takes its place on purpose.
  include_layers_test.py SOURCE_DIR      exit 0, or 1 with a line per fault"""
import os
import re
import sys

# Each room may include only rooms before it. Tests and benchmarks stand
# above them all and are not checked.
ROOMS = [
    "exposure",             # the shared record and the modes: the floor
    "platform",             # thin layers over Windows, window-free path arithmetic
    "resources",            # the images of the programs' resources
    "session_format",       # the session file format
    "session_format/sbg",   # SBaGen's .sbg files, read and laid out as stretches
    "session_format/document",  # the editor's document of a file's lines
    "sound/voices",         # the voices' waves, phases and samples
    "sound",                # synthesis, the mix of a session, the audio worker
    "sound/render_sound",   # the render-sound tool
    "visual",               # patterns, the visual worker and its tick
    "visual/display_rate",  # the display-rate tool
    "exposure/control",     # starts and stops an exposure and its workers
    "visual/window",        # the full-screen window and its keys, which call the control
    "language",             # the texts both programs show, in both languages
    "panel",                # the control panel program
    "editor/voices",        # the editor's list of a segment's voices and their fields
    "editor",               # the session editor's windows
    "player",               # the session player program
]
SKIPPED = {"tests", "bench", "build", "docs", "scripts", "sessions", "cmake", ".git"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def sources(root):
    for folder, dirs, files in os.walk(root):
        relative = os.path.relpath(folder, root)
        if relative.split(os.sep)[0] in SKIPPED or relative.startswith("build"):
            dirs[:] = []
            continue
        for name in files:
            if name.endswith((".cpp", ".h")):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def includes(root, path):
    with open(os.path.join(root, path), encoding="utf-8") as text:
        for line in text:
            found = INCLUDE.match(line)
            if found:
                yield found.group(1)


def find_cycle(graph):
    """One circle of the graph as a list of its nodes, or None."""
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for following in sorted(graph.get(node, ())):
            if state.get(following) == "open":
                return trail[trail.index(following):] + [following]
            if following not in state:
                circle = visit(following, trail + [following])
                if circle:
                    return circle
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            circle = visit(node, [node])
            if circle:
                return circle
    return None


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    faults = []
    modules = {}
    for path in sources(root):
        room = os.path.dirname(path)
        if room not in ROOMS:
            faults.append(f"{path}: the room '{room}' has no place in the order of rooms")
            continue
        module = os.path.splitext(path)[0]
        for included in includes(root, path):
            if not os.path.exists(os.path.join(root, included)):
                faults.append(f"{path}: includes '{included}', which is not a path from the top")
                continue
            other = os.path.dirname(included)
            if other not in ROOMS:
                continue
            if ROOMS.index(other) > ROOMS.index(room):
                faults.append(f"{path}: includes {included}, in '{other}', a room above '{room}'")
            target = os.path.splitext(included)[0]
            if target != module:
                modules.setdefault(module, set()).add(target)
    circle = find_cycle(modules)
    if circle:
        faults.append("modules include each other in a circle: " + " -> ".join(circle))
    for fault in faults:
        print("FAIL: " + fault)
    if not faults:
        print(f"ok: {len(ROOMS)} rooms, every include runs down, no module in a circle")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
