#!/usr/bin/env python3
"""Does a 32-bit Windows program start on Windows 98 SE and Windows Me?

Windows loads a program only when every function its import table names is
exported by the DLL it names; one missing entry point and nothing runs. Many
functions these systems do export are stubs that only fail, so a program must
not import those either. The export lists beside this script were recorded on
real installations; win9x-rules.txt names the stubs, the few Unicode functions
that do work there, and the DLLs Windows 95 lacks.

    check_imports.py PROGRAM.exe
        lists every refused import and exits 1 if there is one
    check_imports.py --expect NAME[,NAME...] PROGRAM.exe
        passes when exactly the named imports (function names, DLL names for
        refused DLLs, "subsystem" for the header) are refused: shows that the
        check catches what it should

Reads the file itself (no Wine, no binutils).
"""
import argparse
import fnmatch
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SYSTEMS = (("Windows 98 SE", "win98se-exports.txt"), ("Windows Me", "winme-exports.txt"))
# Windows 95/98/Me start no program that asks for a later subsystem version.
MAX_SUBSYSTEM = (4, 0)


class PeError(Exception):
    pass


class PeImage:
    """The parts of a PE32 image the check needs: header versions and imports."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ" or len(data) < 0x40:
            raise PeError("not an MZ executable")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise PeError("no PE header")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = self.u16(optional)
        if magic != 0x10B:
            raise PeError("not a 32-bit (PE32) image: optional header magic %#x" % magic)
        self.subsystem_version = (self.u16(optional + 48), self.u16(optional + 50))
        directories = self.u32(optional + 92)
        self.import_rva = self.u32(optional + 104) if directories > 1 else 0
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            base = table + 40 * i
            virtual_size, rva, raw_size, raw_offset = struct.unpack_from("<IIII", data, base + 8)
            self.sections.append((rva, max(virtual_size, raw_size), raw_offset, raw_size))

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for start, size, raw_offset, raw_size in self.sections:
            if start <= rva < start + size:
                if rva - start >= raw_size:
                    raise PeError("address %#x lies in uninitialised data" % rva)
                return raw_offset + rva - start
        raise PeError("address %#x lies in no section" % rva)

    def text(self, rva):
        start = self.offset(rva)
        end = self.data.index(b"\0", start)
        return self.data[start:end].decode("ascii", "replace")

    def imports(self):
        """(dll, name) pairs; name is "#N" for an import by ordinal."""
        result = []
        if self.import_rva == 0:
            return result
        descriptor = self.offset(self.import_rva)
        while True:
            lookup, _, _, name_rva, first_thunk = struct.unpack_from("<IIIII", self.data, descriptor)
            if name_rva == 0:
                break
            dll = self.text(name_rva).lower()
            entry = self.offset(lookup or first_thunk)
            while True:
                thunk = self.u32(entry)
                if thunk == 0:
                    break
                if thunk & 0x80000000:
                    result.append((dll, "#%d" % (thunk & 0xFFFF)))
                else:
                    result.append((dll, self.text(thunk + 2)))
                entry += 4
            descriptor += 20
        return result


def read_exports(path):
    exports = {}
    with open(path) as lines:
        for line in lines:
            line = line.strip()
            if line:
                dll, name = line.split("\t")
                exports.setdefault(dll.lower(), set()).add(name)
    return exports


class Rules:
    """win9x-rules.txt: `stub DLL PATTERN`, `works DLL NAME`, `twin-stubs DLL`,
    `refuse DLL REASON...`; patterns as in the shell, DLL may be a pattern."""

    def __init__(self, path):
        self.stubs, self.works, self.twin_dlls, self.refused = [], set(), [], {}
        with open(path) as lines:
            for number, line in enumerate(lines, 1):
                words = line.split("#", 1)[0].split()
                if not words:
                    continue
                kind = words[0]
                if kind == "stub" and len(words) == 3:
                    self.stubs.append((words[1].lower(), words[2]))
                elif kind == "works" and len(words) == 3:
                    self.works.add((words[1].lower(), words[2]))
                elif kind == "twin-stubs" and len(words) == 2:
                    self.twin_dlls.append(words[1].lower())
                elif kind == "refuse" and len(words) >= 3:
                    self.refused[words[1].lower()] = " ".join(words[2:])
                else:
                    raise SystemExit("%s:%d: cannot read %r" % (path, number, line.rstrip()))

    def is_stub(self, dll, name, exported):
        if (dll, name) in self.works:
            return False
        if any(fnmatch.fnmatchcase(dll, d) and fnmatch.fnmatchcase(name, n) for d, n in self.stubs):
            return True
        # An ...W function with an ...A twin is the Unicode variant.
        return (name.endswith("W") and name[:-1] + "A" in exported and
                any(fnmatch.fnmatchcase(dll, d) for d in self.twin_dlls))


def refusals(image, systems, rules):
    """(key, message) for everything that keeps the program from running."""
    found = []
    if image.machine != 0x14C:
        found.append(("machine", "not an i386 program (machine %#x)" % image.machine))
    if image.subsystem_version > MAX_SUBSYSTEM:
        found.append(("subsystem", "subsystem version %d.%d: Windows 95/98/Me start only %d.%d or lower"
                      % (image.subsystem_version + MAX_SUBSYSTEM)))
    imports = sorted(set(image.imports()))
    for dll in sorted({dll for dll, _ in imports} & set(rules.refused)):
        names = [name for d, name in imports if d == dll]
        found.append((dll, "%s (%s): %s" % (dll, ", ".join(names), rules.refused[dll])))
    for dll, name in imports:
        where = "%s!%s" % (dll, name)
        if dll in rules.refused:
            continue
        if name.startswith("#"):
            found.append((name, "%s: by ordinal, and ordinals differ between Windows versions" % where))
        else:
            missing = [label for label, exports in systems if name not in exports.get(dll, ())]
            if missing:
                found.append((name, "%s: not exported by %s" % (where, " or ".join(missing))))
            elif any(rules.is_stub(dll, name, exports.get(dll, ())) for _, exports in systems):
                found.append((name, "%s: only a stub that fails on Windows 95/98/Me" % where))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--expect", help="comma-separated names that must be refused, and only those")
    parser.add_argument("program")
    args = parser.parse_args()

    systems = [(label, read_exports(os.path.join(HERE, name))) for label, name in SYSTEMS]
    rules = Rules(os.path.join(HERE, "win9x-rules.txt"))
    try:
        with open(args.program, "rb") as f:
            image = PeImage(f.read())
        imports = image.imports()
        found = refusals(image, systems, rules)
    except (OSError, PeError, struct.error, ValueError) as error:
        print("%s: cannot read: %s" % (args.program, error))
        return 2

    program = os.path.basename(args.program)
    for _, message in found:
        print("%s: %s" % (program, message))
    dlls = sorted({dll for dll, _ in imports})
    print("%s: %d imports from %s; %d refused" % (program, len(imports), ", ".join(dlls), len(found)))

    if args.expect is None:
        return 1 if found else 0
    expected = {name.strip() for name in args.expect.split(",") if name.strip()}
    refused = {key for key, _ in found}
    if refused == expected:
        print("%s: refused exactly what was expected" % program)
        return 0
    if expected - refused:
        print("%s: not refused, but should be: %s" % (program, ", ".join(sorted(expected - refused))))
    if refused - expected:
        print("%s: refused, but not expected: %s" % (program, ", ".join(sorted(refused - expected))))
    return 1


if __name__ == "__main__":
    sys.exit(main())
