#!/usr/bin/env python3
"""Writes a specimen of the bitmap fonts: every face with its whole character
set and a sample line, black on white, at 1x and 4x.

    python3 tools/fonts/specimen.py [fonts-dir] [output-prefix]

Defaults: data/fonts and ./font-specimen, giving font-specimen-1x.png and
font-specimen-4x.png. It reads the BDF files themselves, so it shows exactly
the glyphs the program loads.
"""

import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
FACES = ['PilotStandard', 'PilotBold', 'PilotLarge', 'PilotBold12', 'PalmText9']
SAMPLE = 'The quick brown fox jumps over the lazy dog. \u00c4pfel f\u00fcr \u00d1and\u00fa: 12,50 \u20ac!'
MARGIN = 4


class Face:
    def __init__(self, path):
        self.glyphs = {}  # code: (advance, xoff, yoff, width, rows of ints)
        with open(path, encoding='ascii') as f:
            lines = iter(f.read().split('\n'))
        for line in lines:
            key, _, rest = line.partition(' ')
            if key == 'FONT_ASCENT':
                self.ascent = int(rest)
            elif key == 'FONT_DESCENT':
                self.descent = int(rest)
            elif key == 'ENCODING':
                code = int(rest)
            elif key == 'DWIDTH':
                advance = int(rest.split()[0])
            elif key == 'BBX':
                width, height, xoff, yoff = map(int, rest.split())
            elif key == 'BITMAP':
                rows = [int(next(lines), 16) for _ in range(height)]
                self.glyphs[code] = (advance, xoff, yoff, width, height, rows)
        self.height = self.ascent + self.descent

    def width(self, codes):
        return sum(self.glyphs[c][0] if c in self.glyphs else 5 for c in codes)

    def draw(self, canvas, x, y, codes):
        for c in codes:
            if c not in self.glyphs:
                x += 5
                continue
            advance, xoff, yoff, width, height, rows = self.glyphs[c]
            nbits = ((width + 7) // 8) * 8
            top = y + self.ascent - yoff - height
            for r, bits in enumerate(rows):
                for col in range(width):
                    if bits & (1 << (nbits - 1 - col)):
                        canvas.set(x + xoff + col, top + r)
            x += advance
        return x


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = bytearray([255]) * (width * height)

    def set(self, x, y, value=0):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = value

    def write_png(self, path, scale):
        w, h = self.width * scale, self.height * scale
        raw = bytearray()
        for y in range(h):
            row = self.pixels[(y // scale) * self.width:(y // scale + 1) * self.width]
            raw.append(0)
            raw.extend(bytes(v for v in row for _ in range(scale)))

        def chunk(kind, data):
            body = kind + data
            return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

        with open(path, 'wb') as f:
            f.write(b'\x89PNG\r\n\x1a\n')
            f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 0, 0, 0, 0)))
            f.write(chunk(b'IDAT', zlib.compress(bytes(raw), 9)))
            f.write(chunk(b'IEND', b''))


def layout(faces):
    """Lines of (face, codes, spaced): the face's name, its character set in
    rows of 32 spaced out by a pixel so neighbours never touch, a sample."""
    lines = []
    for name, face in faces:
        lines.append((face, list(name.encode('cp1252')), False))
        for first in range(0x20, 0x100, 32):
            lines.append((face, [c for c in range(first, first + 32) if c in face.glyphs], True))
        lines.append((face, list(SAMPLE.encode('cp1252')), False))
        lines.append((None, [], False))
    return lines


def main():
    fonts = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, '..', '..', 'data', 'fonts')
    prefix = sys.argv[2] if len(sys.argv) > 2 else 'font-specimen'
    faces = [(name, Face(os.path.join(fonts, name + '.bdf'))) for name in FACES]
    lines = layout(faces)
    width = max(face.width(codes) + len(codes) for face, codes, _ in lines if face) + 2 * MARGIN
    height = sum(face.height + 1 if face else 6 for face, _, _ in lines) + 2 * MARGIN
    canvas = Canvas(width, height)
    y = MARGIN
    for face, codes, spaced in lines:
        if face is None:
            y += 6
            continue
        x = MARGIN
        for part in ([c] for c in codes) if spaced else [codes]:
            x = face.draw(canvas, x, y, part) + (1 if spaced else 0)
        y += face.height + 1
    for scale in (1, 4):
        canvas.write_png(f'{prefix}-{scale}x.png', scale)


if __name__ == '__main__':
    main()
