"""Cut the bundled CJK font down to the characters the game can show."""

import re

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
FACE = 4  # Noto Sans CJK HK inside the collection
EXTRA = "《》「」『』，。、：；？！（）"


def wanted_codepoints(texts_h):
    with open(texts_h, encoding="utf-8") as f:
        text = f.read()
    cps = set(range(0x20, 0x7F)) | {0x3000, 0x2013, 0x2027} | set(range(0xFF01, 0xFF5F))
    cps |= {ord(ch) for ch in EXTRA}
    cps |= {ord(ch) for ch in text if ord(ch) > 0x7E and ch not in "\r\n\t"}
    return cps


def build(texts_h, out):
    cps = wanted_codepoints(texts_h)
    # keep the original timestamps so re-running gives the same bytes
    font = TTFont(SOURCE, fontNumber=FACE, recalcTimestamp=False, lazy=False)
    opts = subset.Options()
    opts.hinting = True  # stem hints: small CJK type snaps to whole pixels
    opts.name_IDs = ["*"]
    opts.name_languages = ["*"]
    opts.notdef_outline = True
    opts.recalc_timestamp = False
    sub = subset.Subsetter(opts)
    sub.populate(unicodes=sorted(cps))
    sub.subset(font)
    font.save(out)
    return cps


def verify(out, cps):
    font = TTFont(out)
    cmap = font.getBestCmap()
    missing = sorted(c for c in cps if c not in cmap)
    if missing:
        raise AssertionError("font lacks: " + " ".join("U+%04X" % c for c in missing))
    fam = font["name"].getDebugName(1)
    if fam != "Noto Sans CJK HK":
        raise AssertionError("font family became %r" % fam)
    return fam


def write_licence(copyright_path, out, font_path=SOURCE):
    """The Debian copyright file carries the OFL indented one space with '.'
    for blank lines; restore plain text."""
    with open(copyright_path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    start = lines.index("License: SIL-1.1", lines.index("License: SIL-1.1") + 1) \
        if lines.count("License: SIL-1.1") > 1 else lines.index("License: SIL-1.1")
    body = []
    for ln in lines[start + 1:]:
        if not ln.startswith(" "):
            break
        ln = ln[1:]
        body.append("" if ln == "." else ln)
    while body and not body[-1].strip():
        body.pop()
    notice = TTFont(font_path, fontNumber=FACE, lazy=True)["name"].getDebugName(0)
    text = ("Font: Noto Sans CJK HK (subset as NotoSansCJKhk-Game.otf)\n"
            "Copyright notice in the font: %s\n\n" % notice) + "\n".join(body) + "\n"
    if "SIL OPEN FONT LICENSE Version 1.1" not in text or "DISCLAIMER" not in text:
        raise AssertionError("could not extract the OFL text")
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)
