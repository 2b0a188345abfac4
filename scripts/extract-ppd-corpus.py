#!/usr/bin/env python3
"""Unpacks the PPD files that Debian's openprinting-ppds package keeps in one
compressed archive inside its driver program, all in one pass, into DEST
(its own `cat` command unpacks the whole archive for every file). Copies the
plain files of the hp-ppd package beside them. Does nothing when DEST
already holds a finished extraction."""
import base64
import importlib.machinery
import lzma
import os
import shutil
import sys
import types

DRIVER = "/usr/lib/cups/driver/openprinting-ppds"
HP_FOLDER = "/usr/share/ppd/hp-ppd"


def load_driver():
    loader = importlib.machinery.SourceFileLoader("openprinting_ppds", DRIVER)
    module = types.ModuleType("openprinting_ppds")
    loader.exec_module(module)  # defines functions only; main() runs under __main__
    return module


def main():
    if len(sys.argv) != 2:
        print("usage: extract-ppd-corpus.py DEST", file=sys.stderr)
        return 2
    dest = os.path.abspath(sys.argv[1])
    stamp = os.path.join(dest, ".complete")
    if os.path.exists(stamp):
        print("corpus already extracted:", open(stamp).read().strip())
        return 0
    if not os.path.exists(DRIVER) or not os.path.isdir(HP_FOLDER):
        print("openprinting-ppds and hp-ppd must be installed", file=sys.stderr)
        return 1
    shutil.rmtree(dest, ignore_errors=True)
    index = load_driver().load()
    archive = lzma.decompress(base64.b64decode(index.pop("ARCHIVE").encode("ascii")))
    count = 0
    for name, entry in index.items():
        start, length = entry[0], entry[1]
        # Names look like "0/ppd/openprinting/Maker/File.ppd".
        relative = name.split("/", 1)[1]
        path = os.path.normpath(os.path.join(dest, "openprinting", relative))
        if not path.startswith(dest + os.sep):
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(archive[start:start + length])
        count += 1
    for root, _, files in os.walk(HP_FOLDER):
        for file in files:
            source = os.path.join(root, file)
            target = os.path.join(dest, "hp-ppd", os.path.relpath(source, HP_FOLDER))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copyfile(source, target)
            count += 1
    with open(stamp, "w") as out:
        out.write("%d files\n" % count)
    print("extracted %d files into %s" % (count, dest))
    return 0


if __name__ == "__main__":
    sys.exit(main())
