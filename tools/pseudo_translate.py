#!/usr/bin/env python3
"""Fills a Qt Linguist file with a pseudo-translation: every text about 40% longer, its letters
accented, its placeholders (%1, %n), accelerators (&) and line breaks kept. Texts that are too
long for their place on the board, the page or a dialog show up in it before a real
translation does.

    python3 tools/pseudo_translate.py resources/translations/zarvok_pseudo.ts
"""
import sys
import xml.etree.ElementTree as ET

ACCENTS = str.maketrans("aceinouyACEINOUY", "áçéîñöüýÁÇÉÎÑÖÜÝ")
FILLER = "ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ "


def pseudo(source: str) -> str:
    out, i = [], 0
    while i < len(source):
        if source[i] == "%" and i + 1 < len(source) and (source[i + 1].isdigit() or source[i + 1] == "n"):
            out.append(source[i:i + 2])
            i += 2
            continue
        if source.startswith("--", i):  # an option's name stays as typed
            end = i
            while end < len(source) and source[end] not in " '":
                end += 1
            out.append(source[i:end])
            i = end
            continue
        out.append(source[i].translate(ACCENTS))
        i += 1
    text = "".join(out)
    # Each line grows by 40%, so that line breaks stay where the English has them.
    lines = []
    for line in text.split("\n"):
        stripped = line.rstrip(" ")
        extra = round(0.4 * len(stripped))
        pad = (FILLER * (extra // len(FILLER) + 1))[:extra].rstrip(" ")
        lines.append(stripped + (" " + pad if pad else "") + line[len(stripped):])
    return "\n".join(lines)


def main(path: str) -> None:
    tree = ET.parse(path)
    for message in tree.getroot().iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        forms = translation.findall("numerusform")
        if forms:
            for form in forms:
                form.text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1])
