#!/usr/bin/env python3
"""Writes Setup.exe's linker script: linker_script.py DRIVER LD OUT.

The script is the default of the linker that the compiler driver DRIVER calls, as that linker shows
it (--verbose) while the driver links a program of one line, with two changes that make the release
3 KB smaller and change nothing it does:
- the DWARF unwind tables (.eh_frame) of the C runtime's objects are discarded: nothing in the
  program throws, and the start-up code registers no frames without libgcc's unwinder, which is
  not linked (the release test of the link map fails when it is);
- the C runtime's tables of start and end functions (.CRT) lie in .data, which is read and written
  as they are, instead of in a section of their own that takes a whole file block for 48 bytes.
LD is the linker the configuration found for DRIVER (the build makes the script anew when that file
changes); a driver that now calls another linker, or a default script that does not have the
expected form, stops the build, rather than link otherwise.
"""
import os
import subprocess
import sys
import tempfile


def fail(text):
    sys.exit(f"linker_script.py: {text}")


def once(text, old, new):
    if text.count(old) != 1:
        fail(f"the default script of {sys.argv[2]} has not the expected form: {old.strip().splitlines()[0]!r}")
    return text.replace(old, new)


def section(text, name):
    """The output section `name` of the script: its whole text, and the lines between its braces."""
    head = f"  {name} BLOCK(__section_alignment__) :\n  {{\n"
    start = text.find(head)
    end = text.find("\n  }\n", start)
    if start < 0 or end < 0 or text.count(head) != 1:
        fail(f"no output section {name} in the default script of {sys.argv[2]}")
    return text[start:end + 5], text[start + len(head):end + 1]


def default_script(driver, ld):
    """The default script of the linker that DRIVER calls, taken from a link that DRIVER makes."""
    with tempfile.TemporaryDirectory() as folder:
        # -v and -Wl,-v: the driver's link step names the linker it runs; --verbose: the linker
        # shows the script it links with.
        run = subprocess.run([driver, "-x", "c++", "-", "-o", os.path.join(folder, "leer.exe"),
                              "-v", "-Wl,-v", "-Wl,--verbose"],
                             input="int main() { return 0; }\n", capture_output=True, text=True)
    if run.returncode != 0:
        fail(f"{driver} cannot link a program of one line:\n{run.stderr}")
    lines = run.stderr.splitlines()
    runs = [lines[i + 1].split()[0] for i, line in enumerate(lines[:-1])
            if line.startswith("collect2 version") and lines[i + 1].strip()]
    if len(runs) != 1:
        fail(f"{driver} -v does not name the linker it runs")
    if os.path.realpath(runs[0]) != os.path.realpath(ld):
        fail(f"{driver} links with {runs[0]}, the build was configured for {ld}: configure it again")
    parts = run.stdout.split("==================================================")
    if len(parts) != 3:
        fail(f"{runs[0]} --verbose shows no default script")
    return parts[1].strip("\n") + "\n"


def main():
    driver, ld, out = sys.argv[1:4]
    script = default_script(driver, ld)

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

    # Unchanged, the file keeps its time and Setup.exe is not linked again; changed, it takes its
    # name in one step, so that a build ended half-way leaves no script cut short.
    try:
        with open(out) as f:
            if f.read() == script:
                return
    except FileNotFoundError:
        pass
    with tempfile.NamedTemporaryFile("w", dir=os.path.dirname(os.path.abspath(out)),
                                     prefix=os.path.basename(out) + ".", delete=False) as f:
        f.write(script)
    os.replace(f.name, out)


main()
