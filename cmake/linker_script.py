#!/usr/bin/env python3
"""Writes Setup.exe's linker script: linker_script.py LD OUT.

The script is the linker's own default (ld --verbose), with two changes that make the release 3 KB
smaller and change nothing it does:
- the DWARF unwind tables (.eh_frame) of the C runtime's objects are discarded: nothing in the
  program throws, and the start-up code registers no frames without libgcc's unwinder, which is
  not linked;
- the C runtime's tables of start and end functions (.CRT) lie in .data, which is read and written
  as they are, instead of in a section of their own that takes a whole file block for 48 bytes.
A default script that does not have the expected form stops the build, rather than link otherwise.
"""
import subprocess
import sys


def fail(text):
    sys.exit(f"linker_script.py: {text}")


def once(text, old, new):
    if text.count(old) != 1:
        fail(f"the default script of {sys.argv[1]} has not the expected form: {old.strip().splitlines()[0]!r}")
    return text.replace(old, new)


def section(text, name):
    """The output section `name` of the script: its whole text, and the lines between its braces."""
    head = f"  {name} BLOCK(__section_alignment__) :\n  {{\n"
    start = text.find(head)
    end = text.find("\n  }\n", start)
    if start < 0 or end < 0 or text.count(head) != 1:
        fail(f"no output section {name} in the default script of {sys.argv[1]}")
    return text[start:end + 5], text[start + len(head):end + 1]


def main():
    ld, out = sys.argv[1], sys.argv[2]
    verbose = subprocess.run([ld, "--verbose"], capture_output=True, text=True, check=True).stdout
    parts = verbose.split("==================================================")
    if len(parts) != 3:
        fail(f"{ld} --verbose shows no default script")
    script = parts[1].strip("\n") + "\n"

    eh_frame, _ = section(script, ".eh_frame")
    script = once(script, eh_frame, "")
    script = once(script, "  /DISCARD/ :\n  {\n", "  /DISCARD/ :\n  {\n    *(.eh_frame*)\n")

    crt, crt_lines = section(script, ".CRT")
    script = once(script, crt, "")
    data, data_lines = section(script, ".data")
    # The tables keep their order; what the default script leaves to orphan placement (the TLS
    # destructors' .CRT$XD*) follows them, as it would in a .CRT section.
    tabellen = "    . = ALIGN(8);\n" + crt_lines + "    KEEP (*(SORT(.CRT$*)))\n"
    script = once(script, data, data.replace(data_lines, data_lines + tabellen))

    try:
        with open(out) as f:
            if f.read() == script:
                return
    except FileNotFoundError:
        pass
    with open(out, "w") as f:
        f.write(script)


main()
