#!/usr/bin/env python3
"""Turns the game's Qt Linguist files into a C++ table for the web page, so that the page
speaks every language the desktop speaks, from the same files.

    ts_to_cpp.py OUT.cpp zarvok_de.ts zarvok_es.ts ...

Unfinished translations are left out, as the desktop's release step leaves them out."""
import os
import sys
import xml.etree.ElementTree as ET


def literal(text):
    out = []
    for byte in text.encode("utf-8"):
        ch = chr(byte)
        if ch == "\\" or ch == '"':
            out.append("\\" + ch)
        elif ch == "\n":
            out.append("\\n")
        elif 32 <= byte < 127:
            out.append(ch)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def plural_rule(code):
    # As Qt Linguist counts: French and Brazilian Portuguese take the singular for 0 as well.
    return 1 if code.startswith("fr") or code == "pt_BR" else 0


def main():
    out_path, files = sys.argv[1], sorted(sys.argv[2:])
    lines = ['#include "web/translations.h"', "", "namespace zarvo::web {", "", "namespace {", ""]
    tables = []
    for path in files:
        code = os.path.basename(path)[len("zarvok_"):-len(".ts")]
        root = ET.parse(path).getroot()
        name = "k_" + code.replace("-", "_")
        lines.append(f"const Message {name}[] = {{")
        count = 0
        for context in root.iter("context"):
            ctx = context.findtext("name")
            for message in context.iter("message"):
                tr = message.find("translation")
                if tr is None or tr.get("type") in ("unfinished", "obsolete", "vanished"):
                    continue
                forms = [f.text or "" for f in tr.findall("numerusform")] or [tr.text or ""]
                if not any(forms):
                    continue
                forms = (forms + [""] * 3)[:3]
                args = ", ".join(literal(f) for f in forms)
                lines.append(f"    {{{literal(ctx)}, {literal(message.findtext('source'))}, {{{args}}}}},")
                count += 1
        lines.append("};")
        tables.append(f"    {{{literal(code)}, {plural_rule(code)}, {name}, {count}}},")
    lines += ["", "}  // namespace", "", "const LanguageTable kLanguages[] = {"] + tables
    lines += ["};", f"const int kLanguageCount = {len(tables)};", "", "}  // namespace zarvo::web", ""]
    with open(out_path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
