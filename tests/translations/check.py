#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Every shipped language complete and true to the English layout: lupdate reads the texts from
# the sources afresh, and each translation must hold every one of them, finished, and nothing
# else; keep the trailing blanks, line breaks and placeholders of its English; and keep one
# access key per menu item, none used twice in a menu.
# Usage: check.py LUPDATE SOURCE_FOLDER TS_FILE...
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from collections import Counter
from pathlib import Path

# The menus as the main window builds them: the bar, File, Help.
MENUS = [["&File", "&Help"], ["&New", "E&xit"], ["How To &Play", "Hi&nt", "&Show High Scores", "&About"]]
MENU_CONTEXT = "orbulon::frmMain"


def read(ts):
    """{(context, source): (translation, type)}; line breaks kept as the bytes they are."""
    text = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda m: "&#x%s;" % m.group(1), Path(ts).read_text("utf-8"))
    messages = {}
    for context in ET.fromstring(text).iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            key = (context.findtext("name"), message.findtext("source"))
            messages[key] = (translation.text or "", translation.get("type"))
    return messages


def trailing_blanks(text):
    return len(text) - len(text.rstrip(" "))


def access_key(text):
    keys = re.findall(r"&(?!&)(.)", text.replace("&&", ""))
    return keys[0].casefold() if len(keys) == 1 else None


def problems(wanted, messages):
    for key in sorted(wanted - messages.keys()):
        yield f"lacks {key[1]!r} ({key[0]})"
    for key in sorted(messages.keys() - wanted):
        yield f"holds {key[1]!r} ({key[0]}), which the game no longer shows"
    for (context, source), (text, kind) in sorted(messages.items()):
        if (context, source) not in wanted:
            continue
        where = f"{source!r} ({context})"
        if kind or not text:
            yield f"{where} is {kind or 'empty'}"
            continue
        if trailing_blanks(text) != trailing_blanks(source):
            yield f"{where} ends in {trailing_blanks(text)} blanks, not {trailing_blanks(source)}"
        for mark in ("\r", "\n"):
            if text.count(mark) != source.count(mark):
                yield f"{where} breaks its lines {text.count(mark)} times, not {source.count(mark)}"
        if Counter(re.findall(r"%\d", text)) != Counter(re.findall(r"%\d", source)):
            yield f"{where} has the places {sorted(re.findall(r'%[0-9]', text))}"
        if ("&" in source.replace("&&", "")) != (access_key(text) is not None):
            yield f"{where} as {text!r} has not one access key where the English has"
    for menu in MENUS:
        keys = [access_key(messages.get((MENU_CONTEXT, item), ("", None))[0]) for item in menu]
        if len([k for k in keys if k]) != len(set(k for k in keys if k)):
            yield f"the menu of {menu} uses an access key twice: {[messages.get((MENU_CONTEXT, i), ('',))[0] for i in menu]}"


def main(lupdate, sources, *shipped):
    with tempfile.TemporaryDirectory() as scratch:
        fresh = Path(scratch) / "fresh.ts"
        folders = [str(Path(sources) / layer) for layer in ("game", "records", "ui", "app")]
        subprocess.run([lupdate, "-silent", "-locations", "none", "-tr-function-alias", "QT_TR_NOOP+=PLAYER_TEXT",
                        *folders, "-ts", str(fresh)], check=True, stderr=subprocess.DEVNULL)
        wanted = set(read(fresh))
    assert len(wanted) > 40, f"lupdate found only {len(wanted)} texts"
    failed = False
    for ts in shipped:
        for problem in problems(wanted, read(ts)):
            print(f"{Path(ts).name}: {problem}")
            failed = True
    if not failed:
        print(f"PASS: {len(shipped)} languages, each with all {len(wanted)} texts")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
