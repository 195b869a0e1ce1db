#!/usr/bin/python3
"""Reads back every DXF file below a directory with ezdxf.

    check_dxf.py DIRECTORY

Each *.dxf file must declare code page 1250 in its header, load with it (ezdxf is not told the
encoding) and pass ezdxf's audit without errors or fixes. Its
layer table may name one layer twice only where the format intends it ("ROVINA" of the profile),
and may have a blank name only where the format intends it (the site plan's layer " "); ezdxf
itself accepts both without a word, so they are checked here on the file's own tags. Every entity
must lie on a layer of the table. When a sidecar NAME.dxf.expect.json lies beside the file, the
entities of the model space, counted per "TYPE:LAYER", must equal it exactly.

Exits with 1 on any failure and when no DXF file was found at all.
"""

import collections
import json
import pathlib
import sys

import ezdxf
from ezdxf.lldxf.tagger import ascii_tags_loader

ENCODING = "cp1250"
LAYER_NAMED_TWICE = "ROVINA"
BLANK_LAYER_NAME = " "


def layer_table(path):
    """The layer names of the LAYER table, in file order, from the raw tags."""
    names = []
    table = None
    previous = None
    with open(path, encoding=ENCODING, errors="strict") as stream:
        for tag in ascii_tags_loader(stream):
            if tag.code == 0 and tag.value == "ENDTAB":
                table = None
            elif tag.code == 2 and previous == (0, "TABLE"):
                table = tag.value
            elif tag.code == 2 and table == "LAYER" and previous == (0, "LAYER"):
                names.append(tag.value)
            previous = (tag.code, tag.value)
    return names


def check_layer_table(names):
    problems = []
    counts = collections.Counter(names)
    for name, count in counts.items():
        if count > 1 and not (name == LAYER_NAMED_TWICE and count == 2):
            problems.append(f"layer {name!r} is named {count} times")
        if not name.strip() and name != BLANK_LAYER_NAME:
            problems.append(f"layer with the blank name {name!r}")
    if not names:
        problems.append("the LAYER table is empty or missing")
    return problems


def check_file(path):
    problems = []
    try:
        names = layer_table(path)
    except (UnicodeDecodeError, ValueError, ezdxf.DXFError) as error:
        return [f"cannot read the tags: {error}"]
    problems += check_layer_table(names)

    try:
        doc = ezdxf.readfile(path, errors="strict")
    except (IOError, UnicodeDecodeError, ezdxf.DXFError) as error:
        return problems + [f"ezdxf cannot read it: {error}"]
    if doc.encoding != ENCODING:
        problems.append(f"ezdxf decodes it as {doc.encoding}, not {ENCODING}")
    auditor = doc.audit()
    problems += [f"audit error {e.code}: {e.message}" for e in auditor.errors]
    problems += [f"audit fix {e.code}: {e.message}" for e in auditor.fixes]

    counted = collections.Counter()
    for entity in doc.modelspace():
        layer = entity.dxf.layer
        counted[f"{entity.dxftype()}:{layer}"] += 1
        if layer not in names:
            problems.append(f"{entity.dxftype()} on the layer {layer!r}, which the table does not hold")

    sidecar = path.with_name(path.name + ".expect.json")
    if sidecar.exists():
        expected = json.loads(sidecar.read_text(encoding="utf-8"))
        for key in sorted(set(expected) | set(counted)):
            if expected.get(key, 0) != counted.get(key, 0):
                problems.append(f"{key}: expected {expected.get(key, 0)}, found {counted.get(key, 0)}")
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = pathlib.Path(argv[1])
    files = sorted(root.rglob("*.dxf")) if root.is_dir() else []
    if not files:
        print(f"FAIL: no DXF file below {root}", file=sys.stderr)
        return 1
    failed = 0
    for path in files:
        problems = check_file(path)
        if problems:
            failed += 1
            print(f"FAIL {path}")
            for problem in problems:
                print(f"    {problem}")
        else:
            print(f"ok   {path}")
    print(f"{len(files)} DXF files read, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
