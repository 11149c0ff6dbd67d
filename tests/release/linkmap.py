#!/usr/bin/env python3
"""The link map MAP of Setup.exe holds no code that would need unwind data: linkmap.py MAP.

Its code is compiled without unwind tables and its entry stands in for the C runtime's start-up
code, so an unwinder (_Unwind_*), a personality routine (__gxx_personality_*,
__gcc_personality_*) or __cxa_throw in the image would run without them. Each one found is named with the object that holds it and the
chain of objects that brought that one in. Exit status 1 when any is linked or the map cannot be
read as one.
"""
import re
import sys

# The map shows names as written in C; --no-demangle shows the leading underscore of i686 names.
FORBIDDEN = re.compile(r"_?(_Unwind_\w+|__gxx_personality_\w+|__gcc_personality_\w+|__cxa_throw)")
MEMORY_MAP = "Linker script and memory map"


def fail(text):
    sys.exit(f"linkmap.py: {text}")


def members(head):
    """Archive member -> (object that referred to it, the symbol it was brought in for)."""
    brought = {}
    lines = head.splitlines()
    for i, line in enumerate(lines):
        entry = re.match(r"^(\S+\(\S+\))\s+(\S.*) \((.*)\)$", line)
        if not entry and re.match(r"^\S+\(\S+\)$", line) and i + 1 < len(lines):
            entry = re.match(r"^(\S+\(\S+\))\s+(\S.*) \((.*)\)$", line + lines[i + 1])
        if entry:
            brought[entry.group(1)] = (entry.group(2), entry.group(3))
    return brought


def short(obj):
    """An archive member without the archive's folder."""
    return re.sub(r"^[^(]*/(?=[^/(]*\()", "", obj)


def chain(obj, brought):
    """How OBJ came into the link: the objects that brought it in, each with the symbol it was wanted for."""
    steps = []
    while obj in brought and len(steps) < 20:
        obj, symbol = brought[obj]
        steps.append(f"brought in by {short(obj)} for {symbol}")
    return steps


def main():
    path = sys.argv[1]
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    at = text.find(MEMORY_MAP)
    if at < 0:
        fail(f"{path} is no link map: it has no '{MEMORY_MAP}'")
    brought = members(text[:at])

    found, symbols, obj = {}, 0, None
    for line in text[at:].splitlines():
        # An input section names its object on its own line or, for a long name, on the next.
        section = re.match(r"^ \S+\s+0x[0-9a-f]+\s+0x[0-9a-f]+\s+(\S.*)$", line) or \
            re.match(r"^\s+0x[0-9a-f]+\s+0x[0-9a-f]+\s+(\S.*)$", line)
        if section:
            obj = section.group(1)
            continue
        symbol = re.match(r"^\s+0x[0-9a-f]+\s+(\S.*)$", line)
        if symbol:
            symbols += 1
            if FORBIDDEN.fullmatch(symbol.group(1)):
                found.setdefault(obj, []).append(symbol.group(1))
        elif re.match(r"^ ?\S", line):
            obj = None
    if symbols == 0:
        fail(f"{path} lists no symbols")
    if found:
        print(f"linkmap.py: {path} links code that needs unwind data, which it does not have:")
        for obj, names in found.items():
            print(f"  {short(obj)}: {', '.join(names)}")
            for step in chain(obj, brought):
                print(f"    {step}")
        sys.exit(1)
    print(f"{path}: {symbols} symbols, no unwinder, personality routine or __cxa_throw")


main()
