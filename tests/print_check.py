#!/usr/bin/env python3
"""Checks of a printed sheet read back from its PDF (tests/print_test.sh).

order TEXT EXPECTED...   each expected text occurs in TEXT after the one before it
fonts FONTS              pdffonts lists an embedded font of a Chinese family
margins PGM...           no dark pixel within 15 mm of any edge of any page
roster TEXT N D          every nurse 1..N has one cell per day 1..D, in order
"""
import re
import sys
import unicodedata

MARGIN_MM = 15.0
DARK = 160  # grey levels below this are ink
CJK_FAMILIES = r"WenQuanYi|YaHei|Hei|Song|Sim|CJK|Ming|Kai|Fang"


def read_text(path):
    """The PDF's text with each character in its usual form: a glyph that a font shares between a
    Kangxi radical and an ideograph (女, 年) may come back from the PDF as the radical."""
    return unicodedata.normalize("NFKC", open(path, encoding="utf-8").read())


def check_order(path, expected):
    text = read_text(path)
    expected = [unicodedata.normalize("NFKC", item) for item in expected]
    at = 0
    ok = True
    for item in expected:
        found = text.find(item, at)
        if found < 0:
            print(f"  not found after offset {at}: {item!r}"
                  f" (found anywhere: {item in text})")
            ok = False
            continue
        at = found + len(item)
    return ok


def check_fonts(path):
    lines = open(path, encoding="utf-8", errors="replace").read().splitlines()[2:]
    embedded = [line for line in lines if re.search(r"\byes\s+(yes|no)\s+(yes|no)\s+\d+", line)]
    chinese = [line for line in embedded if re.search(CJK_FAMILIES, line.split()[0], re.I)]
    if not chinese:
        print("  no embedded Chinese font:\n" + "\n".join(lines))
        return False
    print("  embedded: " + "; ".join(line.split()[0] for line in embedded))
    return True


def read_pgm(path):
    data = open(path, "rb").read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P5":
        raise ValueError(f"{path}: not a binary PGM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height]


def check_margins(paths, dpi=50):
    band = int(MARGIN_MM / 25.4 * dpi)
    ok = True
    for path in paths:
        width, height, pixels = read_pgm(path)
        inked = [(x, y) for y in range(height) for x in range(width)
                 if pixels[y * width + x] < DARK]
        if not inked:
            print(f"  {path}: blank page")
            ok = False
            continue
        xs = [x for x, _ in inked]
        ys = [y for _, y in inked]
        box = (min(xs), min(ys), max(xs), max(ys))
        inside = (box[0] >= band and box[1] >= band and box[2] < width - band
                  and box[3] < height - band)
        print(f"  {path.rsplit('/', 1)[-1]}: {width}x{height}, ink {box}, margin band {band}")
        ok = ok and inside
    return ok


def check_roster(path, nurses, days):
    text = read_text(path)  # the full-width colon reads as ":"
    ok = True
    for nurse in range(1, nurses + 1):
        start = text.find(f"护士{nurse:02d}:")
        end = text.find(f"护士{nurse + 1:02d}:") if nurse < nurses else text.find("提示:")
        if start < 0 or end < start:
            print(f"  nurse {nurse}: row not found")
            ok = False
            continue
        cells = [int(day) for day, _ in re.findall(r"(\d+)日([DNR])", text[start:end])]
        if cells != list(range(1, days + 1)):
            print(f"  nurse {nurse}: cells {cells}")
            ok = False
    return ok


def main(argv):
    mode, args = argv[1], argv[2:]
    if mode == "order":
        return check_order(args[0], args[1:])
    if mode == "fonts":
        return check_fonts(args[0])
    if mode == "margins":
        return check_margins(args)
    if mode == "roster":
        return check_roster(args[0], int(args[1]), int(args[2]))
    raise SystemExit(f"unknown check {mode}")


if __name__ == "__main__":
    sys.exit(0 if main(sys.argv) else 1)
