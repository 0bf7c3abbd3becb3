#!/usr/bin/env python3
"""Fills a translation file from a translator's table.

    scripts/fill-translations.py translations/yq_de.ts de.json

de.json maps the English source text of a message to its translation
({"Shutdown": "Beenden", ...}). Each message of the .ts file whose source
is in the table and still has no translation gets it, marked finished; a
translation whose placeholders (%1.., the "|" line breaks, the HTML tags)
differ from its source is left out and listed. Messages that have a
translation already are left as they are. Prints how many were filled.
"""
import html
import json
import re
import sys

MESSAGE = re.compile(
    r'(<source>)(?P<source>[^<]*)(</source>\n(?:\s*<comment>[^<]*</comment>\n)?\s*)'
    r'<translation type="unfinished">(?P<old>[^<]*)</translation>', re.S)


def placeholders(text: str):
    return (sorted(re.findall(r"%\d+", text)), text.count("|"), sorted(re.findall(r"</?\w+", text)))


def escape(text: str) -> str:
    # As lupdate writes a translation.
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("'", "&apos;"))


def main() -> int:
    ts_path, table_path = sys.argv[1], sys.argv[2]
    table = json.load(open(table_path, encoding="utf-8"))
    text = open(ts_path, encoding="utf-8").read()
    filled, refused = 0, []

    def fill(m: re.Match) -> str:
        nonlocal filled
        source = html.unescape(m.group("source"))
        translation = table.get(source)
        if not translation or m.group("old"):
            return m.group(0)
        if placeholders(source) != placeholders(translation):
            refused.append(source)
            return m.group(0)
        filled += 1
        return m.group(1) + m.group("source") + m.group(3) + "<translation>" + escape(translation) + "</translation>"

    text = MESSAGE.sub(fill, text)
    open(ts_path, "w", encoding="utf-8").write(text)
    print(f"{ts_path}: {filled} translations filled")
    for source in refused:
        print(f"  placeholders differ, left out: {source[:70]!r}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
