#!/usr/bin/env python3
"""Checks what lupdate cannot in Velomark's .ts files: every translation keeps
its source's places (%1, %2, %n) and line breaks' count, and no two texts of
one window (a context) share a keyboard mnemonic in a language where their
English sources do not.

    scripts/check-ts.py translations/velomark_de.ts ...
"""
import re
import sys
import xml.etree.ElementTree as ET

PLACES = re.compile(r"%(?:n|L?\d+)")
MNEMONIC = re.compile(r"&([^&\s])")


def mnemonic(text):
    found = MNEMONIC.search(text.replace("&&", ""))
    return found.group(1).lower() if found else None


def translations(message):
    node = message.find("translation")
    if node is None:
        return []
    forms = node.findall("numerusform")
    return [f.text or "" for f in forms] if forms else [node.text or ""]


def check(path):
    faults = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        used = {}  # mnemonic letter -> (source, translation)
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            for text in filter(None, translations(message)):  # unfinished: told apart
                if sorted(PLACES.findall(source)) != sorted(PLACES.findall(text)):
                    faults.append(f"{path}: {name}: places differ: {source!r} -> {text!r}")
                if source.count("\n") != text.count("\n"):
                    faults.append(f"{path}: {name}: line breaks differ: {source!r} -> {text!r}")
                letter = mnemonic(text)
                if mnemonic(source) and not letter:
                    faults.append(f"{path}: {name}: mnemonic lost: {source!r} -> {text!r}")
                if not letter:
                    continue
                other = used.setdefault(letter, (source, text))
                # Two texts may share a letter only where their English ones do.
                if other[0] != source and mnemonic(other[0]) != mnemonic(source):
                    faults.append(f"{path}: {name}: &{letter} twice: {other[1]!r} and {text!r}")
    return faults


def main():
    faults = [f for path in sys.argv[1:] for f in check(path)]
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
