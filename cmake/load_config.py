#!/usr/bin/env python3
"""Names the load configuration of a PE image in its header: load_config.py EXE MAP SYMBOL.

GNU ld 2.40 links the structure that SYMBOL names but leaves the header's load-configuration
directory empty. This step takes the structure's address from the link map, writes it and the
structure's own Size field into the directory entry, and sets the header checksum anew, so that the
file stays what the linker would have written. It runs after every link and changes nothing else.
The patched image goes to a temporary file beside EXE that then takes its name: a step ended
half-way leaves the linked file whole, never a half-written one that the build takes as current.
"""
import os
import re
import struct
import sys
import tempfile

LOAD_CONFIG = 10  # IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG


def fail(text):
    sys.exit(f"load_config.py: {text}")


def checksum(image, field):
    """The PE header checksum: 16-bit words summed with end-around carry, plus the file length."""
    data = bytearray(image)
    struct.pack_into("<I", data, field, 0)
    if len(data) % 2:
        data.append(0)
    total = 0
    for (word,) in struct.iter_unpack("<H", data):
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(image)


def main():
    exe, link_map, symbol = sys.argv[1:4]
    image = bytearray(open(exe, "rb").read())
    with open(link_map, encoding="utf-8", errors="replace") as f:
        found = re.search(r"^\s+0x([0-9a-f]+)\s+" + re.escape(symbol) + r"$", f.read(), re.M)
    if not found:
        fail(f"{symbol} is not in {link_map}")
    address = int(found.group(1), 16)

    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        fail(f"{exe} is no PE image")
    sections = struct.unpack_from("<H", image, pe + 6)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    if magic == 0x10B:
        base = struct.unpack_from("<I", image, optional + 28)[0]
        directories = optional + 96
    elif magic == 0x20B:
        base = struct.unpack_from("<Q", image, optional + 24)[0]
        directories = optional + 112
    else:
        fail(f"{exe}: unknown optional header {magic:#x}")
    if struct.unpack_from("<I", image, directories - 4)[0] <= LOAD_CONFIG:
        fail(f"{exe} has no load-configuration directory entry")

    # The structure's first field is its size; read it where the section table puts the address.
    rva = address - base
    table = optional + struct.unpack_from("<H", image, pe + 20)[0]
    for i in range(sections):
        size, start, raw_size, raw = struct.unpack_from("<IIII", image, table + 40 * i + 8)
        if start <= rva < start + min(size, raw_size):
            offset = raw + rva - start
            break
    else:
        fail(f"{symbol} at {address:#x} lies in no section's file data")
    size = struct.unpack_from("<I", image, offset)[0]
    if not 0x40 <= size <= 0x200:
        fail(f"{symbol} does not start with the size of a load configuration ({size:#x})")

    struct.pack_into("<II", image, directories + 8 * LOAD_CONFIG, rva, size)
    struct.pack_into("<I", image, optional + 64, checksum(image, optional + 64))
    replace(exe, image)


def replace(path, data):
    handle, temporary = tempfile.mkstemp(dir=os.path.dirname(os.path.abspath(path)),
                                         prefix=os.path.basename(path) + ".")
    try:
        with os.fdopen(handle, "wb") as f:
            f.write(data)
            f.flush()
            os.fsync(f.fileno())
        # mkstemp makes the file for its owner alone; the linked file's mode stays.
        os.chmod(temporary, os.stat(path).st_mode & 0o7777)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


main()
