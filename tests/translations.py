#!/usr/bin/env python3
"""Every translation is current with the sources and forms, complete, and
keeps what the program fills in or the keyboard reaches: each placeholder,
the mnemonic, line breaks and a leading space.

    tests/translations.py SOURCE_DIR LUPDATE
"""
import collections
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

root, lupdate = pathlib.Path(sys.argv[1]), sys.argv[2]
faults = []


def shape(text):
    """What must survive translation."""
    mnemonic = re.search(r"^(?:[^&]|&&)*&[^&]", text) is not None
    return (collections.Counter(re.findall(r"%\d", text)), mnemonic, text.count("\n"),
            text.startswith(" "))


files = sorted((root / "translations").glob("*.ts"))
if len(files) < 8:
    faults.append(f"{len(files)} translation files, not 8")
with tempfile.TemporaryDirectory() as folder:
    for original in files:
        # A text the sources gained, or lost, since the file was made.
        copy = pathlib.Path(folder) / original.name
        shutil.copy(original, copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete",
                        str(root / "src"), "-ts", str(copy)], check=True)
        if copy.read_bytes() != original.read_bytes():
            faults.append(f"{original.name} is not current: run lupdate")
        for context in ET.parse(original).getroot():
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                where = f"{original.name}, {name}: {source!r}"
                if translation.get("type") or not translation.text:
                    faults.append(f"{where} is not translated")
                elif shape(translation.text) != shape(source):
                    faults.append(f"{where} becomes {translation.text!r}")
for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
