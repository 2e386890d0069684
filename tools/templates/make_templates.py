#!/usr/bin/env python3
"""Builds the sample templates in templates/ from their UTF-8 drawings in tools/templates/source/.

The drawings are kept in UTF-8 so that they can be read and reviewed anywhere; the program reads
templates byte for byte in the DOS code page, so each one is written out in code page 437 with
CR LF line ends. Before writing, every drawing is checked against the way the renderer places
values, so that a sample that would render with broken frames or swallowed values never ships:

  * NFO lines at most 79 columns, DIZ lines at most 44 columns and DIZ files at most 10 lines;
  * a line that starts with a frame character at column 1 spans the full width and closes with
    a frame character (the renderer keeps a line's width only when the blanks around a value are
    there to absorb it, so open-ended lines would wander);
  * no tabs and no trailing blanks (an editor stripping them would silently change the art);
  * only the placeholders {A}..{U}, each at most once per line, never sharing its run of blanks
    with another placeholder;
  * each placeholder has room for a realistic value (see ROOM), judged by its placement: after a
    label (a colon before it, or two dots directly before it) the value starts at the placeholder;
    elsewhere it is centred over it; a text block {R}..{U} is centred only when it starts at
    column 31..49;
  * text blocks stand alone on their line, only in NFO templates, and every NFO uses all four.

The sample configuration templates/Glyphwright.ini is written by hand; it is checked here too:
plain ASCII with CR LF, every list section present with no comments inside it (the program
takes each line of a list section whole), an install text for every release type, and text
lines short enough for the text blocks of the templates.

usage: make_templates.py          write templates/*.nfo and templates/*.diz
       make_templates.py --check  only verify that templates/ matches the drawings
       make_templates.py --room   also print the room each placeholder leaves
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.join(HERE, "source")
TARGET = os.path.normpath(os.path.join(HERE, "..", "..", "templates"))

LIMITS = {".nfo": {"width": 79, "lines": None}, ".diz": {"width": 44, "lines": 10}}
SINGLE = "ABCDEFGHIJKLMNOPQ"
BLOCKS = "RSTU"
FRAME_CHARS = set("┌─┐│└┘├┤┬┴┼╔═╗║╚╝╠╣╦╩╬╟╢╤╧╡╞╒╕╘╛╓╖╙╜█▓▒░▀▄▌▐")

# Longest value each placeholder must take without being left out, by template kind. The
# lengths are those of ordinary releases: "Glyph Forge Studio Professional" for a name, a
# file name with version and language plus "-TEAM" for {Q}, about 70 characters for a line of
# a text block as the form's boxes wrap it.
ROOM = {
    ".nfo": dict(A=40, B=30, C=30, D=12, E=16, F=12, G=14, H=14, I=14, J=14, K=14,
                 L=14, M=20, N=10, O=12, P=20, Q=56, R=70, S=70, T=70, U=70),
    ".diz": dict(A=34, B=24, C=24, D=10, E=16, F=12, G=10, H=10, I=10, J=10, K=10,
                 L=10, M=10, N=10, O=10, P=16, Q=36),
}
MIDDLE = range(31, 50)  # 1-based start columns where a text block is centred

PLACEHOLDER = re.compile(r"\{(.)\}")


class SampleError(Exception):
    pass


def blanks_before(line, index):
    n = 0
    while index - n - 1 >= 0 and line[index - n - 1] == " ":
        n += 1
    return n


def blanks_after(line, index):
    n = 0
    while index + 3 + n < len(line) and line[index + 3 + n] == " ":
        n += 1
    return n


def centred_room(before, after):
    # A value of length L takes (L-3) div 2 blanks on the left and the rest on the right.
    extra = 0
    while (extra + 1) // 2 <= before and (extra + 1) - (extra + 1) // 2 <= after:
        extra += 1
    return 3 + extra


def placement(line, index, letter):
    """How the renderer places a value here, and the longest value that it still places."""
    before, after = blanks_before(line, index), blanks_after(line, index)
    label = ":" in line[:index] or line[max(0, index - 2):index] == ".."
    if letter in BLOCKS:
        if label:
            raise SampleError("text block {%s} on a label line" % letter)
        if index + 1 in MIDDLE:
            return "centred", centred_room(before, after)
        return "aligned", 3 + after
    if label or before == 0:
        return "aligned", 3 + after
    return "centred", centred_room(before, after)


def check_line(name, number, line, kind, used, report):
    where = "%s:%d" % (name, number)
    width = LIMITS[kind]["width"]
    if "\t" in line:
        raise SampleError(where + ": tab")
    if line != line.rstrip(" "):
        raise SampleError(where + ": trailing blanks")
    if len(line) > width:
        raise SampleError("%s: %d columns, at most %d" % (where, len(line), width))
    if line and line[0] in FRAME_CHARS and (len(line) != width or line[-1] not in FRAME_CHARS):
        raise SampleError("%s: frame line must span %d columns and close" % (where, width))
    try:
        line.encode("cp437")
    except UnicodeEncodeError as error:
        raise SampleError("%s: %r has no code page 437 form" % (where, error.object[error.start]))

    found = list(PLACEHOLDER.finditer(line))
    letters = [m.group(1) for m in found]
    for letter in letters:
        if letter not in SINGLE + BLOCKS:
            raise SampleError("%s: {%s} is no placeholder" % (where, letter))
        if letters.count(letter) > 1:
            raise SampleError("%s: {%s} twice on one line" % (where, letter))
    for left, right in zip(found, found[1:]):
        if line[left.end():right.start()].strip(" ") == "":
            raise SampleError("%s: {%s} and {%s} share their blanks"
                               % (where, left.group(1), right.group(1)))
    for m in found:
        letter = m.group(1)
        if letter in BLOCKS:
            if kind == ".diz":
                raise SampleError("%s: text block {%s} in a DIZ stays unexpanded" % (where, letter))
            if len(found) > 1:
                raise SampleError("%s: text block {%s} must stand alone" % (where, letter))
        try:
            how, room = placement(line, m.start(), letter)
        except SampleError as error:
            raise SampleError("%s: %s" % (where, error))
        need = ROOM[kind][letter]
        if room < need:
            raise SampleError("%s: {%s} %s takes at most %d characters, want %d"
                               % (where, letter, how, room, need))
        used.setdefault(letter, []).append(m.start() + 1)
        report.append("  %-14s line %2d col %2d  {%s} %-7s room %d"
                      % (name, number, m.start() + 1, letter, how, room))


def render(name, text):
    kind = os.path.splitext(name)[1].lower()
    if kind not in LIMITS:
        raise SampleError(name + ": unknown template kind")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    limit = LIMITS[kind]["lines"]
    if limit is not None and len(lines) > limit:
        raise SampleError("%s: %d lines, at most %d" % (name, len(lines), limit))
    used, report = {}, []
    for number, line in enumerate(lines, 1):
        check_line(name, number, line, kind, used, report)
    data = "".join(line + "\r\n" for line in lines).encode("cp437")
    return kind, used, report, data


def check_set(results):
    nfo = {n: used for n, (kind, used, _, _) in results.items() if kind == ".nfo"}
    if len(nfo) < 3 or len(results) - len(nfo) < 2:
        raise SampleError("want at least three NFO and two DIZ templates")
    for name, used in nfo.items():
        missing = [b for b in BLOCKS if b not in used]
        if missing:
            raise SampleError("%s: no text block %s" % (name, " ".join(missing)))
        if sum(1 for s in SINGLE if s in used) < 12:
            raise SampleError(name + ": uses too few of {A}..{Q}")
    every = set().union(*nfo.values())
    if set(SINGLE + BLOCKS) - every:
        raise SampleError("no NFO uses " + " ".join(sorted(set(SINGLE + BLOCKS) - every)))
    columns = [c for used in nfo.values() for b in BLOCKS for c in used.get(b, [])]
    if not any(c in MIDDLE for c in columns) or not any(c <= 10 for c in columns):
        raise SampleError("want text blocks both in the middle and near the left border")


CONFIGURATION = os.path.join(TARGET, "Glyphwright.ini")
LIST_SECTIONS = ["TEAM", "MEMBERS", "RELEASE TYPE", "PROTECTION", "OS TYPE", "LANGUAGE",
                 "PROGRAM TYPE", "RELEASE SIZE"]
TEXT_LINE = 70  # a text-block line wider than the form's boxes would be wrapped there


def read_sections(data):
    if b"\r\n" not in data or data.replace(b"\r\n", b"").count(b"\n") \
            or data.replace(b"\r\n", b"").count(b"\r"):
        raise SampleError("Glyphwright.ini: use CR LF line ends only")
    try:
        text = data.decode("ascii")
    except UnicodeDecodeError:
        raise SampleError("Glyphwright.ini: keep it ASCII, the program reads it as ANSI")
    sections, current = {}, None
    for number, line in enumerate(text.split("\r\n"), 1):
        if line.startswith("[") and line.rstrip().endswith("]"):
            current = line.strip()[1:-1].upper()
            sections[current] = []
        elif current is not None and line.strip():
            sections[current].append((number, line))
    return sections


def check_configuration():
    with open(CONFIGURATION, "rb") as f:
        sections = read_sections(f.read())
    for name in LIST_SECTIONS:
        entries = sections.get(name)
        if not entries:
            raise SampleError("Glyphwright.ini: list section [%s] missing or empty" % name)
        for number, line in entries:
            if line.lstrip().startswith(";") or "=" in line:
                raise SampleError("Glyphwright.ini:%d: a list entry is taken whole" % number)
    values = {}
    for name in ("TEAM INFORMATION", "INSTALL INFO", "ARCHIVERS OPTION"):
        for number, line in sections.get(name, []):
            if not line.lstrip().startswith(";"):
                key, _, value = line.partition("=")
                values[(name, key.strip().lower())] = (number, value.strip())
    wanted = [("TEAM INFORMATION", "greetings"), ("ARCHIVERS OPTION", "winrar"),
              ("ARCHIVERS OPTION", "7zip")]
    wanted += [("INSTALL INFO", line.strip().lower()) for _, line in sections["RELEASE TYPE"]]
    for key in wanted:
        if key not in values or not values[key][1]:
            raise SampleError("Glyphwright.ini: [%s] %s missing" % key)
    for (name, key), (number, value) in values.items():
        for part in value.split("{#}"):
            if len(part) > TEXT_LINE:
                raise SampleError("Glyphwright.ini:%d: text line over %d characters"
                                   % (number, TEXT_LINE))


def main(argv):
    check_only = "--check" in argv
    names = sorted(n[:-4] for n in os.listdir(SOURCE) if n.endswith(".txt"))
    results = {}
    try:
        for name in names:
            with open(os.path.join(SOURCE, name + ".txt"), encoding="utf-8", newline="") as f:
                text = f.read()
            if "\r" in text:
                raise SampleError(name + ".txt: keep the drawing with LF line ends")
            results[name] = render(name, text)
        check_set(results)
        check_configuration()
    except SampleError as error:
        print("make_templates: " + str(error), file=sys.stderr)
        return 1

    stale = []
    for name, (_, _, report, data) in results.items():
        path = os.path.join(TARGET, name)
        if "--room" in argv:
            print("\n".join(report))
        current = open(path, "rb").read() if os.path.exists(path) else None
        if current == data:
            continue
        if check_only:
            stale.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
            print("wrote " + os.path.relpath(path))
    if stale:
        print("make_templates: out of date: " + " ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
