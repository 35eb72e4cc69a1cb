#!/usr/bin/env python3
"""Draws the weight scale's glyph sheets as two-colour XPM pictures:
"Digits" (seventeen 25 x 35 seven-segment glyphs: 0-9, then D, E, P, A, S,
S, E) and "n" (20 x 29, the unit letter N). Lit pixels are white; the
window recolours them. Run from this folder; writes into ../pictures/poids/."""

import os

LEFT, RIGHT = 5, 21          # centre columns of the vertical segments
TOP, MIDDLE, BOTTOM = 5, 18, 31  # centre rows of the horizontal segments
HALF = 2                     # half the thickness of a segment
GAP = 0.5                    # extra room at each pointed end

SEGMENTS = {
    "a": ((LEFT, TOP), (RIGHT, TOP)),
    "b": ((RIGHT, TOP), (RIGHT, MIDDLE)),
    "c": ((RIGHT, MIDDLE), (RIGHT, BOTTOM)),
    "d": ((LEFT, BOTTOM), (RIGHT, BOTTOM)),
    "e": ((LEFT, MIDDLE), (LEFT, BOTTOM)),
    "f": ((LEFT, TOP), (LEFT, MIDDLE)),
    "g": ((LEFT, MIDDLE), (RIGHT, MIDDLE)),
}

GLYPHS = ["abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg",
          "abcdef", "adefg", "abefg", "abcefg", "acdfg", "acdfg", "adefg"]


def lit_in_segment(px, py, segment):
    (x0, y0), (x1, y1) = segment
    if y0 == y1:  # horizontal: pointed at both ends
        across, along, start, end = abs(py - y0), px, x0, x1
    else:
        across, along, start, end = abs(px - x0), py, y0, y1
    return across < HALF and min(along - start, end - along) > across + GAP


def glyph(segments, width=25, height=35):
    rows = []
    for y in range(height):
        row = ""
        for x in range(width):
            centre = (x + 0.5, y + 0.5)
            on = any(lit_in_segment(*centre, SEGMENTS[s]) for s in segments)
            row += "#" if on else "."
        rows.append(row)
    return rows


def letter_n(width=20, height=29):
    """An upright N, 20 rows high, standing on the digits' baseline."""
    top, bottom = 6, 25
    left, right = 3, 16
    rows = []
    for y in range(height):
        row = ""
        for x in range(width):
            on = False
            if top <= y <= bottom:
                if left <= x <= left + 2 or right - 2 <= x <= right:
                    on = True
                # the diagonal, three pixels wide, from top-left to bottom-right
                t = (y - top) / (bottom - top)
                centre = left + 1 + t * (right - left - 2)
                if abs(x - centre) <= 1.5:
                    on = True
            row += "#" if on else "."
        rows.append(row)
    return rows


def write_xpm(path, name, rows):
    width, height = len(rows[0]), len(rows)
    lines = ["/* XPM */", "static char *%s[] = {" % name,
             '"%d %d 2 1",' % (width, height), '". c #000000",', '"# c #FFFFFF",']
    lines += ['"%s",' % row for row in rows[:-1]] + ['"%s"' % rows[-1], "};"]
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    out = os.path.join("..", "pictures", "poids")
    os.makedirs(out, exist_ok=True)
    glyphs = [glyph(s) for s in GLYPHS]
    sheet = ["".join(g[y] for g in glyphs) for y in range(35)]
    write_xpm(os.path.join(out, "Digits.xpm"), "Digits", sheet)
    write_xpm(os.path.join(out, "n.xpm"), "n", letter_n())


if __name__ == "__main__":
    main()
