#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Every shipped language complete and true to the English layout: lupdate reads the texts from
# the sources afresh, and each translation must hold every one of them, finished, and nothing
# else; keep the trailing blanks, line breaks, places and access key of its English; and use no
# access key twice in a menu.
# Usage: check.py LUPDATE SOURCE_FOLDER TS_FILE...
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# The menus as the main window builds them: the bar, File, Help.
MENUS = [["&File", "&Help"], ["&New", "E&xit"], ["How To &Play", "Hi&nt", "&Show High Scores", "&About"]]


def read(ts):
    """{(context, source): translation, or None when unfinished}; line breaks kept as bytes."""
    text = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', r"&#x\1;", Path(ts).read_text("utf-8"))
    return {(context.findtext("name"), message.findtext("source")):
            None if message.find("translation").get("type") else message.findtext("translation")
            for context in ET.fromstring(text).iter("context") for message in context.iter("message")}


def layout(text):
    """What a translation keeps of its English: trailing blanks, line breaks, places, access keys."""
    return (len(text) - len(text.rstrip(" ")), text.count("\r"), text.count("\n"),
            sorted(re.findall(r"%\d", text)), text.replace("&&", "").count("&"))


def problems(wanted, messages):
    yield from (f"lacks {key}" for key in sorted(wanted - messages.keys()))
    yield from (f"holds {key}, which the game no longer shows" for key in sorted(messages.keys() - wanted))
    for key in sorted(wanted & messages.keys()):
        if not messages[key]:
            yield f"leaves {key} unfinished"
        elif layout(messages[key]) != layout(key[1]):
            yield f"lays {key} out as {messages[key]!r}"
    for menu in MENUS:
        texts = (messages.get(("orbulon::frmMain", item)) or "" for item in menu)
        keys = [key.casefold() for text in texts for key in re.findall(r"&(.)", text)[:1]]
        if len(set(keys)) != len(keys):
            yield f"uses an access key twice in the menu of {menu}"


with tempfile.TemporaryDirectory() as scratch:
    subprocess.run([sys.argv[1], "-silent", "-locations", "none", "-tr-function-alias", "QT_TR_NOOP+=PLAYER_TEXT",
                    *(str(Path(sys.argv[2]) / layer) for layer in ("game", "records", "ui", "app")),
                    "-ts", f"{scratch}/fresh.ts"], check=True, stderr=subprocess.DEVNULL)
    wanted = set(read(f"{scratch}/fresh.ts"))
found = [f"{Path(ts).name} {problem}" for ts in sys.argv[3:] for problem in problems(wanted, read(ts))]
print("\n".join(found) or f"PASS: {len(sys.argv) - 3} languages, each with all {len(wanted)} texts")
sys.exit(1 if found or len(wanted) < 40 else 0)
