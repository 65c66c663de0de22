"""Cut the bundled CJK faces down to the characters the game can show.

The texts are read from the translations (i18n/*.ts), which hold every
source text beside its translation: the Hong Kong face covers the texts as
written and every translation in a script other than Simplified Chinese
(English among them); the Simplified Chinese face, with the mainland glyph
forms, covers the Simplified translations. Each face also has the name of
every language, for a list that names them all.
"""

import xml.etree.ElementTree as ET

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
# Faces inside the collection, and the files the game loads.
FACES = {"HK": (4, "NotoSansCJKhk-Game.otf"), "SC": (2, "NotoSansCJKsc-Game.otf")}
EXTRA = "《》「」『』“”，。、：；？！（）"
SIMPLIFIED = ("zh_CN", "zh_SG", "zh_Hans")


def read_ts(path):
    """The language of a translation file and its (context, source, translation) triples."""
    root = ET.parse(path).getroot()
    entries = []
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            # All of it: a line break is a <byte> element inside the text.
            whole = lambda tag: "".join(message.find(tag).itertext()) if message.find(tag) is not None else ""
            entries.append((name, whole("source"), whole("translation")))
    return root.get("language"), entries


def wanted_codepoints(ts_files):
    """Code points by face: {"HK": set, "SC": set}."""
    base = set(range(0x20, 0x7F)) | {0x3000, 0x2013, 0x2027} | set(range(0xFF01, 0xFF5F))
    base |= {ord(ch) for ch in EXTRA}
    text = {"HK": [], "SC": []}
    names = []
    for path in ts_files:
        language, entries = read_ts(path)
        face = "SC" if language.startswith(SIMPLIFIED) else "HK"
        for context, source, translation in entries:
            text["HK"].append(source)
            text[face].append(translation)
            if context == "Language":
                names += [source, translation]
    return {face: base | {ord(ch) for t in texts + names for ch in t if ord(ch) > 0x7E and ch not in "\r\n\t"}
            for face, texts in text.items()}


def build(face, cps, out):
    # keep the original timestamps so re-running gives the same bytes
    font = TTFont(SOURCE, fontNumber=FACES[face][0], recalcTimestamp=False, lazy=False)
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


def verify(face, out, cps):
    font = TTFont(out)
    cmap = font.getBestCmap()
    missing = sorted(c for c in cps if c not in cmap)
    if missing:
        raise AssertionError("%s lacks: %s" % (out, " ".join("U+%04X" % c for c in missing)))
    fam = font["name"].getDebugName(1)
    if fam != "Noto Sans CJK " + face:
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
    notice = TTFont(font_path, fontNumber=FACES["HK"][0], lazy=True)["name"].getDebugName(0)
    text = ("Fonts: Noto Sans CJK HK and SC (subsets as NotoSansCJKhk-Game.otf and "
            "NotoSansCJKsc-Game.otf)\n"
            "Copyright notice in the fonts: %s\n\n" % notice) + "\n".join(body) + "\n"
    if "SIL OPEN FONT LICENSE Version 1.1" not in text or "DISCLAIMER" not in text:
        raise AssertionError("could not extract the OFL text")
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)
