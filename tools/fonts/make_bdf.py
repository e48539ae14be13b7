#!/usr/bin/env python3
"""Builds the Palm-style bitmap fonts (BDF) in data/fonts from the text art here.

    python3 tools/fonts/make_bdf.py [output-dir]

Art files hold one glyph per block: a header line "<key> <first row>" and the
glyph's rows ('#' ink, '.' blank) from that row down, ending at a blank line.
A key is a character, "0xNN" for a Windows-1252 code, or a name (marks such as
"acute" and "Acute", "dotlessi"). Rows count from the top of the line.

  small.txt   the 11-pixel regular face (PilotStandard; PalmText9 uses it too)
  large.txt   the 14-pixel regular face (PilotLarge)
  bold.txt    PilotBold glyphs that are drawn rather than derived
  bold12.txt  PilotBold12 glyphs that are drawn rather than derived

A bold glyph not drawn is derived from its regular glyph: made the bold face's
width less one by dropping (or repeating) columns near its middle, then
emboldened by one pixel. Accented letters are composed from a base letter and
a mark centred over it (or, for the cedilla, under it). Every advance comes
from advances.txt and every glyph must fit inside its advance.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# face: (regular art, drawn bold glyphs or None, line height, ascent)
FACES = {
    'PilotStandard': ('small.txt', None, 11, 9),
    'PilotBold': ('small.txt', 'bold.txt', 11, 9),
    'PilotLarge': ('large.txt', None, 14, 11),
    'PilotBold12': ('large.txt', 'bold12.txt', 15, 12),
    'PalmText9': ('small.txt', None, 13, 10),
}
# art file: (line height, ascent, the face whose advances it was drawn to)
REGULAR = {'small.txt': (11, 9, 'PilotStandard'), 'large.txt': (14, 11, 'PilotLarge')}
ADVANCES_OF = {'PalmText9': 'PilotStandard'}

UPPER_MARKS = {'`': 'Grave', "'": 'Acute', '^': 'Circumflex', '~': 'Tilde', ':': 'Diaeresis',
               'o': 'Ring', 'v': 'Caron'}
# code: (base, mark symbol) - lower-case bases take the lower-case marks.
COMPOSED = {}
for base, marks, codes in (
        ('A', "`'^~:o", range(0xC0, 0xC6)), ('a', "`'^~:o", range(0xE0, 0xE6)),
        ('E', "`'^:", range(0xC8, 0xCC)), ('e', "`'^:", range(0xE8, 0xEC)),
        ('I', "`'^:", range(0xCC, 0xD0)), ('dotlessi', "`'^:", range(0xEC, 0xF0)),
        ('O', "`'^~:", range(0xD2, 0xD7)), ('o', "`'^~:", range(0xF2, 0xF7)),
        ('U', "`'^:", range(0xD9, 0xDD)), ('u', "`'^:", range(0xF9, 0xFD)),
        ('N', '~', [0xD1]), ('n', '~', [0xF1]), ('Y', "'", [0xDD]), ('y', "'", [0xFD]),
        ('y', ':', [0xFF]), ('Y', ':', [0x9F]), ('S', 'v', [0x8A]), ('s', 'v', [0x9A]),
        ('Z', 'v', [0x8E]), ('z', 'v', [0x9E]), ('C', ',', [0xC7]), ('c', ',', [0xE7])):
    for mark, code in zip(marks, codes, strict=True):
        COMPOSED[code] = (base, mark)


def cp1252(ch):
    return ch.encode('cp1252')[0]


def is_alnum(code):
    return bytes([code]).decode('cp1252', errors='replace').isalnum()


class Glyph:
    """A bitmap of full line height; columns may start with blanks."""

    def __init__(self, rows):
        self.rows = rows  # list of lists of 0/1, all the same width

    @property
    def width(self):
        return len(self.rows[0]) if self.rows else 0

    def ink_columns(self):
        cols = [c for c in range(self.width) if any(r[c] for r in self.rows)]
        return (cols[0], cols[-1]) if cols else None

    def column(self, c):
        return [r[c] for r in self.rows]


def read_art(path, height):
    glyphs = {}
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    i = 0
    while i < len(lines):
        line = lines[i].rstrip()
        i += 1
        if not line or line.startswith('#'):
            continue
        # A key is the text before the row number; it may itself be a space-free char.
        key, top = line.rsplit(' ', 1)
        top = int(top)
        rows = []
        while i < len(lines) and lines[i].strip():
            rows.append(lines[i].strip())
            i += 1
        width = max(len(r) for r in rows)
        grid = [[0] * width for _ in range(height)]
        if top + len(rows) > height:
            sys.exit(f'{path}: glyph {key!r} runs below the line')
        for y, r in enumerate(rows):
            for x, c in enumerate(r):
                if c not in '#.':
                    sys.exit(f'{path}: glyph {key!r} has {c!r}')
                grid[top + y][x] = 1 if c == '#' else 0
        glyphs[parse_key(key)] = Glyph(grid)
    return glyphs


def parse_key(key):
    if key.startswith('0x') and len(key) == 4:
        return int(key, 16)
    if len(key) == 1:
        return cp1252(key)
    return key


def read_advances():
    table = {}
    with open(os.path.join(HERE, 'advances.txt')) as f:
        for line in f:
            if line.startswith('#') or not line.strip():
                continue
            face, first, *values = line.split()
            for i, v in enumerate(values):
                table.setdefault(face, {})[int(first, 16) + i] = int(v)
    return table


def embolden(g):
    """Each ink pixel also inks its right neighbour."""
    rows = [r + [0] for r in g.rows]
    return Glyph([[1 if r[x] or (x > 0 and r[x - 1]) else 0 for x in range(len(r))]
                  for r in rows])


def trimmed(g):
    span = g.ink_columns()
    if not span:
        return Glyph([[] for _ in g.rows])
    return Glyph([r[span[0]:span[1] + 1] for r in g.rows])


def fit_width(g, target):
    """Drops or repeats columns nearest the middle until the ink is target wide.
    A column equal to a neighbour goes first, so stems thin before shapes break."""
    g = trimmed(g)
    rows = [list(r) for r in g.rows]
    width = g.width
    while width > target and width > 1:
        mid = (width - 1) / 2
        order = sorted(range(width), key=lambda c: abs(c - mid))
        same = [c for c in order
                if (c > 0 and col(rows, c) == col(rows, c - 1))
                or (c + 1 < width and col(rows, c) == col(rows, c + 1))]
        drop = same[0] if same else order[0]
        for r in rows:
            del r[drop]
        width -= 1
    while 0 < width < target:
        # Repeat the lightest column of the middle half (a crossbar rather
        # than a stem), the one nearest the middle among equals.
        mid = (width - 1) / 2
        middle = [c for c in range(width) if abs(c - mid) <= width / 4] or [width // 2]
        c = min(middle, key=lambda c: (sum(col(rows, c)), abs(c - mid)))
        for r in rows:
            r.insert(c, r[c])
        width += 1
    return Glyph(rows)


def col(rows, c):
    return [r[c] for r in rows]


def compose(base, mark, below):
    b = base.ink_columns()
    m = mark.ink_columns()
    if b is None or m is None:
        sys.exit('a mark or base of a composed glyph is empty')
    dx = (b[0] + b[1] - m[0] - m[1]) // 2
    left = min(0, dx)
    width = max(base.width, mark.width + dx) - left
    rows = []
    for y in range(len(base.rows)):
        row = [0] * width
        for x in range(base.width):
            row[x - left] |= base.rows[y][x]
        for x in range(mark.width):
            if mark.rows[y][x]:
                if row[x + dx - left] and not below:
                    sys.exit('a mark touches its base')
                row[x + dx - left] = 1
        rows.append(row)
    return Glyph(rows)


def shift_down(g, rows_added, height):
    blank = [0] * g.width
    return Glyph([list(blank) for _ in range(rows_added)] + g.rows
                 + [list(blank) for _ in range(height - rows_added - len(g.rows))])


def build_face(name, table):
    art, overrides, height, ascent = FACES[name]
    advances = table[ADVANCES_OF.get(name, name)]
    regular_height, regular_ascent, regular_face = REGULAR[art]
    regular_advances = table[regular_face]
    # A taller line keeps the glyphs on the same baseline: rows go on top.
    regular = {k: shift_down(g, ascent - regular_ascent, height)
               for k, g in read_art(os.path.join(HERE, art), regular_height).items()}
    derived = overrides is not None
    # The large bold face is drawn narrower than the large one: its letters
    # and digits are squeezed before they are thickened.
    squeeze = derived and advances is not regular_advances and art == 'large.txt'
    own = read_art(os.path.join(HERE, overrides), height) if derived else {}

    glyphs = {}
    for key, g in regular.items():
        span = g.ink_columns()
        if key in own:
            glyphs[key] = own[key]
        elif derived and isinstance(key, int) and span:
            # Keep the room a narrow glyph leaves on its right.
            width = span[1] - span[0] + 1
            slack = max(0, regular_advances[key] - 1 - width)
            target = advances[key] - 2 - slack
            # Where the bold advance leaves no room to thicken, the regular
            # glyph serves as it is (narrowed if it must be): squeezing a
            # thickened glyph would fill its counters.
            if target >= width or (squeeze and target >= 1 and is_alnum(key)):
                glyphs[key] = embolden(fit_width(g, target))
            elif width > advances[key] - 1:
                glyphs[key] = fit_width(g, advances[key] - 1)
            else:
                glyphs[key] = g
        elif derived and span:
            glyphs[key] = embolden(trimmed(g))  # marks and bases keep their shape
        else:
            glyphs[key] = g
    for key, g in own.items():
        glyphs.setdefault(key, g)

    for code, (base, mark) in COMPOSED.items():
        if code in own or code in regular:
            continue
        base_key = parse_key(base)
        below = mark == ','
        mark_key = 'cedilla' if below else (
            UPPER_MARKS[mark] if base.isupper() else UPPER_MARKS[mark].lower())
        glyphs[code] = compose(glyphs[base_key], glyphs[mark_key], below)

    result = {}
    for code in range(0x20, 0x100):
        if code not in advances:
            continue
        g = glyphs.get(code)
        if g is None:
            if code not in (0x20, 0xA0):
                sys.exit(f'{name}: no glyph for 0x{code:02X}')
            g = Glyph([[] for _ in range(height)])
        span = g.ink_columns()
        if span and span[1] - span[0] + 1 > advances[code]:
            sys.exit(f'{name}: glyph 0x{code:02X} is {span[1] - span[0] + 1} wide, '
                     f'its advance {advances[code]}')
        if span and span[1] >= advances[code]:
            g = trimmed(g)  # keep it inside its advance
        result[code] = g
    return result, height, ascent


def write_bdf(path, name, glyphs, advances, height, ascent):
    descent = height - ascent
    out = ['STARTFONT 2.1',
           f'FONT -Zentiform-{name}-Medium-R-Normal--{height}-{height * 10}-72-72-P-50-Microsoft-CP1252',
           f'SIZE {height} 72 72',
           f'FONTBOUNDINGBOX 24 {height} 0 {-descent}',
           'STARTPROPERTIES 8',
           'FOUNDRY "Zentiform"',
           f'FAMILY_NAME "{name}"',
           f'PIXEL_SIZE {height}',
           f'FONT_ASCENT {ascent}',
           f'FONT_DESCENT {descent}',
           'CHARSET_REGISTRY "Microsoft"',
           'CHARSET_ENCODING "CP1252"',
           'DEFAULT_CHAR 127',
           'ENDPROPERTIES',
           f'CHARS {len(glyphs)}']
    for code, g in sorted(glyphs.items()):
        advance = advances[code]
        span = g.ink_columns()
        ink_rows = [y for y, r in enumerate(g.rows) if any(r)]
        if span:
            left, right = span
            top, bottom = ink_rows[0], ink_rows[-1]
        else:
            left, right, top, bottom = 0, 0, ascent - 1, ascent - 1
        w, h = right - left + 1, bottom - top + 1
        out += [f'STARTCHAR C{code:02X}', f'ENCODING {code}',
                f'SWIDTH {advance * 1000 // height} 0', f'DWIDTH {advance} 0',
                f'BBX {w} {h} {left} {ascent - 1 - bottom}', 'BITMAP']
        nbytes = (w + 7) // 8
        for y in range(top, bottom + 1):
            bits = 0
            for x in range(w):
                if span and g.rows[y][left + x]:
                    bits |= 1 << (nbytes * 8 - 1 - x)
            out.append(f'{bits:0{nbytes * 2}X}')
        out.append('ENDCHAR')
    out.append('ENDFONT')
    with open(path, 'w', newline='\n') as f:
        f.write('\n'.join(out) + '\n')


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, '..', '..', 'data', 'fonts')
    table = read_advances()
    for name in FACES:
        advances = table[ADVANCES_OF.get(name, name)]
        glyphs, height, ascent = build_face(name, table)
        write_bdf(os.path.join(outdir, name + '.bdf'), name, glyphs, advances, height, ascent)


if __name__ == '__main__':
    main()
